#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <string>

// One compiled help file (.chm): reads its objects (pages, images and its own tables) by their
// paths inside the file. The system's chmlib trusts the sizes and offsets a file gives, so a
// damaged file can make it divide by zero, read past its buffers, ask for gigabytes or read for
// ever. The child's CChmReader checks what it can before chmlib sees the file; still every call
// runs in a child process with limits on time and memory, and a child that fails or dies reads
// as a file that cannot be read.
class CChmFile
{
  public:
    CChmFile() = default;
    CChmFile(const CChmFile&) = delete;
    CChmFile& operator=(const CChmFile&) = delete;

    // False when the file is missing or cannot be read as a compiled help file.
    bool Open(const CString& path);
    void Close();
    bool IsOpen() const { return m_open; }

    // Object paths are CP932 and begin with "/" ("/#IVB", "/html/start.htm").
    bool HasObject(const CString& objectPath) const;
    // The whole object; false when it is missing, larger than maxSize or cannot be read whole.
    bool ReadObject(const CString& objectPath, std::string& bytes,
                    std::uint64_t maxSize = kMaxObjectSize) const;

    // Larger objects are refused rather than read into memory.
    static constexpr std::uint64_t kMaxObjectSize = 64 * 1024 * 1024;

  private:
    std::string m_nativePath;
    bool m_open = false;
};
