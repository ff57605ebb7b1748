#include "app/printing/ui/BandPreview.h"

#include "platform/canvas/Canvas.h"

#include <wx/dcclient.h>
#include <wx/graphics.h>

namespace {

constexpr int kShadow = 4;
constexpr int kInset = 8;
constexpr int kTextHeight = 12;

} // namespace

CBandPreview::CBandPreview(wxWindow* parent, int id, const wxPoint& position, const wxSize& size)
    : wxWindow(parent, id, position, size)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CBandPreview::OnPaint, this);
}

void CBandPreview::SetSample(const CString& text, int alignment, const CString& face, bool shown)
{
    m_text = text;
    m_alignment = alignment;
    m_face = face;
    m_shown = shown;
    Refresh();
}

void CBandPreview::OnPaint(wxPaintEvent&)
{
    wxPaintDC paint(this);
    wxGraphicsContext* graphics = paint.GetGraphicsContext();
    cairo_t* cr = graphics != nullptr ? static_cast<cairo_t*>(graphics->GetNativeContext()) : nullptr;
    if (cr == nullptr) {
        return;
    }
    Canvas dc(cr);
    const wxSize client = GetClientSize();
    dc.FillRect(CRect(0, 0, client.x, client.y), RGB(240, 240, 240));
    const CRect sheet(0, 0, client.x - kShadow, client.y - kShadow);
    dc.FillRect(CRect(kShadow, kShadow, client.x, client.y), RGB(128, 128, 128));
    dc.FillRect(sheet, RGB(255, 255, 255));
    dc.FrameRect(sheet, RGB(0, 0, 0));
    if (!m_shown) {
        return;
    }
    LogFont font;
    font.faceName = m_face;
    font.height = kTextHeight;
    font.weight = FW_NORMAL;
    dc.SelectFont(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    const unsigned align = m_alignment == 1 ? DT_CENTER : m_alignment == 2 ? DT_RIGHT : DT_LEFT;
    CRect box(sheet.left + kInset, sheet.top + kInset, sheet.right - kInset, sheet.bottom - kInset);
    dc.DrawText(m_text, box, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}
