#include "platform/StdioFile.h"

#include "platform/FileException.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <string_view>

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
    // The lines go out in large pieces, not one stream call each: pages and lists are many
    // short lines.
    constexpr size_t kPiece = 64 * 1024;
    const std::string_view text(static_cast<const char*>(buffer), count);
    for (size_t start = 0; start < text.size(); start += kPiece) {
        const std::string piece = ToDiskText(text.substr(start, kPiece));
        CFile::Write(piece.data(), static_cast<unsigned>(piece.size()));
    }
}

std::string CStdioFile::ToDiskText(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16 + 16);
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        bytes.append(text.substr(start, end - start));
        if (end < text.size()) {
            bytes.append("\r\n");
        }
        start = end + 1;
    }
    return bytes;
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
    // The stream hands over the whole line, NUL bytes and all, rather than byte by byte. A line
    // feed can only end it, so a CR LF in text mode can only stand at its end.
    char* buffer = m_lineBuffer.release();
    const ssize_t got = getline(&buffer, &m_lineCapacity, m_stream);
    m_lineBuffer.reset(buffer);
    if (got < 0) {
        CheckStream();
        return false;
    }
    std::string_view text(buffer, static_cast<size_t>(got));
    if (!text.empty() && text.back() == '\n') {
        text.remove_suffix(text.size() >= 2 && text[text.size() - 2] == '\r' && m_text ? 2 : 1);
    }
    line.str().assign(text);
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
