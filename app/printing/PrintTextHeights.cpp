#include "app/printing/PrintTextHeights.h"

#include "app/printing/PrintTextHeightCache.h"
#include "app/printing/SureLineBreaks.h"
#include "platform/Cp932.h"
#include "platform/Mbcs.h"

#include <algorithm>

namespace {

constexpr float kNotMeasured = -2;
constexpr float kUnusual = -1;
// Heights of up to this many lines are known without laying the text out.
constexpr int kLinesKept = 32;

} // namespace

CPrintTextHeights::CPrintTextHeights(Canvas& canvas, CPrintTextHeightCache& laidOut)
    : m_canvas(canvas), m_widths(0x10000, kNotMeasured), m_laidOut(laidOut)
{
    const CString sample("0");
    m_line = m_canvas.MeasureLine(sample);
    CRect box(0, 0, 0x10000, 0);
    m_lineHeight = m_canvas.DrawText(sample, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    m_heightsOfLines.assign(kLinesKept, 0);
    m_heightsOfLines[0] = m_lineHeight;
    const double hyphen = WidthOf("-");
    m_hyphen = std::max(0.0, hyphen) + m_lineHeight / 10.0;
}

int CPrintTextHeights::Of(const CString& text, int width)
{
    const Bounds bounds = BoundsOf(text, width);
    return bounds.atMost == bounds.atLeast ? bounds.atMost : LaidOut(text, width);
}

int CPrintTextHeights::LaidOut(const CString& text, int width)
{
    CPrintTextHeightCache::MakeKey(m_key, width, text.view());
    int height = 0;
    if (m_laidOut.Find(m_key, height)) {
        return height;
    }
    CRect box(0, 0, width, 0);
    height = m_canvas.DrawText(text, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    m_laidOut.Keep(m_key, height);
    return height;
}

CPrintTextHeights::Bounds CPrintTextHeights::BoundsOf(const CString& text, int width)
{
    if (text.IsEmpty()) {
        return {0, 0};
    }
    const Spread spread = SpreadOf(text.view());
    if (!spread.usual) {
        return {};
    }
    // Each line is a line of the font's own face, and there is at least one.
    Bounds bounds;
    bounds.atLeast = m_lineHeight;
    // Kerning and shaping move a pair of characters by a small part of the font's size at most:
    // each character's width has room for that, and the text half a line more.
    const double margin = m_lineHeight / 2.0;
    if (spread.total + margin < width) {
        bounds.atMost = m_lineHeight;
        return bounds;
    }
    // A line ends before the whole text only where the next piece no longer fits on it, or,
    // inside a piece wider than the line, where the next character and a hyphen do not: each
    // line but the last holds at least this much.
    const double filled = width - std::max(spread.widestPiece, spread.widestCharacter + m_hyphen) - margin;
    if (filled > 0) {
        const double lines = spread.total / filled + 1;
        if (lines <= kLinesKept) {
            bounds.atMost = HeightOfLines(static_cast<int>(lines));
        }
    }
    return bounds;
}

CPrintTextHeights::Spread CPrintTextHeights::SpreadOf(std::string_view text)
{
    const double room = m_lineHeight / 10.0;
    Spread spread;
    double piece = 0;
    std::string_view before;
    for (size_t at = 0; at < text.size();) {
        const std::string_view character = text.substr(at, Cp932::CharLength(text, at));
        const double width = WidthOf(character);
        if (width < 0) {
            spread.usual = false;
            return spread;
        }
        if (SureLineBreaks::Between(before, character)) {
            spread.widestPiece = std::max(spread.widestPiece, piece);
            piece = 0;
        }
        piece += width + room;
        spread.total += width + room;
        spread.widestCharacter = std::max(spread.widestCharacter, width + room);
        before = character;
        at += character.size();
    }
    spread.widestPiece = std::max(spread.widestPiece, piece);
    return spread;
}

int CPrintTextHeights::HeightOfLines(int lines)
{
    if (lines < 1 || lines > kLinesKept) {
        return 0;
    }
    int& known = m_heightsOfLines[lines - 1];
    if (known == 0) {
        CString sample("0");
        for (int line = 1; line < lines; ++line) {
            sample += "\n0";
        }
        CRect box(0, 0, 0x10000, 0);
        known = m_canvas.DrawText(sample, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    }
    return known;
}

double CPrintTextHeights::WidthOf(std::string_view character)
{
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1 && (Cp932::IsLeadByte(first) || first < 0x20 || first == 0x7F)) {
        // A break, a tab, a control or a lead byte without its trail byte.
        return kUnusual;
    }
    float& known = m_widths[Mbcs::CharCode(character, 0)];
    if (known == kNotMeasured) {
        const Canvas::LineBox box = m_canvas.MeasureLine(CString(character));
        const bool ownLine =
            box.top == m_line.top && box.height == m_line.height && box.baseline == m_line.baseline;
        known = ownLine ? static_cast<float>(box.width) : kUnusual;
    }
    return known;
}
