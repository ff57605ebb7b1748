// A list file from outside, read as a list is opened; whatever was read is saved and read again,
// and the second save must give the same file as the first.
#include "list/ListFileReader.h"
#include "list/ListFileWriter.h"
#include "list/ZantobyDoc.h"
#include "list/tests/support/FakeListHost.h"
#include "list/tests/support/TempFolder.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <string>
#include <unistd.h>
#include <unordered_set>

namespace {

// A saved file without its comment line, which names the path it was written to.
std::string WithoutPath(std::string text, const CString& path)
{
    const std::string comment = "; " + path.str() + "\r\n";
    const size_t at = text.find(comment);
    if (at != std::string::npos) {
        text.erase(at, comment.size());
    }
    return text;
}

// The bytes as a read-only file, without the flush and rename a save makes. A read-only list
// opens without taking a lock file or clearing what killed saves left beside it: work on the
// folder, not on the text, that made up most of each input's system calls.
void WriteBytes(const CString& path, const std::string& bytes)
{
    const std::string native = FileSystem::ToNative(path);
    std::remove(native.c_str());
    const int file = open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0444);
    if (file < 0 || write(file, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
        close(file) != 0) {
        std::fprintf(stderr, "the input could not be written\n");
        std::abort();
    }
}

// One document serves every input: opening a list reads it into a freshly reset document, and a
// new document costs far more than a reset.
struct OpenList
{
    explicit OpenList(FakeListHost& host) : doc(host) {}

    bool Read(const CString& path, const CString& tempFolder)
    {
        doc.ResetToNewList();
        doc.tempFolder = tempFolder;
        return doc.ReadListFile(path, CListFileReader::ReadAll);
    }

    CZantobyDoc doc;
};

// Saves already read back once: reading the same text into a fresh document gives the same list,
// so most inputs, whose mutations change nothing that is saved, end after their first save.
class CheckedSaves
{
  public:
    bool Contains(const std::string& saved) const
    {
        return m_hashes.contains(std::hash<std::string>()(saved));
    }
    void Add(const std::string& saved)
    {
        if (m_hashes.size() >= kMostKept) {
            m_hashes.clear();
        }
        m_hashes.insert(std::hash<std::string>()(saved));
    }

  private:
    static constexpr size_t kMostKept = 1 << 20;
    std::unordered_set<size_t> m_hashes;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TempFolder temp;
    static FakeListHost host;
    static OpenList list(host);
    static OpenList reread(host);
    static CheckedSaves checked;
    // The host keeps what it was told; each input starts with nothing told.
    host = FakeListHost();
    const CString input = temp.Path() + "input.zbk";
    WriteBytes(input, std::string(reinterpret_cast<const char*>(data), size));

    if (!list.Read(input, temp.Path())) {
        return 0;
    }
    // The text of the save; writing it as the save does is the save's own tests' business.
    const CString first = temp.Path() + "first.zbk";
    const std::string written = CListFileWriter(list.doc).Format(first);
    const std::string saved = WithoutPath(written, first);
    if (checked.Contains(saved)) {
        return 0;
    }
    WriteBytes(first, written);
    if (!reread.Read(first, temp.Path())) {
        std::fprintf(stderr, "a saved list does not read back\n");
        std::abort();
    }
    const CString second = temp.Path() + "second.zbk";
    if (WithoutPath(CListFileWriter(reread.doc).Format(second), second) != saved) {
        std::fprintf(stderr, "a saved list reads back changed\n");
        std::abort();
    }
    checked.Add(saved);
    return 0;
}
