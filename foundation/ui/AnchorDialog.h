#pragma once

#include "foundation/AnchorLayout.h"
#include "platform/CString.h"

#include <wx/dialog.h>

#include <functional>
#include <map>

class wxBitmap;
class wxFont;
class wxIcon;

// The base of the program's dialogs: a table of its controls moves and stretches them when the
// dialog is resized, colours them, gives them tooltips and moves the focus on arrow keys and
// Enter; small helpers read and set controls by id.
class CAnchorDialog : public wxDialog
{
  public:
    // Opens the help page of a topic; the application installs it.
    using HelpHandler = std::function<void(const CString& topic)>;
    // The help button of the program's dialogs; it opens the help page as F1 does.
    static constexpr int kHelpButtonId = 1091;

    CAnchorDialog(wxWindow* parent, int templateId, const CString& title, const wxSize& size,
                  long style = wxDEFAULT_DIALOG_STYLE);
    ~CAnchorDialog() override;

    int GetTemplateId() const { return m_templateId; }
    // Runs the dialog modally; the result is the id of the button that closed it.
    int DoModal() { return ShowModal(); }
    // Shows the dialog modeless and in front; it takes input even while a modal dialog runs
    // under it, which holds every other window.
    void ShowModeless();

    // Called once before the dialog is first shown; derived dialogs attach their fields and
    // install their table here. Unless it returns false or gives a field the focus itself, the
    // first item in the tab order takes the keyboard.
    virtual bool OnInitDialog() { return true; }

    // Table
    // Installs the table (copied, so it may be static and const). False when a listed control
    // does not exist: the dialog then keeps its size, the table still serves the rest.
    bool SetAnchorTable(const DialogItemInfo* table, bool makeResizable);
    virtual const char* GetItemTip(int id) const;
    virtual DialogItemInfo* FindItemInfo(int id);
    bool SetItemColors(int id, COLORREF text, COLORREF back, bool redraw);
    CSize GetMinimumSize() const { return m_layout.GetMinimumSize(); }

    // Whether every shown, editable text field of the dialog holds only characters the
    // program's text can keep; otherwise a box names the others and the first such field takes
    // the focus to be changed. Called before a dialog takes its fields' values.
    bool AcceptFieldTexts();

    // Help
    void SetHelpTopic(const CString& topic) { m_helpTopic = topic; }
    const CString& GetHelpTopic() const { return m_helpTopic; }
    static HelpHandler SetHelpHandler(HelpHandler handler);

    // Control helpers; the control of the id must exist.
    using wxDialog::SetTitle;
    void SetTitle(const CString& text);
    wxWindow* GetItem(int id) const;
    CString GetItemText(int id) const;
    void SetItemText(int id, const CString& text);
    int GetFocusItemId() const;
    void ShowItem(int id, bool show);
    bool EnableItem(int id, bool enable);
    void SetItemFont(int id, const wxFont* font);
    void SetItemBitmap(int id, const wxBitmap& bitmap);
    void SetButtonBitmap(int id, const wxBitmap& bitmap);
    void SetButtonIcon(int id, const wxIcon& icon);
    void SelectComboString(int id, const CString& text);
    void SelectComboData(int id, intptr_t value);
    CString GetComboText(int id, int index) const;
    intptr_t GetComboData(int id, int index) const;
    bool IsItemChecked(int id) const;
    int GetCheckedRadio(int firstId, int count) const;
    void SetItemCheck(int id, bool check, bool enable);
    void SetProgressRange(int id, int minimum, int maximum);
    void SetProgressPos(int id, int pos);
    void SetSlider(int id, int pos, int minimum, int maximum);
    void SetSliderPos(int id, int pos);
    int GetSliderPos(int id) const;

  protected:
    // Moves the anchored controls for the dialog's present size.
    void LayoutAnchoredItems();

  private:
    void OnInitDialogEvent(wxInitDialogEvent& event);
    void FocusFirstItem();
    bool EditingInACell() const;
    void OnSize(wxSizeEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnHelpCommand(wxCommandEvent& event);
    void ApplyItemColors(const DialogItemInfo& item);

    int m_templateId;
    bool m_initialised = false;
    CAnchorLayout m_layout;
    CString m_helpTopic;
    // Lower end of each progress bar's range, as the gauge counts from 0.
    std::map<int, int> m_progressMinimum;
};
