#include "foundation/TextHelper.h"

#include "foundation/StringArrayEx.h"
#include "platform/Cp932.h"
#include "platform/Mbcs.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string_view View(const char* text)
{
    return text != nullptr ? std::string_view(text) : std::string_view();
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsAsciiLetterOrDigit(char ch)
{
    return IsDigit(ch) || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// True when the double-byte character code is one of the characters of list.
bool ListHoldsChar(std::string_view list, unsigned int code)
{
    for (size_t i = 0; i < list.size(); i += Cp932::CharLength(list, i)) {
        if (Mbcs::CharCode(list, i) == code) {
            return true;
        }
    }
    return false;
}

// The position of the first single-byte character that special picks, walking character by
// character; the text's length when there is none.
template <class Special> size_t FindSingleByte(std::string_view text, Special special)
{
    size_t i = 0;
    while (i < text.size() && !special(text[i])) {
        i += Cp932::CharLength(text, i);
    }
    return i;
}

// Index of the first table entry that satisfies test, or -1. A count of 0 means the table
// ends with a null entry.
template <class Test> int FindInTable(const char* const* table, int count, Test test)
{
    for (int i = 0; count > 0 ? i < count : table[i] != nullptr; ++i) {
        if (table[i] != nullptr && test(table[i])) {
            return i;
        }
    }
    return -1;
}

// One element of a Like-style pattern.
struct PatternToken
{
    enum class Kind
    {
        AnyRun,
        Digit,
        AnyChar,
        Set,
        Text
    } kind;
    std::string_view text; // the set's characters, or the text run
    bool negated = false;
};

// The end of the set that starts with the "[" at start, or npos when it is never closed.
size_t SetEnd(std::string_view pattern, size_t start, size_t& first, bool& negated)
{
    negated = start + 1 < pattern.size() && pattern[start + 1] == '!';
    first = start + (negated ? 2 : 1);
    size_t close = first;
    while (close < pattern.size() && pattern[close] != ']') {
        close += Cp932::CharLength(pattern, close);
    }
    return close < pattern.size() ? close : std::string_view::npos;
}

// The pattern's token at pos, which moves past it. Tokens are read one at a time, so that
// matching a key against a table of patterns allocates nothing.
PatternToken NextPatternToken(std::string_view pattern, size_t& pos)
{
    const size_t start = pos;
    size_t first = 0;
    bool negated = false;
    if (Cp932::CharLength(pattern, start) == 1) {
        switch (pattern[start]) {
        case '*':
            ++pos;
            return {PatternToken::Kind::AnyRun, {}};
        case '#':
            ++pos;
            return {PatternToken::Kind::Digit, {}};
        case '?':
            ++pos;
            return {PatternToken::Kind::AnyChar, {}};
        case '[':
            if (size_t close = SetEnd(pattern, start, first, negated); close != std::string_view::npos) {
                pos = close + 1;
                return {PatternToken::Kind::Set, pattern.substr(first, close - first), negated};
            }
            break;
        default:
            break;
        }
    }
    // A text run, up to the next wildcard or set; a "[" that is never closed belongs to it.
    pos += Cp932::CharLength(pattern, pos);
    while (pos < pattern.size()) {
        const size_t length = Cp932::CharLength(pattern, pos);
        const char ch = length == 1 ? pattern[pos] : '\0';
        if (ch == '*' || ch == '#' || ch == '?' ||
            (ch == '[' && SetEnd(pattern, pos, first, negated) != std::string_view::npos)) {
            break;
        }
        pos += length;
    }
    return {PatternToken::Kind::Text, pattern.substr(start, pos - start)};
}

// Compares two runs of ASCII digits by their value, however long they are.
int CompareDigitRuns(std::string_view a, std::string_view b)
{
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// Voiced katakana whose half-width letter takes the voiced or semi-voiced mark behind it.
constexpr const char* kVoicedKatakana = "ガギグゲゴザジズゼゾダヂヅデドバビブベボヴ";
constexpr const char* kSemiVoicedKatakana = "パピプペポ";
constexpr char kVoicedMark = '\xDE';
constexpr char kSemiVoicedMark = '\xDF';

bool IsHiragana(unsigned int code)
{
    return code >= 0x829F && code <= 0x82F1;
}

// How the subject meets the pattern's leading part of text and "#" digits, which
// must match where the subject begins. Most patterns of a key table fail on their first bytes,
// and nearly all the others are such a part and a "*" at their end: both are decided here,
// before the pattern is taken apart.
enum class LeadingPart
{
    kDiffers,   // the pattern cannot match
    kMatches,   // the pattern is the part and a final "*", and matches
    kUndecided, // the rest of the pattern decides
};

LeadingPart MatchLeadingPart(std::string_view subject, const char* pattern)
{
    if (pattern == nullptr) {
        return LeadingPart::kUndecided;
    }
    // Runs of text are compared whole: a list reads every key against a table of patterns.
    for (size_t i = 0;;) {
        const size_t run = std::strcspn(pattern + i, "*?[#");
        if (subject.size() < i + run || std::memcmp(subject.data() + i, pattern + i, run) != 0) {
            return LeadingPart::kDiffers;
        }
        i += run;
        // Behind a lead byte the wildcard may be its trail byte.
        if (run > 0 && Cp932::IsLeadByte(static_cast<unsigned char>(pattern[i - 1]))) {
            return LeadingPart::kUndecided;
        }
        if (pattern[i] == '#') {
            if (i >= subject.size() || !IsDigit(subject[i])) {
                return LeadingPart::kDiffers;
            }
            ++i;
            continue;
        }
        if (pattern[i] == '*' && pattern[i + 1] == '\0') {
            return LeadingPart::kMatches;
        }
        return LeadingPart::kUndecided;
    }
}

} // namespace

LPCTSTR CTextHelper::ToHalfWidthKana()
{
    std::string_view text = view();
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = Cp932::CharLength(text, i);
        unsigned int code = Mbcs::CharCode(text, i);
        i += length;
        unsigned int half = length == 2 && !IsHiragana(code) ? Mbcs::FullToHalf(code) : code;
        if (length == 1 || half > 0xFF) {
            result.append(text.substr(i - length, length));
            continue;
        }
        result += static_cast<char>(half);
        if (half > 0x80) {
            if (ListHoldsChar(kVoicedKatakana, code)) {
                result += kVoicedMark;
            } else if (ListHoldsChar(kSemiVoicedKatakana, code)) {
                result += kSemiVoicedMark;
            }
        }
    }
    str().swap(result);
    return GetString();
}

bool CTextHelper::HasDoubleByte() const
{
    for (char ch : view()) {
        if (Cp932::IsLeadByte(static_cast<unsigned char>(ch))) {
            return true;
        }
    }
    return false;
}

void CTextHelper::FromWideString(const wchar_t* wide)
{
    str() = wide != nullptr ? Cp932::FromWide(wide) : std::string();
}

int CTextHelper::FindInList(const char* const* table, int count) const
{
    return FindInList(view(), table, count);
}

int CTextHelper::FindInList(std::string_view text, const char* const* table, int count)
{
    return FindInTable(table, count, [text](const char* entry) { return text == entry; });
}

int CTextHelper::FindInListNoCase(const char* const* table, int count) const
{
    return FindInTable(table, count,
                       [this](const char* entry) { return Mbcs::CompareNoCase(view(), entry) == 0; });
}

bool CTextHelper::MatchPattern(const char* pattern) const
{
    return MatchPattern(view(), pattern);
}

bool CTextHelper::MatchPattern(std::string_view subject, const char* pattern)
{
    if (const LeadingPart lead = MatchLeadingPart(subject, pattern); lead != LeadingPart::kUndecided) {
        return lead == LeadingPart::kMatches;
    }
    const std::string_view text = View(pattern);
    size_t at = 0;
    size_t pos = 0;
    bool anchored = true;
    while (at < text.size()) {
        const PatternToken token = NextPatternToken(text, at);
        const bool last = at >= text.size();
        if (token.kind == PatternToken::Kind::AnyRun) {
            anchored = false;
            continue;
        }
        if (pos >= subject.size()) {
            return false;
        }
        switch (token.kind) {
        case PatternToken::Kind::Digit:
            if (!IsDigit(subject[pos])) {
                return false;
            }
            ++pos;
            anchored = true;
            break;
        case PatternToken::Kind::AnyChar:
            pos += Cp932::CharLength(subject, pos);
            anchored = true;
            break;
        case PatternToken::Kind::Set:
            if (ListHoldsChar(token.text, Mbcs::CharCode(subject, pos)) == token.negated) {
                return false;
            }
            pos += Cp932::CharLength(subject, pos);
            break;
        case PatternToken::Kind::Text:
            if (last) {
                if (anchored) {
                    return subject.substr(pos) == token.text;
                }
                // The ending must lie behind what earlier tokens took and start on a character.
                if (token.text.size() > subject.size() - pos) {
                    return false;
                }
                size_t start = subject.size() - token.text.size();
                return subject.substr(start) == token.text && !Cp932::IsTrailPosition(subject, start);
            }
            if (anchored) {
                if (subject.compare(pos, token.text.size(), token.text) != 0) {
                    return false;
                }
                pos += token.text.size();
            } else {
                size_t found = Cp932::FindOnCharacter(subject, token.text, pos);
                if (found == std::string_view::npos) {
                    return false;
                }
                pos = found + token.text.size();
            }
            break;
        case PatternToken::Kind::AnyRun:
            break;
        }
    }
    return true;
}

int CTextHelper::MatchPatternList(const char* const* patterns, int count) const
{
    return MatchPatternList(view(), patterns, count);
}

int CTextHelper::MatchPatternList(std::string_view subject, const char* const* patterns, int count)
{
    // Most patterns of a table start with a letter or digit the subject does not start with:
    // they are ruled out before a call.
    const char first = subject.empty() ? '\0' : subject[0];
    return FindInTable(patterns, count, [first, subject](const char* pattern) {
        return (pattern[0] == first || !IsAsciiLetterOrDigit(pattern[0])) && MatchPattern(subject, pattern);
    });
}

int CTextHelper::CompareNatural(const char* other) const
{
    std::string_view a = view();
    std::string_view b = View(other);
    if (a.empty() || b.empty()) {
        return a.empty() && b.empty() ? 0 : a.empty() ? -1 : 1;
    }
    if (IsDigit(a[0]) != IsDigit(b[0])) {
        return IsDigit(a[0]) ? -1 : 1;
    }
    // Both start in the same class, so the runs of both alternate in step.
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        size_t endA = CStringArrayEx::DigitRunEnd(a, i);
        size_t endB = CStringArrayEx::DigitRunEnd(b, j);
        std::string_view runA = a.substr(i, endA - i);
        std::string_view runB = b.substr(j, endB - j);
        int order = IsDigit(runA[0]) ? CompareDigitRuns(runA, runB) : Mbcs::Compare(runA, runB);
        if (order != 0) {
            return order;
        }
        i = endA;
        j = endB;
    }
    if (i < a.size()) {
        return 1;
    }
    return j < b.size() ? -1 : 0;
}

