// A help file's topic table from outside: the "#IVB" stream, looked up by topic id.
#include "tutorial/TopicTable.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTopicTable table;
    if (table.Parse(std::string(reinterpret_cast<const char*>(data), size))) {
        std::uint32_t offset = 0;
        for (std::uint32_t topic : {0u, 1u, 1003u, 1004u, 0xFFFFFFFFu}) {
            table.Find(topic, offset);
        }
    }
    return 0;
}
