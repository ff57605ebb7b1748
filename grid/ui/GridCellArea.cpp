#include "grid/ui/GridCellArea.h"

#include "grid/CellRangeList.h"
#include "grid/GridAutoScroll.h"
#include "grid/GridEditWindow.h"
#include "grid/GridHitZones.h"
#include "grid/ui/CellEditBase.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridChars.h"
#include "grid/ui/GridKeys.h"
#include "platform/VirtualKeys.h"
#include "platform/canvas/Canvas.h"
#include "platform/ui/InputMethod.h"
#include "platform/ui/WxText.h"

#include <wx/textctrl.h>
#include <wx/utils.h>

namespace {

bool IsNavigationKey(unsigned int key)
{
    switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

CGridCellArea::CGridCellArea(CCellGrid& grid)
    : CGridPartWindow(grid, GridPartId::CellArea, wxWANTS_CHARS), m_autoScroll(this)
{
    Bind(wxEVT_KEY_DOWN, &CGridCellArea::HandleKeyDown, this);
    Bind(wxEVT_KEY_UP, &CGridCellArea::OnKeyUp, this);
    Bind(wxEVT_CHAR, &CGridCellArea::HandleChar, this);
    Bind(wxEVT_LEFT_DOWN, &CGridCellArea::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CGridCellArea::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CGridCellArea::OnLeftDouble, this);
    Bind(wxEVT_RIGHT_DOWN, &CGridCellArea::OnRightDown, this);
    Bind(wxEVT_RIGHT_UP, &CGridCellArea::OnRightUp, this);
    Bind(wxEVT_MOTION, &CGridCellArea::OnMotion, this);
    Bind(wxEVT_MOUSEWHEEL, &CGridCellArea::OnWheel, this);
    Bind(wxEVT_SET_FOCUS, &CGridCellArea::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CGridCellArea::OnKillFocus, this);
    Bind(wxEVT_SET_CURSOR, &CGridCellArea::OnSetCursor, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGridCellArea::OnCaptureLost, this);
    Bind(wxEVT_TIMER, &CGridCellArea::OnAutoScroll, this);
    m_sinceKey.Start();
}

void CGridCellArea::Render(Canvas& dc, CSize)
{
    CCellRangeList all;
    Grid().Painter().PaintCellArea(dc, all, true);
}

void CGridCellArea::UpdateArea(CCellRangeList& queued)
{
    CCellGrid& grid = Grid();
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    const CSize size = CSize(GetClientSize().x, GetClientSize().y);
    if (!IsPictureValid() || Picture().Width() != size.cx || Picture().Height() != size.cy) {
        queued.Clear();
        Refresh(false);
        return;
    }
    if (grid.FullRepaint() || sheet.vScrollHint || sheet.hScrollHint) {
        queued.Clear();
        InvalidatePicture();
        return;
    }
    const bool scrolled =
        sheet.leftColumn != sheet.previousLeftColumn || sheet.topRow != sheet.previousTopRow;
    if (!grid.Painter().ScrollPicture(Picture(), queued)) {
        queued.Clear();
        InvalidatePicture();
        return;
    }
    Canvas dc(Picture());
    const CRect changed = grid.Painter().PaintCellArea(dc, queued, false);
    if (scrolled) {
        Refresh(false);
    } else if (!changed.IsRectEmpty()) {
        RefreshRect(wxRect(changed.left, changed.top, changed.Width(), changed.Height()), false);
    }
}

void CGridCellArea::EnableTips(bool enable)
{
    m_tips = enable;
    m_tipColumn = m_tipRow = -2;
    if (!enable) {
        UnsetToolTip();
    }
}

bool CGridCellArea::CellAt(CPoint point, int& column, int& row, CRect& rect)
{
    if (Grid().HitTestCell(point.x, point.y, column, row) != 0) {
        column = row = -1;
        rect = CRect();
        return false;
    }
    Grid().GetCellRect(column, row, rect);
    return true;
}

void CGridCellArea::HandleKeyDown(wxKeyEvent& event)
{
    CCellGrid& grid = Grid();
    // The keys of a composition (Return, Space, the arrows) are the input method's.
    if (m_composing) {
        event.Skip();
        return;
    }
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
    unsigned int key = CGridKeys::VirtualKey(event);
    if (key == 0) {
        event.Skip();
        return;
    }
    int step = 1;
    if (sheet.repeatDivisor >= 1) {
        int pause = 0;
        step = m_repeat.NextStep(sheet.repeatDivisor, sheet.repeatDelay, &pause);
        // Repeats that come sooner than the delay are dropped instead of waited for.
        if (pause > 0 && m_sinceKey.Time() < pause) {
            return;
        }
    }
    m_sinceKey.Start();
    const int column = grid.CurrentColumn();
    const int row = grid.CurrentRow();
    const int processed = grid.GetCellTypeAt(column, row)->OnKeyDown(column, row, &key);
    grid.OnGridKeyDown(&key, processed);
    if (!IsNavigationKey(key)) {
        event.Skip();
        return;
    }
    grid.MoveByKey(key, step, event.ControlDown());
}

void CGridCellArea::OnKeyUp(wxKeyEvent& event)
{
    CCellGrid& grid = Grid();
    InputMethod::FilterKeyRelease(*this);
    m_repeat.Reset();
    unsigned int key = CGridKeys::VirtualKey(event);
    const int column = grid.CurrentColumn();
    const int row = grid.CurrentRow();
    const int processed = grid.GetCellTypeAt(column, row)->OnKeyUp(column, row, &key);
    grid.OnGridKeyUp(&key, processed);
    event.Skip();
}

void CGridCellArea::HandleChar(wxKeyEvent& event)
{
    CCellGrid& grid = Grid();
    const bool control = event.ControlDown() || event.AltDown();
    unsigned int character = 0;
    if (control || event.GetUnicodeKey() == WXK_NONE) {
        const int code = event.GetKeyCode();
        character = code >= 0 && code < 0x80 ? static_cast<unsigned int>(code) : 0;
    } else {
        character = CGridChars::FromWx(event.GetUnicodeKey());
    }
    if (character == 0) {
        // Keys without a character (F3 ...) are the menu accelerators'.
        if (!TypeUncodedChar(event)) {
            event.Skip();
        }
        return;
    }
    // An input method hands over all its characters at once; after the first one opened the
    // edit, the rest belong to it.
    if (grid.IsEditing()) {
        if (CGridEditWindow* edit = grid.ActiveEditWindow()) {
            edit->SendChar(character);
        }
        return;
    }
    const int column = grid.CurrentColumn();
    const int row = grid.CurrentRow();
    const int processed = grid.GetCellTypeAt(column, row)->OnChar(column, row, &character);
    grid.OnGridChar(&character, processed);
    // Typing into a cell edits it, unless the cell's type or the owner took the character.
    if (!processed && !control && character >= 0x20 && character != 0x7F && column >= 0 && row >= 0) {
        grid.BeginEditWithKey(character);
    }
    // A chord that nothing took (Ctrl+C, Alt+V ...) goes on to the menus' accelerators.
    if (!processed && control) {
        event.Skip();
    }
}

bool CGridCellArea::TypeUncodedChar(const wxKeyEvent& event)
{
    CCellGrid& grid = Grid();
    const wxChar wide = event.GetUnicodeKey();
    if (wide == WXK_NONE || wide < 0x20 || event.ControlDown() || event.AltDown()) {
        return false;
    }
    if (grid.CurrentColumn() < 0 || grid.CurrentRow() < 0 ||
        (!grid.IsEditing() && grid.BeginEditWithKey(0) != 0)) {
        return true;
    }
    if (auto* edit = dynamic_cast<CCellEditBase*>(grid.ActiveEditWindow());
        edit != nullptr && grid.IsEditing()) {
        edit->EndComposition();
        edit->WriteText(wxString(wide));
    }
    return true;
}

void CGridCellArea::OnComposition(InputMethod::CompositionChange change)
{
    CCellGrid& grid = Grid();
    if (change == InputMethod::CompositionChange::kStarted) {
        if (!m_composing || grid.IsEditing() || HasCapture() || FindFocus() != this ||
            grid.CurrentColumn() < 0 || grid.CurrentRow() < 0 || grid.BeginEditWithKey(0) != 0 ||
            !grid.IsEditing()) {
            return;
        }
    }
    auto* edit = dynamic_cast<CCellEditBase*>(grid.ActiveEditWindow());
    if (!grid.IsEditing() || edit == nullptr || edit->HasFocus()) {
        return;
    }
    if (change == InputMethod::CompositionChange::kEnded) {
        if (!m_composing && FindFocus() == this) {
            edit->TakeKeyboard();
        }
        return;
    }
    const InputMethod::Composition composition = InputMethod::CurrentComposition(*this);
    if (composition.text.empty()) {
        edit->EndComposition();
    } else {
        edit->ShowComposition(composition.text, composition.cursor);
    }
    // The candidates show beside the cell.
    InputMethod::SetCursorArea(*this, edit->GetRect());
}

void CGridCellArea::OnLeftDown(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    // Taking the focus ends an edit in progress before the press is looked at.
    if (FindFocus() != this) {
        SetFocus();
    }
    if (grid.IsEditing()) {
        return;
    }
    if (!HasCapture()) {
        CaptureMouse();
    }
    const CPoint point = PointOf(event);
    grid.SetSelectionTrigger(SelectionTrigger::LeftButton, CGridKeys::MouseFlags(event));
    int column, row;
    CRect rect;
    int processed = 0;
    if (CellAt(point, column, row, rect)) {
        UpdateBlockZone(point);
        if (!m_onBlockEdge && !m_onBlockCorner) {
            grid.MoveToCell(column, row);
        }
        m_lastDrag = point;
        processed = grid.GetCellTypeAt(column, row)->OnLButton(column, row, 1, rect, point);
        m_typeHasMouse = processed != 0;
    }
    grid.OnCellLButton(column, row, 1, rect, point, processed);
    grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
}

void CGridCellArea::OnLeftUp(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    StopAutoScroll();
    const CPoint point = PointOf(event);
    int column, row;
    CRect rect;
    int processed = 0;
    if (CellAt(point, column, row, rect)) {
        processed = grid.GetCellTypeAt(column, row)->OnLButton(column, row, 0, rect, point);
    }
    grid.OnCellLButton(column, row, 0, rect, point, processed);
    if (HasCapture()) {
        ReleaseMouse();
    }
    m_typeHasMouse = false;
}

void CGridCellArea::OnLeftDouble(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    if (grid.IsEditing()) {
        return;
    }
    const CPoint point = PointOf(event);
    int column, row;
    CRect rect;
    int processed = 0;
    if (CellAt(point, column, row, rect)) {
        processed = grid.GetCellTypeAt(column, row)->OnDblClick(column, row, rect, point);
    }
    grid.OnCellDblClick(column, row, rect, point, processed);
}

void CGridCellArea::OnRightDown(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    if (FindFocus() != this) {
        SetFocus();
    }
    if (grid.IsEditing()) {
        return;
    }
    const CPoint point = PointOf(event);
    grid.SetSelectionTrigger(SelectionTrigger::RightButton, CGridKeys::MouseFlags(event));
    int column, row;
    CRect rect;
    int processed = 0;
    if (CellAt(point, column, row, rect)) {
        grid.MoveToCell(column, row);
        processed = grid.GetCellTypeAt(column, row)->OnRButton(column, row, 1, rect, point);
    }
    grid.OnCellRButton(column, row, 1, rect, point, processed);
    grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
    if (grid.CurrentSheet()->popupMenuEnabled) {
        const wxPoint screen = ClientToScreen(event.GetPosition());
        grid.ShowPopupMenu(column, row, CPoint(screen.x, screen.y), GridSection::CellArea);
    }
}

void CGridCellArea::OnRightUp(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    const CPoint point = PointOf(event);
    int column, row;
    CRect rect;
    int processed = 0;
    if (CellAt(point, column, row, rect)) {
        processed = grid.GetCellTypeAt(column, row)->OnRButton(column, row, 0, rect, point);
    }
    grid.OnCellRButton(column, row, 0, rect, point, processed);
}

void CGridCellArea::OnMotion(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    if (grid.IsEditing()) {
        return;
    }
    const CPoint point = PointOf(event);
    const unsigned int flags = CGridKeys::MouseFlags(event);
    if (m_typeHasMouse) {
        const int column = grid.CurrentColumn();
        const int row = grid.CurrentRow();
        const int processed = grid.GetCellTypeAt(column, row)->OnMouseMove(column, row, point, flags);
        grid.OnCellMouseMove(column, row, point, flags, processed);
        return;
    }
    grid.SetSelectionTrigger(SelectionTrigger::MouseMove, flags);
    int column, row;
    CRect rect;
    if (CellAt(point, column, row, rect)) {
        const int processed = grid.GetCellTypeAt(column, row)->OnMouseMove(column, row, point, flags);
        grid.OnCellMouseMove(column, row, point, flags, processed);
    }
    if (event.LeftIsDown() && HasCapture() && point != m_lastDrag) {
        m_lastDrag = point;
        const int pause = DragStep(point);
        if (pause > 0) {
            m_autoScroll.StartOnce(pause);
        } else {
            StopAutoScroll();
        }
    }
    grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
    if (m_tips) {
        UpdateTip(point);
    }
}

int CGridCellArea::DragStep(CPoint point)
{
    CCellGrid& grid = Grid();
    const CGridSheetInfo& sheet = *grid.CurrentSheet();
    int column, row;
    bool overLastColumn = false;
    bool overLastRow = false;
    if (grid.HitTestCell(point.x, point.y, column, row) == 0) {
        if (sheet.cursorColumn >= sheet.lockedColumns && sheet.lockedColumns > 0 &&
            point.x < sheet.lockedWidth && sheet.leftColumn > sheet.lockedColumns) {
            grid.MoveColumns(MoveKind::Back);
        } else if (sheet.cursorRow >= sheet.lockedRows && sheet.lockedRows > 0 &&
                   point.y < sheet.lockedHeight && sheet.topRow > sheet.lockedRows) {
            grid.MoveRows(MoveKind::Back);
        } else {
            grid.MoveToCell(column, row);
        }
        overLastColumn = column == sheet.lastVisibleColumn;
        overLastRow = row == sheet.lastVisibleRow;
    }
    const CGridAutoScroll::Step step = CGridAutoScroll::ForPointer(
        point, CSize(sheet.areaWidth, sheet.areaHeight), sheet.defaultColumnWidth, sheet.defaultRowHeight,
        sheet.autoScrollPower, sheet.autoScrollDelay, overLastColumn, overLastRow);
    if (step.columns != 0) {
        grid.MoveToCol(sheet.cursorColumn + step.columns);
    }
    if (step.rows != 0) {
        grid.MoveToRow(sheet.cursorRow + step.rows);
    }
    return step.columns != 0 || step.rows != 0 ? step.intervalMs : 0;
}

void CGridCellArea::OnAutoScroll(wxTimerEvent&)
{
    CCellGrid& grid = Grid();
    if (!HasCapture() || !wxGetMouseState().LeftIsDown() || grid.IsEditing()) {
        return;
    }
    const wxPoint position = ScreenToClient(wxGetMousePosition());
    grid.SetSelectionTrigger(SelectionTrigger::MouseMove, MK_LBUTTON);
    const int pause = DragStep(CPoint(position.x, position.y));
    grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
    if (pause > 0) {
        m_autoScroll.StartOnce(pause);
    }
}

void CGridCellArea::StopAutoScroll()
{
    m_autoScroll.Stop();
    m_lastDrag = CPoint(-100000, -100000);
}

void CGridCellArea::OnWheel(wxMouseEvent& event)
{
    CCellGrid& grid = Grid();
    const int delta = event.GetWheelDelta() > 0 ? event.GetWheelDelta() : 120;
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
        return;
    }
    grid.SetSelectionTrigger(SelectionTrigger::MouseMove);
    grid.ScrollToTopRow(grid.FirstVisibleRow() - event.GetWheelRotation() * grid.WheelStep() / delta);
    grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
}

void CGridCellArea::OnSetFocus(wxFocusEvent& event)
{
    CCellGrid& grid = Grid();
    // wx makes the window's input context once the window is realised.
    if (!m_followsCompositions) {
        m_followsCompositions =
            InputMethod::FollowCompositions(*this, [this](InputMethod::CompositionChange change) {
                // Known at once, so that keys and an edit opening meanwhile see it; acted on once
                // the input method is done telling.
                if (change != InputMethod::CompositionChange::kChanged) {
                    m_composing = change == InputMethod::CompositionChange::kStarted;
                }
                CallAfter([this, change] { OnComposition(change); });
            });
    }
    // An edit left open without the keyboard (its composition ended while the focus was away)
    // takes it, so that keys do not stay with the idle cell.
    if (grid.IsEditing() && !m_composing) {
        auto* edit = dynamic_cast<CCellEditBase*>(grid.ActiveEditWindow());
        if (edit != nullptr && !edit->HasFocus() && !edit->IsWaitingForFocus()) {
            CallAfter([this] {
                auto* open = dynamic_cast<CCellEditBase*>(Grid().ActiveEditWindow());
                if (Grid().IsEditing() && open != nullptr && FindFocus() == this) {
                    open->TakeKeyboard();
                }
            });
        }
    }
    m_hasFocus = true;
    m_typeHasMouse = false;
    m_repeat.Reset();
    grid.OnGridSetFocus(GridSection::CellArea);
    if (grid.CurrentColumn() >= 0 && grid.CurrentRow() >= 0) {
        grid.RepaintCell(grid.CurrentColumn(), grid.CurrentRow());
    }
    event.Skip();
}

void CGridCellArea::OnKillFocus(wxFocusEvent& event)
{
    CCellGrid& grid = Grid();
    m_hasFocus = false;
    grid.OnGridKillFocus(GridSection::CellArea);
    if (grid.CurrentColumn() >= 0 && grid.CurrentRow() >= 0) {
        grid.RepaintCell(grid.CurrentColumn(), grid.CurrentRow());
    }
    event.Skip();
}

const wxCursor& CGridCellArea::UpdateBlockZone(CPoint point)
{
    CCellGrid& grid = Grid();
    static const wxCursor arrow(wxCURSOR_ARROW);
    m_onBlockEdge = m_onBlockCorner = false;
    if (!grid.HasBlockCursors() || grid.IsEditing() || m_typeHasMouse ||
        grid.CurrentSheet()->selection.GetBlockCount() > 2) {
        return arrow;
    }
    int left, top, right, bottom;
    if (grid.FirstSelectedBlock(left, top, right, bottom) != 0) {
        return arrow;
    }
    CRect block;
    grid.GetRangeRect(left, top, right, bottom, block);
    switch (CGridHitZones::BlockZone(block, point)) {
    case CGridHitZones::Block::Corner:
        if (grid.BlockCornerCursor().IsOk()) {
            m_onBlockCorner = true;
            return grid.BlockCornerCursor();
        }
        [[fallthrough]];
    case CGridHitZones::Block::Edge:
        if (grid.BlockEdgeCursor().IsOk()) {
            m_onBlockEdge = true;
            return grid.BlockEdgeCursor();
        }
        return arrow;
    default:
        return arrow;
    }
}

void CGridCellArea::OnSetCursor(wxSetCursorEvent& event)
{
    event.SetCursor(UpdateBlockZone(CPoint(event.GetX(), event.GetY())));
}

void CGridCellArea::OnCaptureLost(wxMouseCaptureLostEvent&)
{
    StopAutoScroll();
    m_typeHasMouse = false;
}

void CGridCellArea::UpdateTip(CPoint point)
{
    CCellGrid& grid = Grid();
    int column, row;
    if (grid.HitTestCell(point.x, point.y, column, row) != 0) {
        column = row = -1;
    }
    if (column == m_tipColumn && row == m_tipRow) {
        return;
    }
    m_tipColumn = column;
    m_tipRow = row;
    CString text;
    if (column >= 0 && grid.OnGetHintText(column, row, GridSection::CellArea, text) == 1) {
        SetToolTip(ToWx(text));
    } else {
        UnsetToolTip();
    }
}
