#include "list/ListFileFormat.h"

#include "foundation/StringArrayEx.h"
#include "foundation/TextHelper.h"
#include "platform/Cp932.h"

#include <cstdio>

const char* const CListFileFormat::kSectionHeaders[kSectionCount] = {
    "[informations]", "[columns]", "[editor]", "[output]", "[page]", "[products]", "[photos]"};
const char* const CListFileFormat::kTypeWords[6] = {"none", "bool", "text", "mark", "number", "date"};
const char* const CListFileFormat::kAlignmentWords[3] = {"left", "center", "right"};
const char* const CListFileFormat::kDropKindWords[3] = {"none", "auto", "manu"};
const char* const CListFileFormat::kImeModeWords[6] = {"none", "off", "on", "kana", "kana2", "hira"};
const char* const CListFileFormat::kDateKindWords[3] = {"date", "time", "datetime"};
const char* const CListFileFormat::kPageViewWords[3] = {"none", "html", "cgi"};

namespace {

template <size_t N> CString WordOf(const char* const (&table)[N], int value)
{
    return value >= 0 && value < static_cast<int>(N) ? CString(table[value]) : CString();
}

template <size_t N> int IndexOf(const char* const (&table)[N], std::string_view word)
{
    return CTextHelper::FindInList(word, table, static_cast<int>(N));
}

// The eight colours that have a code; the code is the index.
constexpr COLORREF kCodedColours[] = {RGB(0, 0, 0),   RGB(255, 0, 0),   RGB(0, 128, 0),   RGB(255, 255, 0),
                                      RGB(0, 0, 255), RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255)};

int CodeIndex(COLORREF colour)
{
    for (int i = 0; i < 8; ++i) {
        if (kCodedColours[i] == colour) {
            return i;
        }
    }
    return -1;
}

bool IsCustomColour(COLORREF colour)
{
    return colour <= 0xFFFFFF && CodeIndex(colour) < 0;
}

void AppendCustomColour(CString& field, char tag, COLORREF colour)
{
    if (IsCustomColour(colour)) {
        field.AppendFormat("%c%02X%02X%02X", tag, GetRValue(colour), GetGValue(colour), GetBValue(colour));
    }
}

int HexDigit(char ch)
{
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    return -1;
}

// Six hex digits RRGGBB at pos, or -1.
long ParseHexColour(std::string_view text, size_t pos)
{
    if (pos + 6 > text.size()) {
        return -1;
    }
    long value = 0;
    for (size_t i = pos; i < pos + 6; ++i) {
        int digit = HexDigit(text[i]);
        if (digit < 0) {
            return -1;
        }
        value = value * 16 + digit;
    }
    return static_cast<long>(RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF));
}

// True when the splitter gives the text back from its written form, both as the last field of a
// line and followed by another field.
bool ReadsBack(const CString& written, const CString& text)
{
    CStringArrayEx fields;
    fields.SplitEscaped(written, ',');
    if (fields.GetSize() != 1 || fields[0] != text) {
        return false;
    }
    fields.SplitEscaped(written + ",", ',');
    return fields.GetSize() == 2 && fields[0] == text && fields[1].IsEmpty();
}

// Most texts hold nothing that EscapeBackslash changes, and are taken as they are. A backslash
// byte inside a double-byte character is no backslash.
bool NeedsEscape(std::string_view text)
{
    for (size_t i = 0; i < text.size(); i += Cp932::CharLength(text, i)) {
        char ch = text[i];
        if (ch == '\\' || ch == '\'' || ch == ',' || ch == '\t' || ch == '\r' || ch == '\n') {
            return true;
        }
    }
    return false;
}

// A text that needs neither mending nor escaping: every lead byte keeps its trail byte and no
// character needs a backslash. Nearly every cell text is one, written from where it lies.
bool IsPlainText(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (Cp932::IsLeadByte(byte)) {
            if (i + 1 >= text.size() || !Cp932::IsTrailByte(static_cast<unsigned char>(text[i + 1]))) {
                return false;
            }
            ++i;
        } else if (byte == '\\' || byte == '\'' || byte == ',' || byte == '\t' || byte == '\r' || byte == '\n') {
            return false;
        }
    }
    return true;
}

bool HasLineBreak(const CString& text)
{
    return text.FindOneOf("\r\n") >= 0;
}

// The first written form of the text that reads back unchanged; empty when there is none.
CString StorableForm(const CString& text)
{
    if (HasLineBreak(text)) {
        return CString();
    }
    for (const char* quote : {"'", "\""}) {
        CString written = quote + text + quote;
        if (ReadsBack(written, text)) {
            return written;
        }
    }
    return CString();
}

} // namespace

