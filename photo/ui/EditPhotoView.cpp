#include "photo/ui/EditPhotoView.h"

#include "foundation/ui/DocumentLookup.h"
#include "list/drawing/DrawShapeList.h"
#include "photo/EditPhotoModel.h"
#include "photo/EditTools.h"
#include "photo/EditorCommandIds.h"
#include "photo/IPhotoEditorHost.h"
#include "photo/ShapeCommands.h"
#include "photo/ui/EditPhotoDoc.h"
#include "photo/ui/EditPhotoFrame.h"
#include "photo/ui/EditPhotoWindow.h"
#include "photo/ui/EditorClipboard.h"
#include "photo/ui/EditorServices.h"
#include "photo/ui/IEditorWindowHost.h"
#include "platform/SystemColors.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/CanvasConstants.h"
#include "platform/canvas/ImageOps.h"
#include "platform/ui/UpdateUiCheck.h"

#include <wx/menu.h>
#include <wx/utils.h>

#include <exception>

wxIMPLEMENT_DYNAMIC_CLASS(CEditPhotoView, wxView);

namespace {

constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;

// The update hint that renders the photo again (the photo properties' preview).
constexpr int kHintRender = 2;

constexpr int kCommands[] = {
    ID_EDIT_COPY,
    ID_EDIT_CUT,
    ID_EDIT_PASTE,
    ID_EDIT_UNDO,
    ID_EDIT_REDO,
    EditorCommand::kSelect,
    EditorCommand::kArea,
    EditorCommand::kBox,
    EditorCommand::kPolygon,
    EditorCommand::kEllipse,
    EditorCommand::kLine,
    EditorCommand::kText,
    EditorCommand::kShade,
    EditorCommand::kFreeLine,
    EditorCommand::kDelete,
    EditorCommand::kFlipLeftRight,
    EditorCommand::kFlipTopBottom,
    EditorCommand::kRotateRight,
    EditorCommand::kRotateLeft,
    EditorCommand::kBringForward,
    EditorCommand::kSendBackward,
    EditorCommand::kPreviousShape,
    EditorCommand::kNextShape,
    EditorCommand::kDuplicate,
    EditorCommand::kBringToFront,
    EditorCommand::kSendToBack,
    EditorCommand::kGroup,
    EditorCommand::kUngroup,
    EditorCommand::kZoomIn,
    EditorCommand::kZoomOut,
    EditorCommand::kFitHeight,
    EditorCommand::kFitWidth,
    EditorCommand::kActualSize,
    EditorCommand::kProperties,
    EditorCommand::kFitWindow,
};

bool IsTool(int id)
{
    switch (id) {
    case EditorCommand::kSelect:
    case EditorCommand::kArea:
    case EditorCommand::kBox:
    case EditorCommand::kPolygon:
    case EditorCommand::kEllipse:
    case EditorCommand::kLine:
    case EditorCommand::kText:
    case EditorCommand::kShade:
    case EditorCommand::kFreeLine:
        return true;
    default:
        return false;
    }
}

// Guards SetZoom against the size events its own scroll bars cause.
bool s_settingZoom = false;

} // namespace

CEditPhotoView::CEditPhotoView() = default;

CEditPhotoView::~CEditPhotoView() = default;

CEditPhotoModel& CEditPhotoView::Model() const
{
    return m_doc->Model();
}

template <typename Action> void CEditPhotoView::Guarded(int line, Action action)
{
    try {
        action();
    } catch (const std::exception& e) {
        m_doc->Host().ReportError(e.what(), "EditPhotoView", line);
    }
}

bool CEditPhotoView::OnCreate(wxDocument* doc, long)
{
    m_doc = dynamic_cast<CEditPhotoDoc*>(doc);
    if (m_doc == nullptr) {
        return false;
    }
    m_tools = std::make_unique<CEditTools>(Model(), m_zoom.mapping);
    m_commands = std::make_unique<CShapeCommands>(Model());
    auto* frame = new CEditPhotoFrame(doc, this, CEditorServices::Windows().GetMainFrame());
    m_window = new CEditPhotoWindow(frame, *this);
    SetFrame(frame);
    for (int id : kCommands) {
        Bind(wxEVT_MENU, &CEditPhotoView::OnCommand, this, id);
        Bind(wxEVT_UPDATE_UI, &CEditPhotoView::OnUpdateCommand, this, id);
    }
    frame->Show();
    frame->Maximize();
    return true;
}

