#pragma once

#include "tutorial/ChmDirectory.h"

#include "platform/CString.h"

#include <cstdint>
#include <string>

struct chmFile;

// The calls into the system's chmlib on one compiled help file, in the calling process. chmlib
// trusts the sizes and offsets of the file, so objects are looked up in a CChmDirectory that
// checks them before chmlib sees the file; the viewer still makes these calls only in a child
// process (CChmFile), since a damaged compressed stream can still mislead chmlib.
class CChmReader
{
  public:
    CChmReader() = default;
    ~CChmReader() { Close(); }
    CChmReader(const CChmReader&) = delete;
    CChmReader& operator=(const CChmReader&) = delete;

    // nativePath: the file's path as the system names it. False when the file is missing or its
    // headers are not those of a sound compiled help file.
    bool Open(const std::string& nativePath);
    void Close();

    // Object paths are CP932 and begin with "/" ("/#IVB", "/html/start.htm").
    bool HasObject(const CString& objectPath) const;
    // The whole object; false when it is missing, larger than maxSize or cannot be read whole.
    bool ReadObject(const CString& objectPath, std::string& bytes, std::uint64_t maxSize) const;

  private:
    bool Find(const CString& objectPath, CChmDirectory::Entry& entry) const;

    CChmDirectory m_directory;
    chmFile* m_file = nullptr;
};
