#pragma once

#include "platform/CString.h"

#include <cstdint>
#include <string>

struct chmFile;

// One open compiled help file (.chm): reads its objects (pages, images and its own tables) by
// their paths inside the file.
class CChmFile
{
  public:
    CChmFile() = default;
    ~CChmFile() { Close(); }
    CChmFile(const CChmFile&) = delete;
    CChmFile& operator=(const CChmFile&) = delete;

    // False when the file is missing or is no compiled help file.
    bool Open(const CString& path);
    void Close();
    bool IsOpen() const { return m_file != nullptr; }

    // Object paths are CP932 and begin with "/" ("/#IVB", "/html/start.htm").
    bool HasObject(const CString& objectPath) const;
    // The whole object; false when it is missing, larger than maxSize or cannot be read whole.
    bool ReadObject(const CString& objectPath, std::string& bytes,
                    std::uint64_t maxSize = kMaxObjectSize) const;

    // Larger objects are refused rather than read into memory.
    static constexpr std::uint64_t kMaxObjectSize = 64 * 1024 * 1024;

  private:
    chmFile* m_file = nullptr;
};
