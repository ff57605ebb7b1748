#include "platform/Mbcs.h"

#include "platform/Cp932.h"

#include <array>

namespace Mbcs {

unsigned int CharCode(std::string_view text, size_t pos)
{
    auto lead = static_cast<unsigned char>(text[pos]);
    if (Cp932::CharLength(text, pos) == 2) {
        return (lead << 8) | static_cast<unsigned char>(text[pos + 1]);
    }
    return lead;
}

namespace {

// Full-width Latin letters of code page 932.
constexpr unsigned int kFullUpperA = 0x8260, kFullUpperZ = 0x8279;
constexpr unsigned int kFullLowerA = 0x8281, kFullLowerZ = 0x829A;

template <class Fold>
int CompareFolded(std::string_view a, std::string_view b, Fold fold)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        unsigned int ca = fold(CharCode(a, i));
        unsigned int cb = fold(CharCode(b, j));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        i += Cp932::CharLength(a, i);
        j += Cp932::CharLength(b, j);
    }
    if (i < a.size()) {
        return 1;
    }
    if (j < b.size()) {
        return -1;
    }
    return 0;
}

template <class Map>
void MapChars(std::string& text, Map map)
{
    for (size_t i = 0; i < text.size();) {
        size_t length = Cp932::CharLength(text, i);
        unsigned int code = map(CharCode(text, i));
        if (length == 2) {
            text[i] = static_cast<char>(code >> 8);
            text[i + 1] = static_cast<char>(code & 0xFF);
        } else {
            text[i] = static_cast<char>(code);
        }
        i += length;
    }
}

} // namespace

unsigned int CharToUpper(unsigned int code)
{
    if (code >= 'a' && code <= 'z') {
        return code - 'a' + 'A';
    }
    if (code >= kFullLowerA && code <= kFullLowerZ) {
        return code - kFullLowerA + kFullUpperA;
    }
    return code;
}

unsigned int CharToLower(unsigned int code)
{
    if (code >= 'A' && code <= 'Z') {
        return code - 'A' + 'a';
    }
    if (code >= kFullUpperA && code <= kFullUpperZ) {
        return code - kFullUpperA + kFullLowerA;
    }
    return code;
}

int Compare(std::string_view a, std::string_view b)
{
    return CompareFolded(a, b, [](unsigned int c) { return c; });
}

int CompareNoCase(std::string_view a, std::string_view b)
{
    return CompareFolded(a, b, CharToLower);
}

void MakeUpper(std::string& text)
{
    MapChars(text, CharToUpper);
}

void MakeLower(std::string& text)
{
    MapChars(text, CharToLower);
}

namespace {

// Half-width forms of the full-width katakana 0x8340 (ァ) to 0x8396 (ヶ); 0 where there is none.
constexpr std::array<unsigned char, 0x57> kKatakana = {
    0xA7, 0xB1, 0xA8, 0xB2, 0xA9, 0xB3, 0xAA, 0xB4, 0xAB, 0xB5, // ァアィイゥウェエォオ
    0xB6, 0xB6, 0xB7, 0xB7, 0xB8, 0xB8, 0xB9, 0xB9, 0xBA, 0xBA, // カガキギクグケゲコゴ
    0xBB, 0xBB, 0xBC, 0xBC, 0xBD, 0xBD, 0xBE, 0xBE, 0xBF, 0xBF, // サザシジスズセゼソゾ
    0xC0, 0xC0, 0xC1, 0xC1, 0xAF, 0xC2, 0xC2, 0xC3, 0xC3, 0xC4, // タダチヂッツヅテデト
    0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xCA, 0xCA, 0xCB, // ドナニヌネノハバパヒ
    0xCB, 0xCB, 0xCC, 0xCC, 0xCC, 0xCD, 0xCD, 0xCD, 0xCE, 0xCE, // ビピフブプヘベペホボ
    0xCE, 0xCF, 0xD0, 0, 0xD1, 0xD2, 0xD3, 0xAC, 0xD4, 0xAD,    // ポマミ(0x837F)ムメモャヤュ
    0xD5, 0xAE, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xDB, 0,    0xDC, // ユョヨラリルレロヮワ
    0,    0,    0xA6, 0xDD, 0xB3, 0,    0,                      // ヰヱヲンヴヵヶ
};

// Single-byte forms of the full-width symbols 0x8140 to 0x8197; 0 where there is none.
constexpr std::array<unsigned char, 0x58> kSymbols = {
    ' ',  0xA4, 0xA1, ',',  '.',  0xA5, ':',  ';',  '?',  '!', // 　、。，．・：；？！
    0xDE, 0xDF, 0,    0,    0,    '^',  0,    '_',  0,    0,   // ゛゜´｀¨＾￣＿ヽヾ
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,   // ゝゞ〃仝々〆〇ー―‐
    '/',  '\\', '~',  0,    '|',  0,    0,    '`',  '\'', '"', // ／＼～∥｜…‥‘’“
    '"',  '(',  ')',  0,    0,    '[',  ']',  '{',  '}',  0,   // ”（）〔〕［］｛｝〈
    0,    0,    0,    0xA2, 0xA3, 0,    0,    0,    0,    '+', // 〉《》「」『』【】＋
    '-',  0,    0,    0,    0,    '=',  0,    '<',  '>',  0,   // －±×(0x817F)÷＝≠＜＞≦
    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,   // ≧∞∴♂♀°′″℃￥
    '$',  0,    0,    '%',  '#',  '&',  '*',  '@',             // ＄￠￡％＃＆＊＠
};

} // namespace

unsigned int FullToHalf(unsigned int code)
{
    if (code == 0x815B) { // ー long vowel mark
        return 0xB0;
    }
    if (code == 0x818F) { // ￥
        return '\\';
    }
    if (code >= 0x8140 && code < 0x8140 + kSymbols.size()) {
        unsigned char half = kSymbols[code - 0x8140];
        return half != 0 ? half : code;
    }
    if (code >= 0x824F && code <= 0x8258) { // ０-９
        return code - 0x824F + '0';
    }
    if (code >= kFullUpperA && code <= kFullUpperZ) {
        return code - kFullUpperA + 'A';
    }
    if (code >= kFullLowerA && code <= kFullLowerZ) {
        return code - kFullLowerA + 'a';
    }
    if (code >= 0x8340 && code < 0x8340 + kKatakana.size()) {
        unsigned char half = kKatakana[code - 0x8340];
        return half != 0 ? half : code;
    }
    return code;
}

} // namespace Mbcs
