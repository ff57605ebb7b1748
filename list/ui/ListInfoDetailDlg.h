#pragma once

#include "foundation/DialogItemInfo.h"
#include "foundation/ui/EditField.h"
#include "foundation/ui/RadioGroup.h"
#include "foundation/ui/SpinEdit.h"
#include "list/ColumnRecord.h"
#include "list/ui/ListDialog.h"

#include <vector>

class IListHost;

// What the five column detail dialogs share: the names, remark, alignment and width of one
// column record and (but for Yes/No) its input rules, the help, set and cancel buttons, and the
// set that writes the record only when something was changed. Each type's dialog adds its own
// controls below the shared ones. Ends with IDOK when the record was written.
class CListInfoDetailDlg : public CListDialog
{
  public:
    bool OnInitDialog() override;

    // The set button: writes the record and closes with IDOK, or closes with IDCANCEL when
    // nothing was changed.
    void ApplyColumnDetail();
    // Esc and the close box: asks before changes are dropped.
    void CancelColumnDetail();
    bool IsDetailModified();

    CEditField& NameField() { return m_name; }

  protected:
    // Where the type's own controls start, and the ids of the shared ones.
    static constexpr int kTypeTop = 170;
    static constexpr int kClientWidth = 470;
    enum : int
    {
        idName = 1017,
        idSubName = 1023,
        idRemark = 1045,
        idLeft = 1018,
        idCentre = 1019,
        idRight = 1020,
        idWidth = 1021,
        idRequired = 1211,
        idUnique = 1212,
        idHelp = 1091,
        idSet = 1104,
        idCancel = 1100,
    };
    // A text field of any characters, as the names and most texts of the dialogs are.
    static const TextFormat kAnyText;

    CListInfoDetailDlg(wxWindow* parent, IListHost& host, ColumnRecord& record, int templateId,
                       const char* title, int typeHeight);

    // Building blocks of the type's controls, made in the derived constructor.
    void AddItem(int id, const char* tooltip);
    void Label(const char* text, int x, int y);
    void Placeholder(int id, int x, int y, int width);
    wxWindow* AddCheckBox(int id, const char* text, int x, int y, const char* tooltip);

    // The type's fields from the record, once the dialog is set up.
    virtual void InitTypeFields() = 0;
    // The type's values into a copy of the record that the set writes from.
    virtual void ReadTypeFields(ColumnRecord& form) = 0;
    virtual bool IsTypeModified() { return false; }
    void OnCancelRequest() override { CancelColumnDetail(); }

    IListHost& m_host;
    ColumnRecord& m_record;
    // Set by every click on a radio button or check box.
    bool m_changed = false;

  private:
    std::vector<DialogItemInfo> m_items;
    bool m_hasRules;
    CEditField m_name;
    CEditField m_subName;
    CEditField m_remark;
    CRadioGroup m_align;
    CSpinEdit m_width;
};
