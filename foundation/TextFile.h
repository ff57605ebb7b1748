#pragma once

#include "platform/StdioFile.h"

#include <memory>

// A Shift_JIS text file (CR LF on disk, LF inside) with a printf-style write. A file created
// with modeCreate replaces its target only when it is closed (see CFile).
class CTextFile : public CStdioFile
{
  public:
    CTextFile() = default;
    // Opens or throws CFileException.
    CTextFile(const CString& path, unsigned flags) : CStdioFile(path, flags) {}

    void WriteFormat(const char* pattern, ...) __attribute__((format(printf, 2, 3)));
};

// Reads a whole file with the caller's open flags into a new zero-terminated buffer (CR LF
// read as LF in text mode); null when the file cannot be opened.
std::unique_ptr<char[]> ReadTextFileAlloc(const CString& path, unsigned flags);

// Reads a whole file into text; false when the file cannot be opened.
bool ReadTextFile(CString& text, const CString& path, unsigned flags);

// Opens the file with the caller's flags and writes text; false when it cannot be opened or
// written (an existing file then keeps its contents).
bool WriteTextFile(const CString& path, unsigned flags, const CString& text);
