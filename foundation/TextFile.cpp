#include "foundation/TextFile.h"

#include "platform/FileException.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdarg>

void CTextFile::WriteFormat(const char* pattern, ...)
{
    CString text;
    va_list args;
    va_start(args, pattern);
    text.FormatV(pattern, args);
    va_end(args);
    WriteString(text);
}

std::unique_ptr<char[]> ReadTextFileAlloc(const CString& path, unsigned flags)
{
    CTextFile file;
    if (!file.Open(path, flags)) {
        return nullptr;
    }
    auto length = static_cast<size_t>(file.GetLength());
    auto buffer = std::make_unique<char[]>(length + 1);
    size_t got = 0;
    // Read in pieces so that files above 4 GB cannot overflow one call's count.
    while (got < length) {
        unsigned piece = static_cast<unsigned>(std::min<size_t>(length - got, 1u << 30));
        unsigned read = file.Read(buffer.get() + got, piece);
        got += read;
        if (read < piece) {
            break;
        }
    }
    buffer[got] = '\0';
    file.Close();
    return buffer;
}

bool ReadTextFile(CString& text, const CString& path, unsigned flags)
{
    auto buffer = ReadTextFileAlloc(path, flags);
    if (!buffer) {
        return false;
    }
    text = CString(buffer.get());
    return true;
}

bool WriteTextFile(const CString& path, unsigned flags, const CString& text)
{
    // A new file in the old one's place goes in whole, with one write.
    const bool replacing = (flags & CFile::modeCreate) != 0 && (flags & CFile::modeNoTruncate) == 0 &&
                           (flags & (CFile::modeWrite | CFile::modeReadWrite)) != 0;
    if (const CString target = replacing ? FileSystem::ReplaceTarget(path) : CString(); !target.IsEmpty()) {
        return (flags & CFile::typeBinary) != 0
                   ? FileSystem::ReplaceContents(target, text.view())
                   : FileSystem::ReplaceContents(target, CStdioFile::ToDiskText(text.view()));
    }
    CTextFile file;
    if (!file.Open(path, flags)) {
        return false;
    }
    try {
        file.Write(text.GetString(), static_cast<unsigned>(text.GetLength()));
        file.Close();
    } catch (const CFileException&) {
        file.Abort();
        return false;
    }
    return true;
}