void CTextHelper::EscapeBackslash()
{
    const std::string_view text = view();
    // Most texts hold none: they stay as they are.
    size_t i = FindSingleByte(text, [](char ch) {
        return ch == '\\' || ch == '\'' || ch == ',' || ch == '\t' || ch == '\r' || ch == '\n';
    });
    if (i >= text.size()) {
        return;
    }
    std::string result;
    result.reserve(text.size() + text.size() / 8 + 4);
    result.append(text.substr(0, i));
    while (i < text.size()) {
        size_t length = Cp932::CharLength(text, i);
        char ch = text[i];
        if (length == 2) {
            result.append(text.substr(i, 2));
        } else if (ch == '\\' || ch == '\'' || ch == ',') {
            result += '\\';
            result += ch;
        } else if (ch == '\t') {
            result += "\\t";
        } else if (ch == '\r') {
            result += "\\r";
        } else if (ch == '\n') {
            result += "\\n";
        } else {
            result += ch;
        }
        i += length;
    }
    str().swap(result);
}

CString CTextHelper::GetEscapedText(const char* text)
{
    CTextHelper escaped(text);
    escaped.EscapeBackslash();
    return escaped;
}

void CTextHelper::UnescapeBackslash()
{
    std::string& text = str();
    if (text.find('\\') == std::string::npos) {
        return;
    }
    size_t out = 0;
    for (size_t i = 0; i < text.size();) {
        size_t length = Cp932::CharLength(text, i);
        if (length == 1 && text[i] == '\\' && i + 1 < text.size()) {
            ++i;
            length = Cp932::CharLength(text, i);
            char ch = text[i];
            if (length == 1 && (ch == 'n' || ch == 'r' || ch == 't')) {
                text[out++] = ch == 'n' ? '\n' : ch == 'r' ? '\r' : '\t';
                ++i;
                continue;
            }
        }
        for (size_t end = i + length; i < end;) {
            text[out++] = text[i++];
        }
    }
    text.resize(out);
}

