// A list file from outside, read as a list is opened; whatever was read is saved and read again,
// and the second save must give the same file as the first.
#include "list/ListFileReader.h"
#include "list/ListFileWriter.h"
#include "list/ZantobyDoc.h"
#include "list/tests/support/FakeListHost.h"
#include "list/tests/support/FileBytes.h"
#include "list/tests/support/TempFolder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A saved file without its comment line, which names the path it was written to.
std::string SavedWithoutPath(CZantobyDoc& doc, const CString& path)
{
    if (!CListFileWriter(doc).Write(path)) {
        std::fprintf(stderr, "the list read could not be saved\n");
        std::abort();
    }
    std::string text = ReadFileBytes(path);
    const std::string comment = "; " + path.str() + "\r\n";
    const size_t at = text.find(comment);
    if (at != std::string::npos) {
        text.erase(at, comment.size());
    }
    return text;
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TempFolder temp;
    static FakeListHost host;
    static OpenList list(host);
    static OpenList reread(host);
    // The host keeps what it was told; each input starts with nothing told.
    host = FakeListHost();
    const CString input = temp.Path() + "input.zbk";
    WriteFileBytes(input, std::string(reinterpret_cast<const char*>(data), size));

    if (!list.Read(input, temp.Path())) {
        return 0;
    }
    const CString first = temp.Path() + "first.zbk";
    const std::string saved = SavedWithoutPath(list.doc, first);
    if (!reread.Read(first, temp.Path())) {
        std::fprintf(stderr, "a saved list does not read back\n");
        std::abort();
    }
    if (SavedWithoutPath(reread.doc, temp.Path() + "second.zbk") != saved) {
        std::fprintf(stderr, "a saved list reads back changed\n");
        std::abort();
    }
    return 0;
}
