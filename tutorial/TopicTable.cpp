#include "tutorial/TopicTable.h"

namespace {

std::uint32_t ReadLittleEndian32(const std::string& bytes, size_t pos)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[pos + static_cast<size_t>(i)]);
    }
    return value;
}

} // namespace

bool CTopicTable::Parse(const std::string& ivb)
{
    m_entries.clear();
    m_loaded = false;
    if (ivb.size() < 4) {
        return false;
    }
    // The length comes from the file: it is trusted only as far as the stream really reaches.
    const std::uint32_t length = ReadLittleEndian32(ivb, 0);
    if (length > ivb.size() - 4) {
        return false;
    }
    const size_t count = length / 8;
    m_entries.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const size_t pos = 4 + i * 8;
        m_entries.push_back({ReadLittleEndian32(ivb, pos), ReadLittleEndian32(ivb, pos + 4)});
    }
    m_loaded = true;
    return true;
}

bool CTopicTable::Find(std::uint32_t topic, std::uint32_t& stringOffset) const
{
    for (const Entry& entry : m_entries) {
        if (entry.topic == topic) {
            stringOffset = entry.stringOffset;
            return true;
        }
    }
    return false;
}
