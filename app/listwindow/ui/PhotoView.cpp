#include "app/listwindow/ui/PhotoView.h"

#include "app/editing/ListRowEdits.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/listwindow/ui/PhotoPropertiesHook.h"
#include "app/startup/ui/ZantobyApp.h"
#include "foundation/ui/PaintCanvas.h"
#include "list/ZantobyDoc.h"
#include "platform/canvas/Canvas.h"
#include "platform/ui/WxText.h"

#include <wx/menu.h>
#include <wx/utils.h>

#include <algorithm>

namespace {

// The caption font: a 12-pixel cell of the Gothic face.
LogFont CaptionFont()
{
    LogFont font;
    font.faceName = "ＭＳ ゴシック";
    font.height = 12;
    font.weight = FW_NORMAL;
    return font;
}

void DrawPlaceholder(Canvas& dc, const CPhotoStripItem& item)
{
    const int x = item.x;
    const int top = CPhotoStrip::kGap;
    dc.SelectPen(Canvas::Pen{PS_SOLID, 1, RGB(0, 0, 0)});
    dc.SelectBrush(Canvas::Brush::Null());
    const CPoint outline[] = {{x, top},
                              {x, item.height + top - 1},
                              {x + item.width - 1, item.height + top - 1},
                              {x + item.width - 1, top},
                              {x, top}};
    dc.Polyline(outline, 5);
    const int cx = x + item.width / 2;
    const int cy = item.height / 2 + top;
    dc.Rectangle(cx - 10, cy - 10, cx + 10, cy + 10);
    dc.SelectPen(Canvas::Pen{PS_SOLID, 2, RGB(255, 0, 0)});
    dc.MoveTo(cx - 6, cy - 6);
    dc.LineTo(cx + 6, cy + 6);
    dc.MoveTo(cx + 6, cy - 6);
    dc.LineTo(cx - 6, cy + 6);
}

} // namespace

CPhotoView::CPhotoView(wxWindow* parent, CGridView& gridView)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxSize(100, 100), wxHSCROLL | wxVSCROLL),
      m_gridView(gridView)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetScrollRate(1, 1);
    SetVirtualSize(kInitialWidth, kInitialHeight);
    m_timer.SetOwner(this);
    Bind(wxEVT_PAINT, &CPhotoView::OnPaint, this);
    Bind(wxEVT_TIMER, &CPhotoView::OnTimer, this);
    Bind(wxEVT_LEFT_DCLICK, &CPhotoView::OnDoubleClick, this);
    Bind(wxEVT_RIGHT_UP, &CPhotoView::OnRightUp, this);
    Bind(wxEVT_MOUSEWHEEL, &CPhotoView::OnWheel, this);
    Bind(wxEVT_SET_FOCUS, &CPhotoView::OnSetFocus, this);
    Bind(wxEVT_SIZE, &CPhotoView::OnSize, this);
    Bind(wxEVT_MENU, &CPhotoView::OnMenu, this, ID_PROPERTIES, ID_ROTATE_LEFT);
}

CZantobyDoc* CPhotoView::Doc() const
{
    return m_gridView.ListDoc();
}

void CPhotoView::OnUpdate(int hint, const ListHintArg* arg)
{
    switch (hint) {
    case kHintRowsEdited:
    case kHintSetSplitter:
        if (m_strip.Schedule(hint == kHintRowsEdited ? CPhotoStrip::kEditTicks
                                                     : CPhotoStrip::kSplitterTicks)) {
            m_timer.Start(kTimerMs);
        }
        break;
    case kHintCurrentCellMoved:
        if (!m_strip.IsPending()) {
            ScrollToCurrentPhoto();
        }
        break;
    case kHintMouseWheel:
        if (arg != nullptr && GetScreenRect().Contains(wxPoint(arg->pointerX, arg->pointerY))) {
            ScrollByWheel(arg->wheelRotation);
        }
        break;
    case kHintReset:
        if (m_strip.IsPending()) {
            m_strip.Cancel();
            m_timer.Stop();
        }
        break;
    default:
        break;
    }
}

