#include "grid/ui/CellEditBase.h"

#include "grid/CellRecord.h"
#include "grid/ui/CellGrid.h"
#include "grid/ui/GridCellArea.h"
#include "grid/ui/GridChars.h"
#include "grid/ui/GridFonts.h"
#include "grid/ui/GridSideHeading.h"
#include "grid/ui/GridTopHeading.h"
#include "platform/ui/TypedTextCheck.h"
#include "platform/ui/WxText.h"

#include <wx/modalhook.h>
#include <wx/toplevel.h>

namespace {

// How often the edit looks whether the window that holds the focus has gone.
constexpr int kFocusPollMs = 50;

// Counts the modal dialogs and message boxes that are open.
class ModalDialogCounter : public wxModalDialogHook
{
  public:
    static int Open()
    {
        static ModalDialogCounter counter;
        return counter.m_open;
    }

  private:
    ModalDialogCounter() { Register(); }
    int Enter(wxDialog*) override
    {
        ++m_open;
        return wxID_NONE;
    }
    void Exit(wxDialog*) override { --m_open; }

    int m_open = 0;
};

} // namespace

CCellEditBase::CCellEditBase(CCellGrid& grid, int id, long style) : m_grid(grid), m_focusTimer(this)
{
    ModalDialogCounter::Open();
    wxTextCtrl::Create(grid.CellArea(), id, wxEmptyString, wxDefaultPosition, wxDefaultSize,
                       style | wxWANTS_CHARS | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB | wxBORDER_SIMPLE);
    wxWindow::Hide();
    Bind(wxEVT_KEY_DOWN, &CCellEditBase::HandleKeyDown, this);
    Bind(wxEVT_CHAR, &CCellEditBase::HandleChar, this);
    Bind(wxEVT_SET_FOCUS, &CCellEditBase::OnSetFocus, this);
    Bind(wxEVT_KILL_FOCUS, &CCellEditBase::OnKillFocus, this);
    Bind(wxEVT_TIMER, &CCellEditBase::OnFocusTimer, this);
}

void CCellEditBase::SetText(const CString& text)
{
    ChangeValue(ToWx(text));
}

CString CCellEditBase::GetText() const
{
    return FromWx(GetValue());
}

void CCellEditBase::Open(int section, const CRect& rect, const LogFont* font, bool)
{
    wxWindow* parent = m_grid.CellArea();
    if (section == GridSection::TopHeading) {
        parent = m_grid.TopHeading();
    } else if (section == GridSection::SideHeading) {
        parent = m_grid.SideHeading();
    }
    if (GetParent() != parent) {
        Reparent(parent);
    }
    m_hasFont = font != nullptr;
    if (font != nullptr) {
        m_font = *font;
        SetFont(CGridFonts::ToWx(*font));
    }
    m_open = true;
    m_cancelled = 0;
    m_moveRequested = 0;
    SetEditable(!m_grid.EditRecord().IsReadOnly());
    SetSize(rect.left, rect.top, std::max(rect.Width(), 1), std::max(rect.Height(), 1));
    OnOpened();
    Show();
    Raise();
    // A composition running on the cell keeps the keyboard until it ends.
    if (!m_grid.CellArea()->IsComposing()) {
        SetFocus();
    }
    SelectAll();
}

void CCellEditBase::ShowComposition(const wxString& text, int cursor)
{
    if (!m_beforeComposition) {
        ShownText before;
        before.text = GetValue();
        GetSelection(&before.from, &before.to);
        m_beforeComposition = before;
    }
    const ShownText& before = *m_beforeComposition;
    ChangeValue(before.text.Left(before.from) + text + before.text.Mid(before.to));
    if (IsMultiLine() && !text.empty()) {
        wxTextAttr underlined;
        underlined.SetFontUnderlined(true);
        SetStyle(before.from, before.from + static_cast<long>(text.length()), underlined);
    }
    SetInsertionPoint(before.from + cursor);
    OnTextShown();
}

void CCellEditBase::EndComposition()
{
    if (!m_beforeComposition) {
        return;
    }
    const ShownText before = *m_beforeComposition;
    m_beforeComposition.reset();
    ChangeValue(before.text);
    SetSelection(before.from, before.to);
    OnTextShown();
}

void CCellEditBase::TakeKeyboard()
{
    EndComposition();
    long from = 0;
    long to = 0;
    GetSelection(&from, &to);
    SetFocus();
    // A line edit selects everything when it takes the focus.
    SetSelection(from, to);
}

void CCellEditBase::Hide()
{
    m_beforeComposition.reset();
    m_open = false;
    m_focusTimer.Stop();
    wxWindow::Hide();
}

bool CCellEditBase::HasFocus() const
{
    return wxWindow::FindFocus() == this;
}

bool CCellEditBase::IsMultiLineCell() const
{
    return (m_grid.EditRecord().GetTypeStyle() & kCellStyleMultiLine) != 0;
}

void CCellEditBase::SendChar(unsigned int character)
{
    // What a composition hands over takes the place of the text it was shown over.
    EndComposition();
    if (!FilterChar(character) || !Verify(character)) {
        return;
    }
    InsertChar(character);
}

bool CCellEditBase::FilterChar(unsigned int)
{
    return true;
}