CString CListFileFormat::FormatAlignment(int align)
{
    return WordOf(kAlignmentWords, align);
}

CString CListFileFormat::FormatDropKind(int kind)
{
    return WordOf(kDropKindWords, kind);
}

CString CListFileFormat::FormatImeMode(int mode)
{
    return WordOf(kImeModeWords, mode);
}

CString CListFileFormat::FormatDateKind(int kind)
{
    return WordOf(kDateKindWords, kind);
}

CString CListFileFormat::FormatLimitDate(const CDateEx& date, int kind)
{
    static const char* const patterns[3] = {"%Y/%m/%d", "%H:%M:%S", "%Y/%m/%d %H:%M:%S"};
    if (kind < 0 || kind > 2) {
        return CString();
    }
    return date.IsValid() ? date.Format(patterns[kind]) : CString("0");
}

int CListFileFormat::ParseAlignment(std::string_view word)
{
    int index = IndexOf(kAlignmentWords, word);
    return index < 0 ? 0 : index;
}

int CListFileFormat::ParseDropKind(std::string_view word)
{
    int index = IndexOf(kDropKindWords, word);
    return index < 0 ? 0 : index;
}

int CListFileFormat::ParseDateKind(std::string_view word)
{
    int index = IndexOf(kDateKindWords, word);
    return index < 0 ? 0 : index;
}

bool CListFileFormat::ParseImeMode(std::string_view word, int& mode)
{
    int index = IndexOf(kImeModeWords, word);
    if (index < 0) {
        return false;
    }
    mode = index;
    return true;
}

char CListFileFormat::ColourToCode(COLORREF colour)
{
    int index = CodeIndex(colour);
    return index < 0 ? 'F' : static_cast<char>('0' + index);
}

COLORREF CListFileFormat::CodeToColour(char code)
{
    return code >= '0' && code <= '7' ? kCodedColours[code - '0'] : kDefaultColor;
}

CString CListFileFormat::FormatColourField(COLORREF text, COLORREF back)
{
    if (text == kDefaultColor && back == kDefaultColor) {
        return CString();
    }
    CString field;
    field += ColourToCode(text);
    field += ColourToCode(back);
    AppendCustomColour(field, 't', text);
    AppendCustomColour(field, 'b', back);
    return field;
}

void CListFileFormat::ParseColourField(std::string_view field, COLORREF& text, COLORREF& back)
{
    text = field.size() >= 1 ? CodeToColour(field[0]) : kDefaultColor;
    back = field.size() >= 2 ? CodeToColour(field[1]) : kDefaultColor;
    for (size_t pos = 2; pos + 7 <= field.size(); pos += 7) {
        long colour = ParseHexColour(field, pos + 1);
        if (colour < 0) {
            return;
        }
        if (field[pos] == 't') {
            text = static_cast<COLORREF>(colour);
        } else if (field[pos] == 'b') {
            back = static_cast<COLORREF>(colour);
        } else {
            return;
        }
    }
}

CString CListFileFormat::QuoteEscaped(const CString& text)
{
    std::string quoted;
    AppendQuoteEscaped(quoted, text.view());
    return CString(std::move(quoted));
}

void CListFileFormat::AppendQuoteEscaped(std::string& out, std::string_view text)
{
    out += '\'';
    if (IsPlainText(text)) {
        out.append(text);
    } else if (const std::string whole = Cp932::WithoutBrokenLeadBytes(text); NeedsEscape(whole)) {
        out += CTextHelper::GetEscapedText(whole.c_str()).str();
    } else {
        out += whole;
    }
    out += '\'';
}

CString CListFileFormat::QuoteRaw(const CString& text)
{
    // A plain text reads back from between single quotes as it stands: the usual case, taken
    // without trying the forms out.
    if (IsPlainText(text.view())) {
        return "'" + text + "'";
    }
    const CString whole(Cp932::WithoutBrokenLeadBytes(text.view()));
    CString written = StorableForm(whole);
    if (!written.IsEmpty()) {
        return written;
    }
    CString trimmed = whole;
    trimmed.Remove('\r');
    trimmed.Remove('\n');
    // A trailing backslash would escape the closing quote; the empty text at the latest has a
    // written form.
    for (written = StorableForm(trimmed); written.IsEmpty(); written = StorableForm(trimmed)) {
        trimmed = trimmed.Left(trimmed.GetLength() - 1);
    }
    return written;
}

bool CListFileFormat::IsStorableRawText(const CString& text)
{
    return Cp932::WithoutBrokenLeadBytes(text.view()) == text.view() && !StorableForm(text).IsEmpty();
}
