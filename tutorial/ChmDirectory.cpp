#include "tutorial/ChmDirectory.h"

#include <array>
#include <set>
#include <string_view>
#include <vector>

namespace {

std::uint64_t Little(const unsigned char* bytes, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

bool Signed(const unsigned char* bytes, std::string_view signature)
{
    return std::string_view(reinterpret_cast<const char*>(bytes), signature.size()) == signature;
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// chmlib compares names as C strings: a name read from the file ends at its first NUL.
int CompareNames(const std::string& stored, const std::string& wanted)
{
    const std::string_view name(stored.c_str());
    for (size_t i = 0;; ++i) {
        const char a = i < name.size() ? Lower(name[i]) : '\0';
        const char b = i < wanted.size() ? Lower(wanted[i]) : '\0';
        if (a != b || a == '\0') {
            return static_cast<unsigned char>(a) - static_cast<unsigned char>(b);
        }
    }
}

// Reads the parts of a directory block; every read that would leave the block fails.
class BlockCursor
{
  public:
    BlockCursor(const std::vector<unsigned char>& block, size_t at) : m_block(block), m_at(at) {}

    size_t At() const { return m_at; }

    // The file's variable-length numbers: 7 bits a byte, the last byte below 0x80.
    bool Number(std::uint64_t& value)
    {
        value = 0;
        while (m_at < m_block.size()) {
            const unsigned char byte = m_block[m_at++];
            value = (value << 7) + (byte & 0x7F);
            if (byte < 0x80) {
                return true;
            }
        }
        return false;
    }

    // Fails too on a name longer than chmlib reads; the caller tells that case apart by length.
    bool Name(std::string& name, std::uint64_t& length)
    {
        if (!Number(length)) {
            return false;
        }
        if (length > CChmDirectory::kMaxPath) {
            return true;
        }
        if (length > m_block.size() - m_at) {
            return false;
        }
        name.assign(reinterpret_cast<const char*>(m_block.data()) + m_at, length);
        m_at += length;
        return true;
    }

  private:
    const std::vector<unsigned char>& m_block;
    size_t m_at;
};

} // namespace

bool CChmDirectory::Open(const std::string& nativePath)
{
    Close();
    m_file = std::fopen(nativePath.c_str(), "rb");
    if (m_file == nullptr || std::fseek(m_file, 0, SEEK_END) != 0) {
        Close();
        return false;
    }
    const long size = std::ftell(m_file);
    m_fileSize = size > 0 ? static_cast<std::uint64_t>(size) : 0;
    std::array<unsigned char, 0x60> header{};
    if (!ReadAt(0, header.data(), 0x58) || !Signed(header.data(), "ITSF")) {
        Close();
        return false;
    }
    const std::uint64_t version = Little(&header[4], 4);
    const std::uint64_t directory = Little(&header[72], 8);
    const std::uint64_t directoryLength = Little(&header[80], 8);
    std::array<unsigned char, 0x54> itsp{};
    if ((version != 2 && version != 3) || (version == 3 && !ReadAt(0x58, &header[0x58], 8)) ||
        directory > m_fileSize || directoryLength > m_fileSize - directory ||
        !ReadAt(directory, itsp.data(), itsp.size()) || !Signed(itsp.data(), "ITSP") || Little(&itsp[4], 4) != 1 ||
        Little(&itsp[8], 4) != itsp.size()) {
        Close();
        return false;
    }
    m_blocks = directory + itsp.size();
    m_data = version == 3 ? Little(&header[0x58], 8) : directory + directoryLength;
    m_blockLength = static_cast<std::uint32_t>(Little(&itsp[16], 4));
    // Without index blocks the root is the only leaf block.
    m_root = static_cast<std::int32_t>(Little(&itsp[28], 4));
    if (m_root <= -1) {
        m_root = static_cast<std::int32_t>(Little(&itsp[32], 4));
    }
    if (m_blockLength < 20 || m_blockLength > kMaxBlock || !CompressionIsSound()) {
        Close();
        return false;
    }
    return true;
}

void CChmDirectory::Close()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

bool CChmDirectory::ReadAt(std::uint64_t offset, void* bytes, std::uint64_t count) const
{
    return offset <= m_fileSize && count <= m_fileSize - offset &&
           std::fseek(m_file, static_cast<long>(offset), SEEK_SET) == 0 &&
           std::fread(bytes, 1, count, m_file) == count;
}

CChmDirectory::Found CChmDirectory::Find(const std::string& name, Entry& entry) const
{
    std::vector<unsigned char> block(m_blockLength);
    std::set<std::int32_t> visited;
    for (std::int32_t page = m_root; page != -1;) {
        // chmlib reads a block at any page the index names, past the directory too, and goes
        // on for as long as the index leads it.
        if (!visited.insert(page).second) {
            return Found::Damaged;
        }
        // chmlib widens the page with its sign and lets the offset wrap: a negative page reads
        // a block before the directory.
        const std::uint64_t offset =
            m_blocks + static_cast<std::uint64_t>(static_cast<std::int64_t>(page)) * m_blockLength;
        if (!ReadAt(offset, block.data(), block.size())) {
            return Found::No;
        }
        const bool leaf = Signed(block.data(), "PMGL");
        if (!leaf && !Signed(block.data(), "PMGI")) {
            return Found::No;
        }
        const size_t headerLength = leaf ? 20 : 8;
        const std::int64_t end = static_cast<std::int64_t>(m_blockLength) - static_cast<std::int64_t>(Little(&block[4], 4));
        BlockCursor cursor(block, headerLength);
        std::int32_t next = -1;
        while (static_cast<std::int64_t>(cursor.At()) < end) {
            std::string stored;
            std::uint64_t length = 0;
            if (!cursor.Name(stored, length)) {
                return Found::Damaged;
            }
            if (length > kMaxPath) {
                return Found::No;
            }
            if (leaf) {
                std::uint64_t section = 0;
                std::uint64_t start = 0;
                std::uint64_t size = 0;
                if (!cursor.Number(section) || !cursor.Number(start) || !cursor.Number(size)) {
                    return Found::Damaged;
                }
                if (CompareNames(stored, name) == 0) {
                    entry = Entry{section, start, size};
                    return Found::Yes;
                }
                continue;
            }
            if (CompareNames(stored, name) > 0) {
                break;
            }
            std::uint64_t child = 0;
            if (!cursor.Number(child)) {
                return Found::Damaged;
            }
            next = static_cast<std::int32_t>(static_cast<std::uint32_t>(child));
        }
        if (leaf) {
            return Found::No;
        }
        page = next;
    }
    return Found::No;
}

// chmlib decodes the compressed section with the window and reset interval of its control data
// and the block length of its reset table, and divides by them; it reads both, wherever the
// directory puts them, as soon as it opens the file.
bool CChmDirectory::CompressionIsSound() const
{
    Entry content;
    Entry control;
    Entry table;
    const Found hasContent = Find("::DataSpace/Storage/MSCompressed/Content", content);
    const Found hasControl = Find("::DataSpace/Storage/MSCompressed/ControlData", control);
    const Found hasTable = Find("::DataSpace/Storage/MSCompressed/Transform/"
                                "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable",
                                table);
    if (hasContent == Found::Damaged || hasControl == Found::Damaged || hasTable == Found::Damaged) {
        return false;
    }
    if (hasContent == Found::No || hasControl == Found::No || hasTable == Found::No) {
        return true;
    }
    unsigned char controlBytes[24];
    unsigned char tableBytes[40];
    // The control data is 28 bytes in help files; chmlib reads all of it into memory.
    if (content.section != 0 || control.section != 0 || table.section != 0 || control.length < sizeof controlBytes ||
        control.length > 0x1000 ||
        table.length < sizeof tableBytes || m_data > m_fileSize || control.start > m_fileSize - m_data ||
        table.start > m_fileSize - m_data || !ReadAt(m_data + control.start, controlBytes, sizeof controlBytes) ||
        !ReadAt(m_data + table.start, tableBytes, sizeof tableBytes) || !Signed(&controlBytes[4], "LZXC")) {
        return false;
    }
    // Version 2 counts the interval and the window in units of 32 KiB; chmlib keeps them in 32
    // bits.
    const std::uint32_t unit = Little(&controlBytes[8], 4) == 2 ? 0x8000 : 1;
    const std::uint32_t resetInterval = static_cast<std::uint32_t>(Little(&controlBytes[12], 4)) * unit;
    const std::uint32_t window = static_cast<std::uint32_t>(Little(&controlBytes[16], 4)) * unit;
    const std::uint32_t windowsPerReset = static_cast<std::uint32_t>(Little(&controlBytes[20], 4));
    const bool windowSound = window >= 0x8000 && window <= 0x200000 && (window & (window - 1)) == 0;
    return windowSound && resetInterval != 0 && resetInterval % (window / 2) == 0 && windowsPerReset != 0 &&
           resetInterval / (window / 2) * windowsPerReset != 0 && Little(&tableBytes[32], 8) == 0x8000;
}
