#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// The headers and the directory of a compiled help file, read with every size and offset
// checked. It looks objects up along the same path through the directory's index blocks that
// chmlib takes, so that a file it finds sound is one whose headers and directory chmlib can
// walk without reading past a block, dividing by zero, allocating gigabytes or going round for
// ever.
class CChmDirectory
{
  public:
    enum class Found
    {
        Yes,
        No,
        // The walk would leave a block or go round in circles.
        Damaged,
    };

    // Where an object lies: its section (0 as stored, 1 compressed), offset and length there.
    struct Entry
    {
        std::uint64_t section = 0;
        std::uint64_t start = 0;
        std::uint64_t length = 0;
    };

    CChmDirectory() = default;
    ~CChmDirectory() { Close(); }
    CChmDirectory(const CChmDirectory&) = delete;
    CChmDirectory& operator=(const CChmDirectory&) = delete;

    // False when the file is missing or its headers or compression settings are unsound.
    bool Open(const std::string& nativePath);
    void Close();

    // name: the object's path in UTF-8, compared as chmlib compares it (ASCII letters in
    // either case).
    Found Find(const std::string& name, Entry& entry) const;

    // Directory blocks are 4 or 8 KiB in help files; chmlib allocates one per lookup.
    static constexpr std::uint32_t kMaxBlock = 64 * 1024;
    // Longest object path chmlib reads.
    static constexpr std::uint64_t kMaxPath = 512;

  private:
    bool ReadAt(std::uint64_t offset, void* bytes, std::uint64_t count) const;
    bool CompressionIsSound() const;

    std::FILE* m_file = nullptr;
    std::uint64_t m_fileSize = 0;
    std::uint64_t m_blocks = 0;  // where block 0 begins
    std::uint64_t m_data = 0;    // where the uncompressed section begins
    std::uint32_t m_blockLength = 0;
    std::int32_t m_root = -1;
};
