// A compiled help file from outside, as the tutorial viewer uses one: topics looked up through
// its tables and their pages read. A damaged file must read as unreadable, never stop the viewer.
#include "foundation/tests/support/ScratchFolder.h"
#include "tutorial/ChmFile.h"
#include "tutorial/TopicMap.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static ScratchFolder scratch;
    const CString path = scratch / "Tutorial.chm";
    ScratchFolder::WriteBytes(path, std::string(reinterpret_cast<const char*>(data), size));

    CTopicMap topics;
    CChmFile chm;
    for (int topic : {1003, 1004, 1}) {
        CString page;
        std::string bytes;
        if (topics.Lookup(path, topic, page) == CTopicMap::Result::Found && chm.Open(path)) {
            chm.ReadObject(page, bytes);
        }
    }
    return 0;
}
