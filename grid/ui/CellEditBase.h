#pragma once

#include "grid/GridEditWindow.h"
#include "platform/canvas/LogFont.h"

#include <wx/textctrl.h>
#include <wx/timer.h>

#include <optional>

class CCellGrid;

// What both in-cell edits share: laid over a cell by the grid, they turn Tab, Enter, Esc and the
// arrows into an end of editing with a requested move, let the owner verify each character, and
// hand the text back to the grid when they close. When the owner refuses the text, the edit
// takes the focus back once no other window (such as the owner's message box) holds it.
class CCellEditBase : public wxTextCtrl, public CGridEditWindow
{
  public:
    CCellEditBase(CCellGrid& grid, int id, long style);

    // The grid's side of the window.
    void SetText(const CString& text) override;
    CString GetText() const override;
    void Open(int section, const CRect& rect, const LogFont* font, bool multiLine) override;
    void SendChar(unsigned int character) override;
    void Hide() override;
    bool HasFocus() const override;
    const LogFont* GetFont() const override { return m_hasFont ? &m_font : nullptr; }

    bool IsOpen() const { return m_open; }
    // Ends editing as the keys do: with a move to (column, row), or cancelled.
    void EndWithMove(int column, int row);
    void EndCancelled();
    // Whether the edit waits to take the focus back from another window.
    bool IsWaitingForFocus() const { return m_focusTimer.IsRunning(); }

    // A composition begun on the idle cell goes on where it began, in the cell area's input
    // context (moving it would lose what was typed before the edit's own context is ready), and
    // shows here meanwhile, underlined, in place of the selected text. The edit opens without
    // the keyboard then, and takes it once the composition ends.
    void ShowComposition(const wxString& text, int cursor);
    // Shows the text as it was before the composition, with its selection.
    void EndComposition();
    bool ShowsComposition() const { return m_beforeComposition.has_value(); }
    // Takes the keyboard with the caret where it is, when the composition has ended.
    void TakeKeyboard();

    // The handlers, reachable for tests that cannot press real keys.
    void HandleKeyDown(wxKeyEvent& event);
    void HandleChar(wxKeyEvent& event);

  protected:
    CCellGrid& Grid() { return m_grid; }
    // The cell being edited runs over several lines.
    bool IsMultiLineCell() const;
    // A character typed (or sent) into the edit after the owner verified it.
    virtual void InsertChar(unsigned int character);
    // Whether a character may be typed at all; the masked edit checks its pattern.
    virtual bool FilterChar(unsigned int character);
    virtual void OnOpened() {}
    // The text shown changed without typing (a composition).
    virtual void OnTextShown() {}

  private:
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnFocusTimer(wxTimerEvent& event);
    // Runs the grid's FinishEdit with the state the keys left; false when the owner refused.
    bool Finish();
    // The owner's verification of a typed character; false drops it.
    bool Verify(unsigned int& character);

    CCellGrid& m_grid;
    LogFont m_font;
    bool m_hasFont = false;
    bool m_open = false;
    bool m_finishing = false;
    int m_newColumn = 0;
    int m_newRow = 0;
    int m_cancelled = 0;
    int m_moveRequested = 0;
    wxTimer m_focusTimer;
    struct ShownText
    {
        wxString text;
        long from = 0;
        long to = 0;
    };
    std::optional<ShownText> m_beforeComposition;
};
