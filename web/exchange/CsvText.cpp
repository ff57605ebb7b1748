#include "web/exchange/CsvText.h"

#include "platform/Cp932.h"
#include "platform/UnmappableChars.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr int kCodesShown = 10;
// Lines whose characters are named: enough for the codes shown, bounded for a huge file.
constexpr int kLinesSearched = 100;
constexpr size_t kCharactersBefore = 20;
constexpr size_t kCharactersShown = 60;

// Bytes of the UTF-8 sequence that a lead byte opens; 0 for a byte that opens none.
size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// The part of a marked line shown: up to kCharactersShown characters from a little before the
// first ■, with "…" where the line goes on.
CString Excerpt(std::string_view marked)
{
    const std::string_view mark = "■";
    // Where each character starts, and the end.
    std::vector<size_t> starts;
    size_t first = std::string_view::npos;
    for (size_t i = 0; i < marked.size(); i += Cp932::CharLength(marked, i)) {
        if (first == std::string_view::npos && marked.substr(i).starts_with(mark)) {
            first = starts.size();
        }
        starts.push_back(i);
    }
    const size_t count = starts.size();
    starts.push_back(marked.size());
    const size_t from =
        first != std::string_view::npos && first > kCharactersBefore ? first - kCharactersBefore : 0;
    const size_t to = std::min(count, from + kCharactersShown);
    std::string text = from > 0 ? "…" : "";
    text += marked.substr(starts[from], starts[to] - starts[from]);
    if (to < count) {
        text += "…";
    }
    return CString(std::move(text));
}

} // namespace

bool CCsvText::IsUtf8(std::string_view bytes)
{
    bool beyondAscii = false;
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        const size_t length = SequenceLength(lead);
        if (length == 0) {
            return false;
        }
        for (size_t k = 1; k < length && i + k < bytes.size(); ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        beyondAscii = true;
        i += length;
    }
    return beyondAscii;
}

CCsvText::Encoding CCsvText::Decode(std::string& bytes, std::string& text, bool& lossless)
{
    lossless = true;
    std::string_view utf8 = bytes;
    const bool marked = utf8.starts_with(kByteOrderMark);
    if (!marked && !IsUtf8(utf8)) {
        text = std::move(bytes);
        return Encoding::ShiftJis;
    }
    if (marked) {
        utf8.remove_prefix(kByteOrderMark.size());
    }
    text = Cp932::FromUtf8(utf8, &lossless);
    return Encoding::Utf8;
}

CCsvText::Unheld CCsvText::FindUnheld(std::string_view bytes)
{
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    Unheld unheld;
    std::string searched;
    int linesSearched = 0;
    int number = 0;
    for (size_t start = 0; start < bytes.size() && linesSearched < kLinesSearched; ++number) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        bool lossless = true;
        Cp932::FromUtf8(line, &lossless);
        if (lossless) {
            continue;
        }
        if (linesSearched++ == 0) {
            unheld.line = number + 1;
            unheld.marked = Excerpt(CUnmappableChars(line).Marked().view());
        }
        searched.append(line).append("\n");
    }
    const CString codes = CUnmappableChars(searched).Codes();
    int shown = 0;
    size_t cut = 0;
    for (; cut < codes.view().size() && shown < kCodesShown; ++cut) {
        shown += codes.view()[cut] == ' ' ? 1 : 0;
    }
    unheld.codes = shown < kCodesShown ? codes : CString(codes.view().substr(0, cut - 1)) + " …";
    return unheld;
}