void CCellEditBase::InsertChar(unsigned int character)
{
    if (!IsEditable()) {
        return;
    }
    const wxChar wide = CGridChars::ToWx(character);
    if (wide != 0) {
        WriteText(wxString(wide));
    }
}

bool CCellEditBase::Verify(unsigned int& character)
{
    const int column = m_grid.EditColumn();
    const int row = m_grid.EditRow();
    CCellDataSource* source = m_grid.CurrentSheet()->dataSource;
    if (source != nullptr && source->OnEditVerify(column, row, this, &character) == 0) {
        return false;
    }
    if (m_grid.OnEditVerify(column, row, this, &character) == 0) {
        return false;
    }
    return character != '\t' && character != '\r' && character != 0x1B && character != 0;
}

void CCellEditBase::HandleKeyDown(wxKeyEvent& event)
{
    const int column = m_grid.CurrentColumn();
    const int row = m_grid.CurrentRow();
    switch (event.GetKeyCode()) {
    case WXK_TAB:
        EndWithMove(event.ShiftDown() ? column - 1 : column + 1, row);
        return;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        if (event.ControlDown()) {
            if (IsMultiLineCell() && IsEditable()) {
                WriteText("\n");
            }
            return;
        }
        EndWithMove(column + m_grid.EnterColumnStep(), row + m_grid.EnterRowStep());
        return;
    case WXK_ESCAPE:
        EndCancelled();
        return;
    case WXK_UP:
    case WXK_DOWN:
        if (IsMultiLineCell()) {
            event.Skip();
            return;
        }
        EndWithMove(column, event.GetKeyCode() == WXK_UP ? row - 1 : row + 1);
        return;
    default:
        event.Skip();
        return;
    }
}

void CCellEditBase::HandleChar(wxKeyEvent& event)
{
    const int code = event.GetKeyCode();
    if (code == WXK_TAB || code == WXK_RETURN || code == WXK_ESCAPE || code == WXK_NUMPAD_ENTER) {
        return;
    }
    const wxChar wide = event.GetUnicodeKey();
    if (wide == WXK_NONE || wide < 0x20 || event.ControlDown()) {
        event.Skip();
        return;
    }
    unsigned int character = CGridChars::FromWx(wide);
    if (character == 0) {
        event.Skip();
        return;
    }
    if (!FilterChar(character) || !Verify(character)) {
        return;
    }
    InsertChar(character);
}

void CCellEditBase::EndWithMove(int column, int row)
{
    m_newColumn = column;
    m_newRow = row;
    m_moveRequested = 1;
    m_cancelled = 0;
    if (Finish()) {
        m_grid.CellArea()->SetFocus();
    }
}

void CCellEditBase::EndCancelled()
{
    m_cancelled = 1;
    m_moveRequested = 0;
    if (Finish()) {
        m_grid.CellArea()->SetFocus();
    }
}

bool CCellEditBase::Finish()
{
    if (!m_open || m_finishing) {
        return true;
    }
    m_finishing = true;
    const int column = m_grid.EditColumn();
    const int row = m_grid.EditRow();
    // Characters the program's text cannot hold are named, and the edit stays to change them.
    const int accepted =
        !m_cancelled && !CTypedTextCheck::Accepts(GetValue())
            ? 0
            : m_grid.FinishEdit(GetText(), m_cancelled, m_moveRequested, m_newColumn, m_newRow);
    m_finishing = false;
    if (accepted != 0) {
        m_open = false;
        return true;
    }
    // Refused: the edited cell stays current and the edit stays open.
    m_moveRequested = 0;
    m_cancelled = 0;
    if (column >= 0 && row >= 0) {
        m_grid.MoveToCell(column, row);
    }
    return false;
}

void CCellEditBase::OnSetFocus(wxFocusEvent& event)
{
    m_focusTimer.Stop();
    m_cancelled = 0;
    m_moveRequested = 0;
    SetEditable(!m_grid.EditRecord().IsReadOnly());
    event.Skip();
}

void CCellEditBase::OnKillFocus(wxFocusEvent& event)
{
    event.Skip();
    if (!m_open || m_finishing) {
        return;
    }
    SetEditable(true);
    wxWindow* next = event.GetWindow();
    if (m_grid.CurrentSheet()->cancelOnFocusLoss) {
        bool inGrid = false;
        for (wxWindow* w = next; w != nullptr; w = w->GetParent()) {
            inGrid = inGrid || w == &m_grid;
        }
        if (!inGrid) {
            m_cancelled = 1;
        }
    }
    if (!Finish()) {
        // Taking the focus back at once would fight the window that has just taken it (often
        // the owner's own message box); wait until that window has let it go.
        m_focusTimer.Start(kFocusPollMs);
    }
}

void CCellEditBase::OnFocusTimer(wxTimerEvent&)
{
    if (!m_open) {
        m_focusTimer.Stop();
        return;
    }
    wxWindow* focus = wxWindow::FindFocus();
    const bool modal = ModalDialogCounter::Open() > 0;
    const bool elsewhere = focus != nullptr && wxGetTopLevelParent(focus) != wxGetTopLevelParent(this);
    if (modal || elsewhere || focus == this) {
        if (focus == this) {
            m_focusTimer.Stop();
        }
        return;
    }
    m_focusTimer.Stop();
    SetFocus();
}
