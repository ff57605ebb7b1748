#pragma once

#include "platform/CString.h"

#include <climits>
#include <string>
#include <string_view>

// String operations of both programs on the CP932 text it holds: width conversion, lookups,
// pattern match, natural order, the backslash and HTML escapes, and small conversions.
class CTextHelper : public CString
{
  public:
    using CString::CString;
    CTextHelper() = default;
    CTextHelper(const CString& text) : CString(text) {}

    // Conversion and text sources
    LPCTSTR ToHalfWidthKana();
    bool HasDoubleByte() const;
    void FromWideString(const wchar_t* wide);

    // Lookups and comparison. A count of 0 means the table ends with a null entry.
    int FindInList(const char* const* table, int count) const;
    int FindInListNoCase(const char* const* table, int count) const;
    bool MatchPattern(const char* pattern) const;
    int MatchPatternList(const char* const* patterns, int count) const;
    static int FindInList(std::string_view text, const char* const* table, int count);
    static bool MatchPattern(std::string_view subject, const char* pattern);
    static int MatchPatternList(std::string_view subject, const char* const* patterns, int count);
    int CompareNatural(const char* other) const;

    // Escapes
    void EscapeBackslash();
    static CString GetEscapedText(const char* text);
    void UnescapeBackslash();
    // HTML text: "&", '"', "<", ">", two blanks and CR LF become entities and "<BR>"; a text
    // that begins "$:" is HTML already and only loses those two characters.
    void EscapeHtml();
    // The same escape for a text that may never be HTML of its own.
    void EscapeHtmlText();

    // Conversions and formatting. The static forms read a text without copying it first.
    bool ToBool() const { return ToBool(*this); }
    static bool ToBool(const CString& text) { return ToBool(text.view()); }
    static bool ToBool(std::string_view text);
    int ToInt() const { return ToInt(GetString()); }
    static int ToInt(const char* text);
    static int ToInt(std::string_view text);
    // Appends value as "%d" (width 0), "%02d" (width 2, fill '0') or "%4d" (width 4, fill ' ')
    // would, without a format call: lists write and show numbers by the hundred thousand.
    static void AppendInt(std::string& out, int value, size_t width = 0, char fill = ' ');
    double ToDouble() const;
    CString GetNumberChars(bool allowSign, bool allowPoint) const;
    LPCTSTR SetInt(int value, const char* pattern = "%d", int blankValue = INT_MIN);
    static CString FormatIntOrBlank(int value, const char* pattern = "%d", int blankValue = INT_MIN);
    LPCTSTR SetText(const char* text, const char* pattern = nullptr, const char* blankText = nullptr);
    static CString FormatTextOrBlank(const char* text, const char* pattern = nullptr,
                                     const char* blankText = nullptr);
    void AssignLeft(const char* text, int count);
    void AppendWithSeparator(const char* separator, const char* text);
    CString LeftEx(int count) const;
    CString RightEx(int count) const;
    LPCTSTR FormatEx(const char* pattern, ...) __attribute__((format(printf, 2, 3)));
    LPCTSTR ToUpper();
    LPCTSTR ToLower();
};
