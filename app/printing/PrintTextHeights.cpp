#include "app/printing/PrintTextHeights.h"

#include "platform/Cp932.h"

namespace {

constexpr float kNotMeasured = -2;
constexpr float kUnusual = -1;

} // namespace

CPrintTextHeights::CPrintTextHeights(Canvas& canvas) : m_canvas(canvas), m_widths(0x10000, kNotMeasured)
{
    const CString sample("0");
    m_line = m_canvas.MeasureLine(sample);
    CRect box(0, 0, 0x10000, 0);
    m_lineHeight = m_canvas.DrawText(sample, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
}

int CPrintTextHeights::Of(const CString& text, int width)
{
    if (text.IsEmpty()) {
        return 0;
    }
    const int oneLine = OneLineHeight(text.view(), width);
    if (oneLine >= 0) {
        return oneLine;
    }
    m_key.assign(reinterpret_cast<const char*>(&width), sizeof width);
    m_key.append(text.view());
    const auto found = m_heights.find(m_key);
    if (found != m_heights.end()) {
        return found->second;
    }
    CRect box(0, 0, width, 0);
    const int height = m_canvas.DrawText(text, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    m_heights.emplace(m_key, height);
    return height;
}

int CPrintTextHeights::OneLineHeight(std::string_view text, int width)
{
    // Kerning and shaping move a pair of characters by a small part of the font's size at most;
    // each character is given a tenth of a line for it, and the text half a line more.
    const double room = m_lineHeight / 10.0;
    double used = m_lineHeight / 2.0;
    for (size_t at = 0; at < text.size() && used < width;) {
        const size_t length = Cp932::CharLength(text, at);
        const double character = WidthOf(text.substr(at, length));
        if (character < 0) {
            return -1;
        }
        used += character + room;
        at += length;
    }
    return used < width ? m_lineHeight : -1;
}

double CPrintTextHeights::WidthOf(std::string_view character)
{
    const auto first = static_cast<unsigned char>(character[0]);
    if (character.size() == 1 && (Cp932::IsLeadByte(first) || first < 0x20 || first == 0x7F)) {
        // A break, a tab, a control or a lead byte without its trail byte.
        return kUnusual;
    }
    const unsigned code = character.size() == 1 ? first : first << 8 | static_cast<unsigned char>(character[1]);
    float& known = m_widths[code];
    if (known == kNotMeasured) {
        const Canvas::LineBox box = m_canvas.MeasureLine(CString(character));
        const bool ownLine = box.top == m_line.top && box.height == m_line.height && box.baseline == m_line.baseline;
        known = ownLine ? static_cast<float>(box.width) : kUnusual;
    }
    return known;
}
