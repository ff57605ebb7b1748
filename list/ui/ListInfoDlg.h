#pragma once

#include "foundation/ui/EditField.h"
#include "foundation/ui/RadioGroup.h"
#include "foundation/ui/SpinEdit.h"
#include "list/ListInfoApply.h"
#include "list/ListInfoColumns.h"
#include "list/ui/ListDialog.h"
#include "list/ui/PhotoConversionWatch.h"

class CListInfoGrid;
class CZantobyDoc;
class IListHost;

// "ﾘｽﾄ情報設定": the title, the locked columns, the column definitions in a grid and the photo
// sizes of a list, applied all at once by the set button. Ends with IDOK when the list was
// changed, IDCANCEL when it was not.
class CListInfoDlg : public CListDialog
{
  public:
    CListInfoDlg(wxWindow* parent, CZantobyDoc& doc);

    bool OnInitDialog() override;

    CListInfoGrid& Grid() { return *m_grid; }
    CEditField& TitleField() { return m_title; }
    CListInfoColumns& Columns() { return m_columns; }

    // The buttons
    void ApplyListInfo();
    void CancelListInfo();
    void OnInsertColumn();
    void OnDeleteColumn();
    void OnMoveColumnUp();
    void OnMoveColumnDown();
    void OpenColumnDetailDlg(int row);
    void CheckStandardSize();
    void CheckThumbnailSize();

    bool IsInfoModified();

  protected:
    void OnCancelRequest() override { CancelListInfo(); }
    bool IsEditingInPlace() const override;

  private:
    // After a button changed the records: the grid follows and takes the focus.
    void AfterColumnEdit(int currentRow);
    void CheckSize(CSpinEdit& field, int buttonId, int minimum, int maximum);
    void OnUpdateButton(wxUpdateUIEvent& event);

    CZantobyDoc& m_doc;
    IListHost& m_host;
    CListInfoColumns m_columns;
    CListInfoGrid* m_grid;
    CEditField m_title;
    CSpinEdit m_lockedColumns;
    CSpinEdit m_standardSize;
    CSpinEdit m_standardPercent;
    CSpinEdit m_thumbnailSize;
    CRadioGroup m_sizeBasis;
    bool m_busy = false;
    // Watches the set button's photo conversion, which a cancel meanwhile stops.
    CPhotoConversionWatch m_watch;
    // A set that stopped part-way has already changed the list.
    bool m_changedDocument = false;
};
