#include "photo/batch/ui/SizeCheckDlg.h"

#include "foundation/ui/PaintCanvas.h"
#include "photo/batch/SizeCheckGeometry.h"
#include "platform/canvas/Canvas.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/stattext.h>

#include <algorithm>

namespace {

enum : int
{
    idOk = 1104,
    idLength = 1281,
};

const DialogItemInfo kItems[] = {
    {idLength, DIF_MOVE_RIGHT | DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {idOk, DIF_MOVE_RIGHT | DIF_MOVE_BOTTOM, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

// A landscape of 3:2: sky, sun, hills and a field, enough to judge a photo's size by.
Bitmap DrawSample()
{
    Bitmap sample;
    if (!sample.Create(300, 200, 24)) {
        return sample;
    }
    Canvas dc(sample);
    dc.FillRect(CRect(0, 0, 300, 130), RGB(150, 200, 240));
    dc.FillRect(CRect(0, 130, 300, 200), RGB(90, 160, 70));
    dc.SelectPen(Canvas::Pen{PS_NULL, 0, 0});
    dc.SelectBrush(Canvas::Brush::Solid(RGB(250, 210, 60)));
    dc.Ellipse(CRect(220, 20, 270, 70));
    dc.SelectBrush(Canvas::Brush::Solid(RGB(60, 120, 60)));
    dc.Ellipse(CRect(-60, 90, 160, 190));
    dc.Ellipse(CRect(110, 100, 360, 180));
    return sample;
}

} // namespace

CSizeCheckDlg::CSizeCheckDlg(wxWindow* parent, int length, int minimum, int maximum, const wxPoint& position)
    : CListDialog(parent, 254, "ｻｲｽﾞ確認"), m_length(length), m_minimum(minimum), m_maximum(maximum),
      m_position(position), m_sample(DrawSample())
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    const CSize client = CSizeCheckGeometry::ClientFor(minimum);
    SetClientSize(wxSize(client.cx, client.cy));
    new wxStaticText(this, idLength, "999", wxPoint(client.cx - 150, client.cy - 34), wxSize(50, 20),
                     wxST_NO_AUTORESIZE | wxALIGN_RIGHT);
    auto* ok = new wxButton(this, idOk, "OK", wxPoint(client.cx - 90, client.cy - 40), wxSize(80, 30));
    ok->SetDefault();
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(wxID_OK); }, idOk);
    // The controls are laid out for the smallest window, so that they follow every size.
    SetAnchorTable(kItems, true);
    const wxSize frame = GetSize() - GetClientSize();
    const CSize largest = CSizeCheckGeometry::ClientFor(m_maximum);
    SetMinSize(wxSize(client.cx, client.cy) + frame);
    SetMaxSize(wxSize(largest.cx, largest.cy) + frame);
    m_length = std::clamp(m_length, m_minimum, m_maximum);
    const CSize start = CSizeCheckGeometry::ClientFor(m_length);
    SetClientSize(wxSize(start.cx, start.cy));
    Move(m_position);
    ShowLength();
    Bind(wxEVT_SIZE, &CSizeCheckDlg::OnSize, this);
    Bind(wxEVT_PAINT, &CSizeCheckDlg::OnPaint, this);
}

void CSizeCheckDlg::ShowLength()
{
    if (wxWindow* text = FindWindow(idLength)) {
        text->SetLabel(wxString::Format("%d", m_length));
    }
}

void CSizeCheckDlg::OnSize(wxSizeEvent& event)
{
    event.Skip();
    const wxSize client = GetClientSize();
    // Sizes the toolkit passes through on the way to the first one are no choice of the user.
    if (!IsShownOnScreen()) {
        return;
    }
    m_length = CSizeCheckGeometry::PictureRect(CSize(client.x, client.y)).Height();
    ShowLength();
    Refresh();
}

void CSizeCheckDlg::OnPaint(wxPaintEvent&)
{
    CPaintCanvas paint(*this);
    if (!paint.IsValid()) {
        return;
    }
    Canvas& dc = paint.Dc();
    const wxSize client = GetClientSize();
    const CSize size(client.x, client.y);
    dc.FillRect(CSizeCheckGeometry::RestRect(size), RGB(255, 255, 255));
    dc.SetStretchBltMode(HALFTONE);
    dc.StretchBitmap(m_sample, CSizeCheckGeometry::PictureRect(size),
                     CRect(0, 0, m_sample.Width(), m_sample.Height()));
}