bool CEditPhotoView::OnClose(bool deleteWindow)
{
    if (!wxView::OnClose(deleteWindow)) {
        return false;
    }
    Activate(false);
    if (m_window != nullptr) {
        m_window->DropView();
    }
    if (deleteWindow && GetFrame() != nullptr) {
        GetFrame()->Destroy();
        SetFrame(nullptr);
    }
    m_window = nullptr;
    return true;
}

void CEditPhotoView::InitialUpdate()
{
    SetZoom(false, CEditViewZoom::kFitWindowAtMost100, 0);
    RenderImage(false);
    Redraw();
}

void CEditPhotoView::OnUpdate(wxView*, wxObject* hint)
{
    auto* update = dynamic_cast<CUpdateHint*>(hint);
    if (update == nullptr) {
        return;
    }
    if (update->hint == kHintRender) {
        RenderImage(true);
    }
}

void CEditPhotoView::OnActivateView(bool activate, wxView* activeView, wxView* deactiveView)
{
    if (activate) {
        CEditorServices::Windows().ShowEditorBars();
        CEditorServices::Windows().ShowZoomPercent(m_zoom.mapping.zoom);
    }
    wxView::OnActivateView(activate, activeView, deactiveView);
}

// Zoom, rendering and painting

void CEditPhotoView::SyncScroll()
{
    if (m_window != nullptr) {
        const wxPoint start = m_window->GetViewStart();
        m_zoom.mapping.scroll = CPoint(start.x, start.y);
    }
}

CPoint CEditPhotoView::ToView(const wxPoint& client) const
{
    CPoint point(client.x, client.y);
    m_zoom.ClientToView(point);
    return point;
}

void CEditPhotoView::SetZoom(bool redraw, int mode, int zoom)
{
    if (s_settingZoom || m_window == nullptr) {
        return;
    }
    s_settingZoom = true;
    Guarded(__LINE__, [&] {
        SyncScroll();
        const wxSize size = m_window->GetClientSize();
        const CSize client(size.x, size.y);
        wxPoint pointer = m_window->ScreenToClient(wxGetMousePosition());
        if (pointer.x < 0 || pointer.y < 0 || pointer.x >= size.x || pointer.y >= size.y) {
            pointer = wxPoint(size.x / 2, size.y / 2);
        }
        m_zoom.SetZoom(mode, zoom, Model().GetDisplaySize(), client, CPoint(pointer.x, pointer.y));
        const CSize total = m_zoom.GetTotalSize();
        m_window->SetVirtualSize(total.cx, total.cy);
        m_window->Scroll(m_zoom.mapping.scroll.x, m_zoom.mapping.scroll.y);
        SyncScroll();
        CEditorServices::Windows().ShowZoomPercent(m_zoom.mapping.zoom);
    });
    s_settingZoom = false;
    if (redraw) {
        Redraw();
    }
}

void CEditPhotoView::RenderImage(bool redraw)
{
    Model().RenderImage();
    if (redraw) {
        Redraw();
    }
}

void CEditPhotoView::Redraw()
{
    if (m_window != nullptr) {
        m_window->Refresh(false);
        m_window->Update();
    }
}

