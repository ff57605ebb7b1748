#pragma once

#include <compare>
#include <cstdarg>
#include <string>
#include <string_view>

using LPCTSTR = const char*;
using LPTSTR = char*;

// A Shift_JIS (code page 932) byte string with the operations of the framework string the
// program was written against. Lengths and positions are in bytes; searching, trimming, case
// mapping and reversing step over double-byte characters as wholes.
class CString
{
  public:
    CString() = default;
    CString(const char* text) : m_text(text != nullptr ? text : "") {}
    CString(const char* text, int length) : m_text(text, length > 0 ? length : 0) {}
    CString(char ch, int repeat = 1) : m_text(repeat > 0 ? repeat : 0, ch) {}
    CString(std::string text) : m_text(std::move(text)) {}
    CString(std::string_view text) : m_text(text) {}

    // Size and access
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text[index]; }
    char operator[](int index) const { return m_text[index]; }
    void SetAt(int index, char ch) { m_text[index] = ch; }
    operator const char*() const { return m_text.c_str(); }
    const char* GetString() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    std::string& str() { return m_text; }
    std::string_view view() const { return m_text; }

    // Direct buffer access: GetBuffer gives room for at least minLength bytes; ReleaseBuffer
    // cuts the text at newLength, or at its terminator when newLength is -1.
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    // Pieces (counts are clamped to the text)
    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString SpanIncluding(const char* set) const;
    CString SpanExcluding(const char* set) const;

    // Searching: -1 when not found. A match never starts on a trail byte.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    // Find for a start known to be a character's first byte, so that no walk from the beginning
    // is needed: what searches a long text piece by piece uses it.
    int FindOnCharacter(const char* sub, int start) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* set) const;

    // Comparison by character code (a double-byte character after every single byte)
    int Compare(const char* other) const;
    int CompareNoCase(const char* other) const;
    int Collate(const char* other) const { return Compare(other); }

    // Changes in place
    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    CString& Trim();
    CString& Trim(const char* chars);
    CString& TrimLeft();
    CString& TrimLeft(const char* chars);
    CString& TrimRight();
    CString& TrimRight(const char* chars);
    int Replace(char from, char to);
    int Replace(const char* from, const char* to);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    // Formatting with printf patterns
    void Format(const char* pattern, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(const char* pattern, va_list args);
    void AppendFormat(const char* pattern, ...) __attribute__((format(printf, 2, 3)));

    CString& operator+=(const CString& text)
    {
        m_text += text.m_text;
        return *this;
    }
    CString& operator+=(const char* text)
    {
        if (text != nullptr) {
            m_text += text;
        }
        return *this;
    }
    CString& operator+=(char ch)
    {
        m_text += ch;
        return *this;
    }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
    friend CString operator+(const CString& a, const char* b) { return CString(a) += b; }
    friend CString operator+(const char* a, const CString& b) { return CString(a) += b; }
    friend CString operator+(const CString& a, char b) { return CString(a) += b; }
    friend CString operator+(char a, const CString& b) { return CString(a) += b; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b != nullptr ? b : ""); }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.Compare(b) <=> 0; }
    friend std::strong_ordering operator<=>(const CString& a, const char* b) { return a.Compare(b) <=> 0; }

  private:
    std::string m_text;
};

template <> struct std::hash<CString>
{
    size_t operator()(const CString& text) const noexcept { return std::hash<std::string>()(text.str()); }
};
