#pragma once

#include "foundation/DialogItemInfo.h"
#include "foundation/ui/FieldEvents.h"
#include "foundation/ui/TypedEdit.h"

#include <wx/panel.h>

// What the hosted fields share: taking the place of a placeholder control of a dialog (its id,
// place, size and tab order), a typed edit with a side control beside it, tooltips from the
// dialog's table, and notifications to the dialog under the field's own id.
class CHostedField : public wxPanel, public CTypedEdit::Host
{
  public:
    // Replaces the dialog's control of the id; false when there is none.
    bool AttachToDialogItem(wxWindow* parent, int id, const DialogItemInfo* info);

    int GetItemId() const { return m_itemId; }
    CTypedEdit& GetEdit() { return *m_edit; }
    CString GetText() const { return m_edit->GetText(); }
    void SetText(const CString& text) { m_edit->SetText(text); }
    // Text mode; a format that needs another kind of edit (several lines, password) gets one.
    void SetTextFormat(const TextFormat* format);
    // Enables or disables the edit, the side control and the field together.
    void EnableControl(bool enable);

    // Set when the value was changed by the user since the dialog last cleared it.
    bool IsChanged() const { return m_changed; }
    void SetChanged(bool changed) { m_changed = changed; }

    // The field's text as a dialog control's label.
    void SetLabel(const wxString& label) override;
    wxString GetLabel() const override;

    // Notifications to the dialog under the field's id: queued, or handled before returning.
    void PostToParent(wxEventType type);
    bool SendToParent(wxEventType type);

  protected:
    // Width of the side control at the right edge; 0 for none.
    virtual int SideWidth() const { return 0; }
    // Makes the side control inside rect.
    virtual wxWindow* CreateSide(const wxRect&) { return nullptr; }
    // Called when the edit reports a change of its text.
    virtual void OnEditChange() {}
    // After a kind has attached: extra set-up.
    virtual void OnAttached() {}
    void OnEditSetFocus() override;

    // The modify and changed flags of the edit, both cleared; true when either was set.
    bool TakeEditChange();
    wxWindow* GetSide() const { return m_side; }

  private:
    void CreateEdit(const TextFormat* format);
    void LayoutChildren();

    int m_itemId = 0;
    int m_alignment = 0;
    CTypedEdit* m_edit = nullptr;
    wxWindow* m_side = nullptr;
    const char* m_tooltip = nullptr;
    bool m_changed = false;
};