void CEditPhotoView::Paint(Canvas& dc, CSize client)
{
    SyncScroll();
    const CEditViewMapping& mapping = m_zoom.mapping;
    dc.FillRect(CRect(0, 0, client.cx, client.cy), GetSysColor(COLOR_WINDOW));
    dc.SetViewportOrg(-mapping.scroll.x, -mapping.scroll.y);

    const Bitmap& rendering = Model().GetRendering();
    const CSize view = m_zoom.viewSize;
    const int margin = CEditViewMapping::kMargin;
    if (!rendering.IsEmpty() && view.cx > 0 && view.cy > 0) {
        if (mapping.zoom == CEditViewMapping::kZoomUnit) {
            dc.DrawBitmap(rendering, margin, margin);
        } else if (mapping.zoom > CEditViewMapping::kZoomUnit) {
            dc.SetStretchBltMode(COLORONCOLOR);
            dc.StretchBitmap(rendering, CRect(margin, margin, margin + view.cx, margin + view.cy),
                             CRect(0, 0, rendering.Width(), rendering.Height()));
        } else {
            // A reduction averages the pixels it takes together; made once per zoom and rendering.
            if (m_reduced.Width() != view.cx || m_reduced.Height() != view.cy ||
                m_reducedFrom != Model().GetRenderCount()) {
                m_reduced = ImageOps::AreaAverage(rendering, view.cx, view.cy);
                m_reducedFrom = Model().GetRenderCount();
            }
            dc.DrawBitmap(m_reduced, margin, margin);
        }
    }

    CPointArray handles;
    Model().drawing.shapes.GetHandlePoints(handles);
    dc.SelectPen({PS_SOLID, 1, RGB(255, 255, 255)});
    dc.SelectBrush(Canvas::Brush::Solid(RGB(0, 0, 0)));
    for (int i = 0; i < handles.GetSize(); ++i) {
        CPoint point = handles.Point(i);
        mapping.ImageToView(point);
        dc.Rectangle(point.x - 3, point.y - 3, point.x + 4, point.y + 4);
    }

    dc.SetViewportOrg(0, 0);
    m_tools->DrawFeedback(dc);
}

// Pointer and keys

void CEditPhotoView::ShowCursorAt(CPoint view)
{
    wxStockCursor cursor = wxCURSOR_ARROW;
    if (m_tools->GetTool() != EditorCommand::kSelect) {
        cursor = m_tools->GetTool() == EditorCommand::kText ? wxCURSOR_IBEAM : wxCURSOR_CROSS;
    } else {
        switch (m_tools->HitKindAt(view)) {
        case 1:
            cursor = wxCURSOR_HAND;
            break;
        case 2:
            cursor = wxCURSOR_SIZING;
            break;
        case 3:
            cursor = wxCURSOR_SIZENS;
            break;
        case 4:
            cursor = wxCURSOR_SIZEWE;
            break;
        case 5:
            cursor = wxCURSOR_SIZENWSE;
            break;
        case 6:
            cursor = wxCURSOR_SIZENESW;
            break;
        default:
            break;
        }
    }
    m_window->SetCursor(wxCursor(cursor));
}

void CEditPhotoView::OnPointer(const wxMouseEvent& event)
{
    if (m_window == nullptr) {
        return;
    }
    SyncScroll();
    const CPoint view = ToView(event.GetPosition());
    const wxEventType type = event.GetEventType();
    const DrawingDefaults& defaults = CEditorServices::Windows().GetDrawingDefaults();
    Guarded(__LINE__, [&] {
        if (type == wxEVT_LEFT_DOWN) {
            m_window->SetFocus();
            if (!m_window->HasCapture()) {
                m_window->CaptureMouse();
            }
            m_tools->ButtonDown(view);
        } else if (type == wxEVT_LEFT_UP) {
            if (m_window->HasCapture()) {
                m_window->ReleaseMouse();
            }
            m_tools->ButtonUp(view, event.ShiftDown(), event.ControlDown(), defaults, m_dialogs);
        } else if (type == wxEVT_LEFT_DCLICK) {
            // The properties dialog must not open while the window holds the pointer.
            if (m_window->HasCapture()) {
                m_window->ReleaseMouse();
            }
            if (m_tools->DoubleClick(defaults)) {
                Properties();
            }
        } else {
            m_tools->PointerMove(view, event.LeftIsDown(), event.ShiftDown());
            CPoint image = view;
            m_zoom.mapping.ViewToImage(image);
            CEditorServices::Windows().ShowPointerPosition(image.x, image.y);
            ShowCursorAt(view);
        }
    });
    Redraw();
}

