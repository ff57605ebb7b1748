#pragma once

#include "foundation/DropListRows.h"
#include "foundation/ui/DropListOwner.h"
#include "foundation/ui/HostedField.h"

class CDropList;

// A typed field with a drop-down list of choices. Picking a row puts its first column into the
// field through the field's parser; a companion control of the dialog can show another column
// of the row that matches the field.
class CListEdit : public CHostedField, public CDropListOwner
{
  public:
    ~CListEdit() override;

    bool CreateOverDialogItem(wxWindow* parent, int id, const DialogItemInfo* info)
    {
        return AttachToDialogItem(parent, id, info);
    }

    bool SetupList(const DropListSetup& setup);
    const CDropListRows& GetRows() const { return m_rows; }
    CString GetListText(int row, int column) const { return m_rows.GetText(row, column); }
    CDropList* GetDropList() const { return m_popup; }

    void SetIntValue(int value);
    void ShowDropList(bool show);
    bool IsDropListShown() const;

    wxRect FieldScreenRect() const override { return GetScreenRect(); }
    int RowOfFieldText() const override { return m_rows.FindForText(GetText()); }
    void OnListPick() override;
    virtual void UpdateCompanion();

  protected:
    int SideWidth() const override { return 19; }
    wxWindow* CreateSide(const wxRect& rect) override;
    void OnAttached() override;
    void OnEditKillFocus() override;

  private:
    void OnEditKey(wxKeyEvent& event);

    CDropListRows m_rows;
    CDropList* m_popup = nullptr;
    int m_companionId = 0;
    int m_companionColumn = -1;
};