void CPhotoView::OnTimer(wxTimerEvent&)
{
    if (m_strip.Tick()) {
        m_timer.Stop();
        RebuildStrip();
    }
}

// A click right after an edit acts on the rows as they are now, rather than being lost while
// the strip waits to be rebuilt.
void CPhotoView::RebuildIfPending()
{
    if (m_strip.IsPending()) {
        m_strip.Cancel();
        m_timer.Stop();
        RebuildStrip();
    }
}

void CPhotoView::RebuildStrip()
{
    wxBusyCursor wait;
    m_selected = -1;
    if (CZantobyDoc* doc = Doc()) {
        m_strip.Rebuild(*doc, GetClientSize().y);
    } else {
        m_strip.Clear();
    }
    SetVirtualSize(m_strip.Extent().cx, m_strip.Extent().cy);
    ScrollToCurrentPhoto();
    Refresh();
    Update();
}

void CPhotoView::ScrollToCurrentPhoto()
{
    CZantobyDoc* doc = Doc();
    if (doc == nullptr) {
        return;
    }
    const int index = doc->currentColumn - doc->columnCount;
    const wxPoint origin = CalcUnscrolledPosition(wxPoint(0, 0));
    const wxSize client = GetClientSize();
    const CRect visible(origin.x, origin.y, origin.x + client.x, origin.y + client.y);
    const int left = m_strip.ScrollLeftFor(index, visible);
    if (left != visible.left) {
        Scroll(left, origin.y);
    }
}

void CPhotoView::OnPaint(wxPaintEvent&)
{
    CPaintCanvas paint(*this);
    if (!paint.IsValid()) {
        return;
    }
    Canvas& dc = paint.Dc();
    const wxSize client = GetClientSize();
    dc.FillRect(CRect(0, 0, client.x, client.y), RGB(255, 255, 255));
    const wxPoint origin = CalcUnscrolledPosition(wxPoint(0, 0));
    dc.SetViewportOrg(-origin.x, -origin.y);
    dc.SelectFont(CaptionFont());
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    for (const auto& entry : m_strip.Items()) {
        const CPhotoStripItem& item = *entry;
        if (item.x + item.width < origin.x || item.x > origin.x + client.x) {
            continue;
        }
        if (item.photoIndex >= 0) {
            dc.DrawBitmap(item, item.x, CPhotoStrip::kGap);
        } else {
            DrawPlaceholder(dc, item);
        }
        if (!item.caption.IsEmpty()) {
            // The box reaches down through the room under the picture: the 12-pixel cell of the
            // font draws an underscore below its last row.
            CRect caption(item.x, item.height + 12, item.x + item.width - 1,
                          item.height + CPhotoStrip::kCaptionSpace);
            dc.DrawText(item.caption, caption, DT_CENTER | DT_NOPREFIX);
        }
    }
}

int CPhotoView::HitPhoto(const wxPoint& point) const
{
    const int index = m_strip.HitTest(CalcUnscrolledPosition(point).x);
    return index >= 0 && m_strip.Items()[index]->photoIndex >= 0 ? index : -1;
}

void CPhotoView::OnDoubleClick(wxMouseEvent& event)
{
    event.Skip();
    RebuildIfPending();
    if (m_strip.Items().empty()) {
        return;
    }
    const int hit = HitPhoto(event.GetPosition());
    if (hit < 0) {
        return;
    }
    m_selected = hit;
    if (event.ControlDown()) {
        ShowProperties();
    } else {
        OnEditPhoto();
    }
}

void CPhotoView::OnRightUp(wxMouseEvent& event)
{
    event.Skip();
    RebuildIfPending();
    m_selected = HitPhoto(event.GetPosition());
    const bool enabled = m_selected >= 0;
    const bool writable = Doc() != nullptr && !Doc()->readOnly;
    wxMenu menu;
    menu.Append(ID_PROPERTIES, ToWx("ﾌﾟﾛﾊﾟﾃｨを表示"))->Enable(enabled && CPhotoPropertiesHook::IsSet());
    menu.Append(ID_EDIT, ToWx("写真を編集"))->Enable(enabled);
    menu.Append(ID_ROTATE_RIGHT, ToWx("右回転"))->Enable(enabled && writable);
    menu.Append(ID_ROTATE_LEFT, ToWx("左回転"))->Enable(enabled && writable);
    PopupMenu(&menu, event.GetPosition());
}