bool CEditPhotoView::OnKey(int keyCode, bool control, bool shift)
{
    // GTK takes no Tab in a menu's accelerators, so the view steps through the shapes itself.
    if (keyCode == WXK_TAB) {
        RunCommand(shift ? EditorCommand::kPreviousShape : EditorCommand::kNextShape);
        return true;
    }
    // Nor do the menu's Ctrl+PgDn and Ctrl+PgUp arrive: the notebook of the main window takes
    // them for its pages.
    if (control && (keyCode == WXK_PAGEDOWN || keyCode == WXK_PAGEUP)) {
        RunCommand(keyCode == WXK_PAGEDOWN ? EditorCommand::kZoomIn : EditorCommand::kZoomOut);
        return true;
    }
    const int step = control ? 8 : 1;
    int dx = 0;
    int dy = 0;
    switch (keyCode) {
    case WXK_LEFT:
    case WXK_NUMPAD4:
        dx = -step;
        break;
    case WXK_RIGHT:
    case WXK_NUMPAD6:
        dx = step;
        break;
    case WXK_UP:
    case WXK_NUMPAD8:
        dy = -step;
        break;
    case WXK_DOWN:
    case WXK_NUMPAD2:
        dy = step;
        break;
    case WXK_NUMPAD7:
        dx = dy = -step;
        break;
    case WXK_NUMPAD9:
        dx = step;
        dy = -step;
        break;
    case WXK_NUMPAD1:
        dx = -step;
        dy = step;
        break;
    case WXK_NUMPAD3:
        dx = dy = step;
        break;
    default:
        return false;
    }
    const wxPoint pointer = m_window->ScreenToClient(wxGetMousePosition());
    m_window->WarpPointer(pointer.x + dx, pointer.y + dy);
    return true;
}

void CEditPhotoView::OnWindowSize()
{
    const wxSize size = m_window->GetClientSize();
    if (size.x > 0 && size.y > 0 && m_zoom.fitMode != CEditViewZoom::kExplicit) {
        SetZoom(true, 0, 0);
    }
}

void CEditPhotoView::OnScrolled()
{
    SyncScroll();
    Redraw();
}

void CEditPhotoView::OnCaptureLost()
{
    m_tools->CancelDrag();
    Redraw();
}

// Commands

void CEditPhotoView::Commit()
{
    Redraw();
}

void CEditPhotoView::Properties()
{
    CDrawShapeList& shapes = Model().drawing.shapes;
    const int selected = shapes.CountSelected();
    if (selected >= 2) {
        wxBell();
        return;
    }
    if (selected == 0) {
        if (m_dialogs.EditPhoto(*m_doc)) {
            Model().SetModifiedFlag(true);
        }
        RenderImage(true);
        return;
    }
    for (int i = 0; i < shapes.GetSize(); ++i) {
        if (shapes.GetShape(i)->selected) {
            if (shapes.GetShape(i)->Properties(m_dialogs)) {
                Model().SetModifiedFlag(true);
            }
            break;
        }
    }
    RenderImage(true);
}

