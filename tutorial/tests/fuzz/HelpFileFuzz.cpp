// A compiled help file from outside, read through chmlib as the viewer's child process reads
// it: its topic tables, then the pages its strings name. The viewer keeps these calls out of
// its own process; here a fault in them is the finding.
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"
#include "tutorial/ChmFile.h"
#include "tutorial/ChmReader.h"
#include "tutorial/TopicTable.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

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
    const std::string_view table(strings);
    size_t at = 0;
    for (int count = 0; count < 8 && at < table.size(); ++count) {
        const size_t end = std::min(table.find('\0', at), table.size());
        const std::string_view name = table.substr(at, end - at);
        at = end + 1;
        const CString object = name.starts_with('/') ? CString(name) : "/" + CString(name);
        std::string page;
        if (reader.HasObject(object)) {
            reader.ReadObject(object, page, CChmFile::kMaxObjectSize);
        }
    }
    return 0;
}
