#include "platform/CString.h"

#include "platform/Cp932.h"
#include "platform/Mbcs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

// True when the character at pos (one or two bytes) is one of the characters of set.
bool CharInSet(std::string_view text, size_t pos, std::string_view set)
{
    // A character of the set begins with the same byte; most characters tried are not in it.
    if (set.find(text[pos]) == std::string_view::npos) {
        return false;
    }
    unsigned int code = Mbcs::CharCode(text, pos);
    for (size_t i = 0; i < set.size(); i += Cp932::CharLength(set, i)) {
        if (Mbcs::CharCode(set, i) == code) {
            return true;
        }
    }
    return false;
}

// The blanks that Trim() cuts, as IsSpace tells them.
constexpr std::string_view kSpaces = " \t\n\r\v\f";

// Whether every character of the set is a single byte, as nearly every set given is: a text is
// then trimmed without walking it character by character.
bool OfSingleBytes(std::string_view set)
{
    return std::none_of(set.begin(), set.end(),
                        [](char ch) { return Cp932::IsLeadByte(static_cast<unsigned char>(ch)); });
}

// Where the text ends without its trailing characters of a set of single bytes: behind the last
// byte outside the set, or behind the character that byte begins when it is a lead byte.
size_t EndWithoutTrailing(std::string_view text, std::string_view set)
{
    const size_t last = text.find_last_not_of(set);
    if (last == std::string_view::npos) {
        return 0;
    }
    const bool pairs = Cp932::IsLeadByte(static_cast<unsigned char>(text[last])) && last + 1 < text.size() &&
                       !Cp932::IsTrailPosition(text, last);
    return last + (pairs ? 2 : 1);
}

size_t Clamp(int value, size_t limit)
{
    if (value < 0) {
        return 0;
    }
    return std::min(static_cast<size_t>(value), limit);
}

} // namespace

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength()) {
        m_text.resize(minLength);
    }
    return m_text.data();
}

char* CString::GetBufferSetLength(int length)
{
    m_text.resize(length > 0 ? length : 0);
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        newLength = static_cast<int>(strnlen(m_text.c_str(), m_text.size()));
    }
    m_text.resize(Clamp(newLength, m_text.size()));
}

CString CString::Left(int count) const
{
    return CString(m_text.substr(0, Clamp(count, m_text.size())));
}

CString CString::Right(int count) const
{
    size_t n = Clamp(count, m_text.size());
    return CString(m_text.substr(m_text.size() - n));
}

CString CString::Mid(int first) const
{
    return CString(m_text.substr(Clamp(first, m_text.size())));
}

CString CString::Mid(int first, int count) const
{
    size_t start = Clamp(first, m_text.size());
    return CString(m_text.substr(start, Clamp(count, m_text.size() - start)));
}

CString CString::SpanIncluding(const char* set) const
{
    size_t i = 0;
    while (i < m_text.size() && CharInSet(m_text, i, set)) {
        i += Cp932::CharLength(m_text, i);
    }
    return Left(static_cast<int>(i));
}

CString CString::SpanExcluding(const char* set) const
{
    int found = FindOneOf(set);
    return found < 0 ? *this : Left(found);
}

