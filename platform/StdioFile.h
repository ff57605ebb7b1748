#pragma once

#include "platform/File.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

// A buffered file read and written by lines. In text mode, the default unless typeBinary is
// given, a CR LF on disk is an LF inside and every LF written becomes CR LF, the line ends of
// the program's Shift_JIS text files.
class CStdioFile : public CFile
{
  public:
    CStdioFile() = default;
    // Opens or throws CFileException.
    CStdioFile(const CString& path, unsigned flags);

    bool Open(const CString& path, unsigned flags, CFileException* error = nullptr) override;
    unsigned Read(void* buffer, unsigned count) override;
    void Write(const void* buffer, unsigned count) override;

    void WriteString(const char* text);
    // Reads one line into line without its line feed; false at the end of the file.
    bool ReadString(CString& line);
    // Reads up to maxCount - 1 bytes, stopping after a line feed, which is kept; null at the end
    // of the file.
    char* ReadString(char* buffer, unsigned maxCount);

    bool IsTextMode() const { return m_text; }
    // The bytes text mode writes for text: each LF as CR LF.
    static std::string ToDiskText(std::string_view text);

  private:
    // The next byte with CR LF read as LF in text mode; EOF at the end.
    int GetChar();

    struct FreeBuffer
    {
        void operator()(char* buffer) const { std::free(buffer); }
    };

    bool m_text = true;
    // ReadString's line as the stream gave it, kept from line to line.
    std::unique_ptr<char, FreeBuffer> m_lineBuffer;
    size_t m_lineCapacity = 0;
};
