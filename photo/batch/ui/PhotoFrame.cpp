#include "photo/batch/ui/PhotoFrame.h"

#include "foundation/ui/PaintCanvas.h"
#include "platform/Bitmap.h"
#include "platform/SystemColors.h"
#include "platform/canvas/Canvas.h"

namespace {

// Pictures that are copied unscaled keep a small margin on the right and bottom of the frame.
constexpr int kCentreMargin = 2;

LogFont TextFont()
{
    LogFont font;
    font.faceName = "ＭＳ Ｐゴシック";
    font.height = 12;
    font.weight = FW_NORMAL;
    return font;
}

} // namespace

CPhotoFrame::CPhotoFrame(wxWindow* parent, int id, const wxPoint& position, const wxSize& size, Fit fit)
    : wxWindow(parent, id, position, size, wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE), m_fit(fit)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &CPhotoFrame::OnPaint, this);
}

void CPhotoFrame::SetPicture(const Bitmap* picture)
{
    m_picture = picture != nullptr && !picture->IsEmpty() ? picture : nullptr;
    Refresh();
}

void CPhotoFrame::SetEmptyText(const CString& text)
{
    m_emptyText = text;
    Refresh();
}

CRect CPhotoFrame::Area() const
{
    const wxSize client = GetClientSize();
    if (m_fit == Fit::Centre) {
        return CRect(kCentreMargin, kCentreMargin, client.x - kCentreMargin - 3,
                     client.y - kCentreMargin - 3);
    }
    return CRect(0, 0, client.x, client.y);
}

CRect CPhotoFrame::GetImageRect() const
{
    if (m_picture == nullptr) {
        return CRect();
    }
    const CSize size(m_picture->Width(), m_picture->Height());
    switch (m_fit) {
    case Fit::Preview:
        return CPhotoFit::Preview(Area(), size);
    case Fit::Fill:
        return CPhotoFit::Fill(Area(), size);
    case Fit::Centre: {
        CRect destination;
        CRect source;
        CPhotoFit::Centre(Area(), size, destination, source);
        return destination;
    }
    }
    return CRect();
}

void CPhotoFrame::OnPaint(wxPaintEvent&)
{
    CPaintCanvas paint(*this);
    if (!paint.IsValid()) {
        return;
    }
    Canvas& dc = paint.Dc();
    const wxSize client = GetClientSize();
    const CRect whole(0, 0, client.x, client.y);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    if (m_picture == nullptr) {
        dc.FillRect(whole, face);
        if (!m_emptyText.IsEmpty()) {
            dc.SelectFont(TextFont());
            dc.SetBkMode(TRANSPARENT);
            dc.SetTextColor(GetSysColor(COLOR_BTNTEXT));
            CRect text = whole;
            dc.DrawText(m_emptyText, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        return;
    }
    const CRect image = GetImageRect();
    // Only the bands round the picture are filled, so that it never flickers.
    for (const CRect& band : CPhotoFit::Surround(whole, image)) {
        if (!band.IsRectEmpty()) {
            dc.FillRect(band, face);
        }
    }
    CRect source(0, 0, m_picture->Width(), m_picture->Height());
    if (m_fit == Fit::Centre) {
        CRect destination;
        CPhotoFit::Centre(Area(), source.Size(), destination, source);
    }
    dc.SetStretchBltMode(HALFTONE);
    dc.StretchBitmap(*m_picture, image, source);
}
