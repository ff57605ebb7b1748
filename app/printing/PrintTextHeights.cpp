#include "app/printing/PrintTextHeights.h"

#include "platform/canvas/Canvas.h"

int CPrintTextHeights::Of(const CString& text, int width)
{
    if (text.IsEmpty()) {
        return 0;
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