void CTextHelper::EscapeHtml()
{
    if (view().starts_with("$:")) {
        Delete(0, 2);
        return;
    }
    EscapeHtmlText();
}

void CTextHelper::EscapeHtmlText()
{
    // One walk over the characters: every Web page escapes each of its texts, and no entity
    // put in can start another one, so replacing all in a single pass equals replacing each in turn.
    const std::string_view text = view();
    size_t i = FindSingleByte(text, [](char ch) {
        return ch == '&' || ch == '"' || ch == '<' || ch == '>' || ch == ' ' || ch == '\r';
    });
    if (i >= text.size()) {
        return;
    }
    std::string out;
    out.reserve(text.size() + 16);
    out.append(text.substr(0, i));
    while (i < text.size()) {
        const char ch = text[i];
        const bool pairs =
            i + 1 < text.size() && ((ch == ' ' && text[i + 1] == ' ') || (ch == '\r' && text[i + 1] == '\n'));
        if (ch == '&') {
            out += "&amp;";
        } else if (ch == '"') {
            out += "&quot;";
        } else if (ch == '<') {
            out += "&lt;";
        } else if (ch == '>') {
            out += "&gt;";
        } else if (pairs) {
            out += ch == ' ' ? "&nbsp;" : "<BR>";
            ++i;
        } else {
            const size_t length = Cp932::CharLength(text, i);
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        ++i;
    }
    str().swap(out);
}

bool CTextHelper::ToBool(std::string_view text)
{
    // Only a text of four bytes can be "true" in any case: case changes no character's width.
    return (text.size() == 4 && Mbcs::CompareNoCase(text, "true") == 0) || ToInt(text) != 0;
}

int CTextHelper::ToInt(const char* text)
{
    // atoi's result, clamped where atoi itself would overflow.
    long value = std::strtol(text, nullptr, 10);
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

int CTextHelper::ToInt(std::string_view text)
{
    // The number stops at a NUL byte, as it does in a text that holds one.
    char shortText[64];
    if (text.size() < sizeof(shortText)) {
        text.copy(shortText, text.size());
        shortText[text.size()] = '\0';
        return ToInt(shortText);
    }
    return ToInt(std::string(text).c_str());
}

void CTextHelper::AppendInt(std::string& out, int value, size_t width, char fill)
{
    // Most numbers of a list file are indices and codes of one or two digits, or -1.
    if (value > -10 && value < 100 && width <= 1) {
        char digits[3];
        char* end = digits;
        if (value < 0) {
            *end++ = '-';
        }
        const int magnitude = value < 0 ? -value : value;
        if (magnitude >= 10) {
            *end++ = static_cast<char>('0' + magnitude / 10);
        }
        *end++ = static_cast<char>('0' + magnitude % 10);
        out.append(digits, static_cast<size_t>(end - digits));
        return;
    }
    // Any other is built from its end, padding included, and appended at once.
    char text[32];
    char* const end = text + sizeof(text);
    char* first = end;
    const bool negative = value < 0;
    unsigned magnitude = negative ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    // A zero fill goes between the sign and the digits, a space fill before the sign.
    const bool signAfterFill = negative && fill == '0';
    if (negative && !signAfterFill) {
        *--first = '-';
    }
    const size_t filled = std::min(width, sizeof(text)) - (signAfterFill && width > 0 ? 1 : 0);
    while (static_cast<size_t>(end - first) < filled) {
        *--first = fill;
    }
    if (signAfterFill) {
        *--first = '-';
    }
    out.append(first, static_cast<size_t>(end - first));
}

double CTextHelper::ToDouble() const
{
    return std::atof(GetString());
}

CString CTextHelper::GetNumberChars(bool allowSign, bool allowPoint) const
{
    std::string result;
    for (char ch : view()) {
        if (IsDigit(ch) || (allowSign && (ch == '+' || ch == '-')) || (allowPoint && ch == '.')) {
            result += ch;
        }
    }
    return CString(std::move(result));
}

LPCTSTR CTextHelper::SetInt(int value, const char* pattern, int blankValue)
{
    if (value == blankValue) {
        Empty();
    } else {
        Format(pattern != nullptr ? pattern : "%d", value);
    }
    return GetString();
}

CString CTextHelper::FormatIntOrBlank(int value, const char* pattern, int blankValue)
{
    CTextHelper text;
    text.SetInt(value, pattern, blankValue);
    return text;
}

LPCTSTR CTextHelper::SetText(const char* text, const char* pattern, const char* blankText)
{
    bool blank =
        text == nullptr || (blankText != nullptr ? std::strcmp(text, blankText) == 0 : *text == '\0');
    if (blank) {
        Empty();
    } else if (pattern != nullptr) {
        Format(pattern, text);
    } else {
        str() = text;
    }
    return GetString();
}

CString CTextHelper::FormatTextOrBlank(const char* text, const char* pattern, const char* blankText)
{
    CTextHelper result;
    result.SetText(text, pattern, blankText);
    return result;
}

void CTextHelper::AssignLeft(const char* text, int count)
{
    *this = CTextHelper(View(text)).LeftEx(std::max(count, 0));
}

void CTextHelper::AppendWithSeparator(const char* separator, const char* text)
{
    if (text == nullptr || *text == '\0') {
        return;
    }
    if (!IsEmpty()) {
        *this += separator;
    }
    *this += text;
}

CString CTextHelper::LeftEx(int count) const
{
    int length = GetLength();
    int keep = count < 0 ? length + count : std::min(count, length);
    if (keep <= 0) {
        return CString();
    }
    // Never keep half of a double-byte character.
    if (keep < length && Cp932::IsTrailPosition(view(), keep)) {
        --keep;
    }
    return Left(keep);
}

CString CTextHelper::RightEx(int count) const
{
    int length = GetLength();
    int keep = count < 0 ? length + count : std::min(count, length);
    if (keep <= 0) {
        return CString();
    }
    int start = length - keep;
    if (Cp932::IsTrailPosition(view(), start)) {
        ++start;
    }
    return Mid(start);
}

LPCTSTR CTextHelper::FormatEx(const char* pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    FormatV(pattern, args);
    va_end(args);
    return GetString();
}

LPCTSTR CTextHelper::ToUpper()
{
    MakeUpper();
    return GetString();
}

LPCTSTR CTextHelper::ToLower()
{
    MakeLower();
    return GetString();
}