int CString::Find(char ch, int start) const
{
    if (start < 0) {
        start = 0;
    }
    for (size_t i = 0; i < m_text.size(); i += Cp932::CharLength(m_text, i)) {
        if (i >= static_cast<size_t>(start) && m_text[i] == ch && Cp932::CharLength(m_text, i) == 1) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CString::Find(const char* sub, int start) const
{
    if (start < 0 || static_cast<size_t>(start) > m_text.size()) {
        return -1;
    }
    size_t from = 0;
    while (from < static_cast<size_t>(start)) {
        from += Cp932::CharLength(m_text, from);
    }
    return FindOnCharacter(sub, static_cast<int>(from));
}

int CString::FindOnCharacter(const char* sub, int start) const
{
    if (start < 0) {
        return -1;
    }
    size_t at = Cp932::FindOnCharacter(m_text, sub != nullptr ? sub : "", static_cast<size_t>(start));
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    int found = -1;
    for (size_t i = 0; i < m_text.size(); i += Cp932::CharLength(m_text, i)) {
        if (m_text[i] == ch && Cp932::CharLength(m_text, i) == 1) {
            found = static_cast<int>(i);
        }
    }
    return found;
}

int CString::FindOneOf(const char* set) const
{
    for (size_t i = 0; i < m_text.size(); i += Cp932::CharLength(m_text, i)) {
        if (CharInSet(m_text, i, set)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int CString::Compare(const char* other) const
{
    return Mbcs::Compare(m_text, other != nullptr ? other : "");
}

int CString::CompareNoCase(const char* other) const
{
    return Mbcs::CompareNoCase(m_text, other != nullptr ? other : "");
}

void CString::MakeUpper()
{
    Mbcs::MakeUpper(m_text);
}

void CString::MakeLower()
{
    Mbcs::MakeLower(m_text);
}

void CString::MakeReverse()
{
    std::string reversed;
    reversed.reserve(m_text.size());
    for (size_t i = 0; i < m_text.size();) {
        size_t length = Cp932::CharLength(m_text, i);
        reversed.insert(0, m_text, i, length);
        i += length;
    }
    m_text.swap(reversed);
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(const char* chars)
{
    return TrimRight(chars).TrimLeft(chars);
}

CString& CString::TrimLeft()
{
    size_t i = 0;
    while (i < m_text.size() && IsSpace(m_text[i])) {
        ++i;
    }
    m_text.erase(0, i);
    return *this;
}

CString& CString::TrimLeft(const char* chars)
{
    if (OfSingleBytes(chars)) {
        m_text.erase(0, std::min(m_text.find_first_not_of(chars), m_text.size()));
        return *this;
    }
    size_t i = 0;
    while (i < m_text.size() && CharInSet(m_text, i, chars)) {
        i += Cp932::CharLength(m_text, i);
    }
    m_text.erase(0, i);
    return *this;
}

CString& CString::TrimRight()
{
    // The cut must not fall behind a lead byte.
    m_text.resize(EndWithoutTrailing(m_text, kSpaces));
    return *this;
}

CString& CString::TrimRight(const char* chars)
{
    if (OfSingleBytes(chars)) {
        m_text.resize(EndWithoutTrailing(m_text, chars));
        return *this;
    }
    size_t keep = 0;
    for (size_t i = 0; i < m_text.size();) {
        size_t length = Cp932::CharLength(m_text, i);
        if (!CharInSet(m_text, i, chars)) {
            keep = i + length;
        }
        i += length;
    }
    m_text.resize(keep);
    return *this;
}

int CString::Replace(char from, char to)
{
    int count = 0;
    for (size_t i = 0; i < m_text.size(); i += Cp932::CharLength(m_text, i)) {
        if (m_text[i] == from && Cp932::CharLength(m_text, i) == 1) {
            m_text[i] = to;
            ++count;
        }
    }
    return count;
}

int CString::Replace(const char* from, const char* to)
{
    std::string_view needle(from != nullptr ? from : "");
    std::string_view replacement(to != nullptr ? to : "");
    if (needle.empty()) {
        return 0;
    }
    std::string result;
    int count = 0;
    size_t i = 0;
    while (i < m_text.size()) {
        if (m_text.compare(i, needle.size(), needle) == 0) {
            result += replacement;
            i += needle.size();
            ++count;
        } else {
            size_t length = Cp932::CharLength(m_text, i);
            result.append(m_text, i, length);
            i += length;
        }
    }
    if (count > 0) {
        m_text.swap(result);
    }
    return count;
}

int CString::Remove(char ch)
{
    std::string result;
    int count = 0;
    for (size_t i = 0; i < m_text.size();) {
        size_t length = Cp932::CharLength(m_text, i);
        if (length == 1 && m_text[i] == ch) {
            ++count;
        } else {
            result.append(m_text, i, length);
        }
        i += length;
    }
    m_text.swap(result);
    return count;
}

int CString::Insert(int index, char ch)
{
    m_text.insert(Clamp(index, m_text.size()), 1, ch);
    return GetLength();
}

int CString::Insert(int index, const char* text)
{
    m_text.insert(Clamp(index, m_text.size()), text != nullptr ? text : "");
    return GetLength();
}

int CString::Delete(int index, int count)
{
    size_t start = Clamp(index, m_text.size());
    m_text.erase(start, Clamp(count, m_text.size() - start));
    return GetLength();
}

void CString::Format(const char* pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    FormatV(pattern, args);
    va_end(args);
}

void CString::FormatV(const char* pattern, va_list args)
{
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int length = vsnprintf(small, sizeof(small), pattern, copy);
    va_end(copy);
    if (length < 0) {
        m_text.clear();
        return;
    }
    if (static_cast<size_t>(length) < sizeof(small)) {
        m_text.assign(small, length);
        return;
    }
    std::vector<char> big(length + 1);
    vsnprintf(big.data(), big.size(), pattern, args);
    m_text.assign(big.data(), length);
}

void CString::AppendFormat(const char* pattern, ...)
{
    CString piece;
    va_list args;
    va_start(args, pattern);
    piece.FormatV(pattern, args);
    va_end(args);
    m_text += piece.m_text;
}