void CPhotoView::OnMenu(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case ID_PROPERTIES:
        ShowProperties();
        break;
    case ID_EDIT:
        OnEditPhoto();
        break;
    case ID_ROTATE_RIGHT:
        OnRotateRight();
        break;
    case ID_ROTATE_LEFT:
        OnRotateLeft();
        break;
    default:
        break;
    }
}

bool CPhotoView::OnEditPhoto()
{
    CZantobyDoc* doc = Doc();
    if (doc == nullptr || m_selected < 0 || m_selected >= static_cast<int>(m_strip.Items().size())) {
        return false;
    }
    return doc->OpenPhotoEditor(m_strip.Items()[m_selected]->photoIndex);
}

void CPhotoView::ShowProperties()
{
    CZantobyDoc* doc = Doc();
    if (doc != nullptr && m_selected >= 0 && m_selected < static_cast<int>(m_strip.Items().size())) {
        CPhotoPropertiesHook::Run(this, *doc, m_strip.Items()[m_selected]->photoIndex);
    }
}

bool CPhotoView::Rotate(bool right)
{
    CZantobyDoc* doc = Doc();
    if (doc == nullptr || m_selected < 0 || m_selected >= static_cast<int>(m_strip.Items().size())) {
        return false;
    }
    const int photo = m_strip.Items()[m_selected]->photoIndex;
    std::vector<int> turned;
    {
        wxBusyCursor wait;
        turned = CListRowEdits(*doc).RotatePhotos(std::vector<int>{photo}, right);
    }
    if (turned.empty()) {
        return false;
    }
    RebuildStrip();
    ListHintArg arg;
    arg.photo = photo;
    doc->UpdateAllViews(this, kHintPhotoChanged, &arg);
    return true;
}

bool CPhotoView::OnRotateRight()
{
    return Rotate(true);
}

bool CPhotoView::OnRotateLeft()
{
    return Rotate(false);
}

void CPhotoView::ScrollByWheel(int rotation)
{
    const wxPoint origin = CalcUnscrolledPosition(wxPoint(0, 0));
    const int scrollable = std::max(static_cast<int>(m_strip.Extent().cx) - GetClientSize().x, 0);
    Scroll(std::clamp(origin.x - rotation, 0, scrollable), origin.y);
}

void CPhotoView::OnWheel(wxMouseEvent& event)
{
    const wxPoint screen = wxGetMousePosition();
    if (GetScreenRect().Contains(screen)) {
        ScrollByWheel(event.GetWheelRotation());
        return;
    }
    if (CZantobyDoc* doc = Doc()) {
        ListHintArg arg;
        arg.wheelRotation = event.GetWheelRotation();
        arg.pointerX = screen.x;
        arg.pointerY = screen.y;
        doc->UpdateAllViews(this, kHintMouseWheel, &arg);
    }
}

void CPhotoView::OnSize(wxSizeEvent& event)
{
    event.Skip();
    // A strip laid out while the pane had no height (a list opened before its window showed)
    // is laid out again once it has one.
    const bool hadHeight = m_height > 0;
    m_height = event.GetSize().y;
    if (!hadHeight && m_height > 0 && m_strip.Schedule(CPhotoStrip::kSplitterTicks)) {
        m_timer.Start(kTimerMs);
    }
}

void CPhotoView::OnSetFocus(wxFocusEvent& event)
{
    event.Skip();
    CZantobyApp& app = wxGetApp();
    app.RefreshListFrames(1);
    if (CZantobyDoc* doc = Doc()) {
        app.ShowRowPosition(doc->currentRow, doc->displayCount);
    }
}