void CEditPhotoView::RunCommand(int id)
{
    CEditPhotoModel& model = Model();
    if (IsTool(id)) {
        m_tools->SetTool(id);
        return;
    }
    switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        if (id == ID_EDIT_UNDO ? model.Undo() : model.Redo()) {
            RenderImage(true);
            SetZoom(true, 0, 0);
        }
        return;
    case ID_EDIT_COPY:
        if (CEditorClipboard::Copy(model, m_doc->Host())) {
            model.SetModifiedFlag(true);
        }
        return;
    case ID_EDIT_CUT:
        if (CEditorClipboard::Copy(model, m_doc->Host())) {
            m_commands->Delete();
        }
        break;
    case ID_EDIT_PASTE: {
        const wxSize size = m_window->GetClientSize();
        CRect visible(0, 0, size.x, size.y);
        m_zoom.ClientToViewRect(visible);
        m_zoom.ViewToImageRect(visible);
        CEditorClipboard::Paste(model, m_doc->Host(), visible.CenterPoint());
        break;
    }
    case EditorCommand::kDelete:
        m_commands->Delete();
        break;
    case EditorCommand::kDuplicate:
        m_commands->Duplicate();
        break;
    case EditorCommand::kFlipLeftRight:
    case EditorCommand::kFlipTopBottom:
        m_commands->Flip(id == EditorCommand::kFlipLeftRight);
        break;
    case EditorCommand::kRotateRight:
    case EditorCommand::kRotateLeft:
        m_commands->Rotate(id == EditorCommand::kRotateRight ? -1 : 1);
        SetZoom(true, 0, 0);
        break;
    case EditorCommand::kBringToFront:
        m_commands->BringToFront();
        break;
    case EditorCommand::kBringForward:
        m_commands->BringForward();
        break;
    case EditorCommand::kSendBackward:
        m_commands->SendBackward();
        break;
    case EditorCommand::kSendToBack:
        m_commands->SendToBack();
        break;
    case EditorCommand::kPreviousShape:
        m_commands->SelectPrevious();
        break;
    case EditorCommand::kNextShape:
        m_commands->SelectNext();
        break;
    case EditorCommand::kGroup:
        m_commands->Group();
        break;
    case EditorCommand::kUngroup:
        m_commands->Ungroup();
        break;
    case EditorCommand::kProperties:
        Properties();
        return;
    case EditorCommand::kZoomIn:
        if (int step = m_zoom.GetZoomInStep()) {
            SetZoom(true, CEditViewZoom::kExplicit, step);
        }
        return;
    case EditorCommand::kZoomOut:
        m_zoom.fitMode = CEditViewZoom::kExplicit;
        if (int step = m_zoom.GetZoomOutStep()) {
            SetZoom(true, CEditViewZoom::kExplicit, step);
        }
        return;
    case EditorCommand::kActualSize:
        SetZoom(true, CEditViewZoom::kExplicit, CEditViewMapping::kZoomUnit);
        return;
    case EditorCommand::kFitWindow:
        SetZoom(true, CEditViewZoom::kFitWindow, 0);
        return;
    case EditorCommand::kFitWidth:
        SetZoom(true, CEditViewZoom::kFitWidth, 0);
        return;
    case EditorCommand::kFitHeight:
        SetZoom(true, CEditViewZoom::kFitHeight, 0);
        return;
    default:
        return;
    }
    Commit();
}

void CEditPhotoView::OnCommand(wxCommandEvent& event)
{
    Guarded(__LINE__, [&] { RunCommand(event.GetId()); });
}

void CEditPhotoView::OnUpdateCommand(wxUpdateUIEvent& event)
{
    const int id = event.GetId();
    const CEditPhotoModel& model = Model();
    const int fit = m_zoom.fitMode;
    if (IsTool(id)) {
        SetCheckIfCheckable(event, m_tools->GetTool() == id);
        event.Enable(id != EditorCommand::kArea || !model.drawing.shapes.hasArea);
        return;
    }
    switch (id) {
    case ID_EDIT_UNDO:
        event.Enable(model.CanUndo());
        break;
    case ID_EDIT_REDO:
        event.Enable(model.CanRedo());
        break;
    case ID_EDIT_CUT:
    case EditorCommand::kDuplicate:
    case EditorCommand::kDelete:
    case EditorCommand::kBringToFront:
    case EditorCommand::kBringForward:
    case EditorCommand::kSendBackward:
    case EditorCommand::kSendToBack:
    case EditorCommand::kUngroup:
        event.Enable(m_commands->HasSelection());
        break;
    case EditorCommand::kGroup:
        event.Enable(m_commands->HasSeveralSelected());
        break;
    case EditorCommand::kZoomIn:
        event.Enable(m_zoom.CanZoomIn());
        break;
    case EditorCommand::kZoomOut:
        event.Enable(m_zoom.CanZoomOut());
        break;
    case EditorCommand::kActualSize:
        SetCheckIfCheckable(event, fit == CEditViewZoom::kExplicit &&
                                       m_zoom.mapping.zoom == CEditViewMapping::kZoomUnit);
        break;
    case EditorCommand::kFitWindow:
        SetCheckIfCheckable(event, fit == CEditViewZoom::kFitWindow);
        break;
    case EditorCommand::kFitWidth:
        SetCheckIfCheckable(event, fit == CEditViewZoom::kFitWidth);
        break;
    case EditorCommand::kFitHeight:
        SetCheckIfCheckable(event, fit == CEditViewZoom::kFitHeight);
        break;
    default:
        event.Enable(true);
        break;
    }
}
