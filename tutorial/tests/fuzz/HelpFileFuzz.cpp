// A compiled help file from outside, read through chmlib as the viewer's child process reads
// it: its topic tables, then the pages its strings name. The viewer keeps these calls out of
// its own process; here a fault in them is the finding.
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"
#include "tutorial/ChmFile.h"
#include "tutorial/ChmReader.h"
#include "tutorial/TopicTable.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ScratchFolder scratch;
    const CString path = scratch / "Tutorial.chm";
    ScratchFolder::WriteBytes(path, std::string(reinterpret_cast<const char*>(data), size));

    CChmReader reader;
    if (!reader.Open(FileSystem::ToNative(path))) {
        return 0;
    }
    std::string ivb;
    CTopicTable topics;
    if (reader.ReadObject("/#IVB", ivb, CChmFile::kMaxObjectSize)) {
        topics.Parse(ivb);
    }
    std::string strings;
    if (!reader.ReadObject("/#STRINGS", strings, CChmFile::kMaxObjectSize)) {
        return 0;
    }
    // The first few names of the strings table, each as a page of the file.
    size_t at = 0;
    for (int count = 0; count < 8 && at < strings.size(); ++count) {
        const size_t end = strings.find('\0', at);
        const CString name(strings.substr(at, end == std::string::npos ? end : end - at));
        at = end == std::string::npos ? strings.size() : end + 1;
        const CString object = name.IsEmpty() || name[0] != '/' ? "/" + name : name;
        std::string page;
        if (reader.HasObject(object)) {
            reader.ReadObject(object, page, CChmFile::kMaxObjectSize);
        }
    }
    return 0;
}
