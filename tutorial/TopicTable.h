#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The topic ids of a compiled help file as its "#IVB" table lists them, each with the offset
// of its page path in the file's "#STRINGS" table.
class CTopicTable
{
  public:
    struct Entry
    {
        std::uint32_t topic = 0;
        std::uint32_t stringOffset = 0;
    };

    // Reads an "#IVB" stream: a 32-bit little-endian byte length L, then L bytes of 8-byte
    // entries {topic id, offset}; bytes after the last whole entry are ignored. False, and no
    // table, when the stream holds fewer than 4 bytes or fewer than L after them.
    bool Parse(const std::string& ivb);

    bool IsLoaded() const { return m_loaded; }
    int GetCount() const { return static_cast<int>(m_entries.size()); }

    // The first entry of the topic; false when the table has none.
    bool Find(std::uint32_t topic, std::uint32_t& stringOffset) const;

  private:
    std::vector<Entry> m_entries;
    bool m_loaded = false;
};
