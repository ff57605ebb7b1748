#include "platform/StdioFile.h"

#include "platform/FileException.h"

#include <cerrno>
#include <cstring>

CStdioFile::CStdioFile(const CString& path, unsigned flags)
{
    CFileException error(CFileException::none, 0, path);
    if (!Open(path, flags, &error)) {
        throw error;
    }
}

bool CStdioFile::Open(const CString& path, unsigned flags, CFileException* error)
{
    m_text = (flags & typeBinary) == 0;
    return CFile::Open(path, flags, error);
}

int CStdioFile::GetChar()
{
    int c = getc_unlocked(m_stream);
    if (c == '\r' && m_text) {
        int next = getc_unlocked(m_stream);
        if (next == '\n') {
            return '\n';
        }
        if (next != EOF) {
            ungetc(next, m_stream);
        }
    }
    return c;
}

unsigned CStdioFile::Read(void* buffer, unsigned count)
{
    if (!m_text) {
        return CFile::Read(buffer, count);
    }
    if (m_stream == nullptr) {
        ThrowError(EBADF);
    }
    auto* out = static_cast<char*>(buffer);
    unsigned got = 0;
    while (got < count) {
        int c = GetChar();
        if (c == EOF) {
            break;
        }
        out[got++] = static_cast<char>(c);
    }
    CheckStream();
    return got;
}

void CStdioFile::Write(const void* buffer, unsigned count)
{
    if (!m_text) {
        CFile::Write(buffer, count);
        return;
    }
    const auto* text = static_cast<const char*>(buffer);
    unsigned start = 0;
    for (unsigned i = 0; i < count; ++i) {
        if (text[i] == '\n') {
            CFile::Write(text + start, i - start);
            CFile::Write("\r\n", 2);
            start = i + 1;
        }
    }
    CFile::Write(text + start, count - start);
}

void CStdioFile::WriteString(const char* text)
{
    Write(text, static_cast<unsigned>(std::strlen(text)));
}

bool CStdioFile::ReadString(CString& line)
{
    if (m_stream == nullptr) {
        ThrowError(EBADF);
    }
    line.Empty();
    int c = GetChar();
    if (c == EOF) {
        CheckStream();
        return false;
    }
    std::string& text = line.str();
    while (c != EOF && c != '\n') {
        text += static_cast<char>(c);
        c = GetChar();
    }
    CheckStream();
    return true;
}

char* CStdioFile::ReadString(char* buffer, unsigned maxCount)
{
    if (m_stream == nullptr) {
        ThrowError(EBADF);
    }
    if (maxCount == 0) {
        return nullptr;
    }
    unsigned got = 0;
    while (got + 1 < maxCount) {
        int c = GetChar();
        if (c == EOF) {
            break;
        }
        buffer[got++] = static_cast<char>(c);
        if (c == '\n') {
            break;
        }
    }
    buffer[got] = '\0';
    CheckStream();
    return got == 0 && maxCount > 1 ? nullptr : buffer;
}
