#pragma once

#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/ButtonEdit.h"
#include "foundation/ui/EditField.h"
#include "foundation/ui/RadioGroup.h"
#include "web/site/WebCreateForm.h"
#include "web/site/WebFileCreator.h"

#include <vector>

class CWebColumnGrid;
class CWebListStyleDlg;
class CZantobyDoc;

// The Web file creation dialog ("Webﾌｧｲﾙ作成"): edits the list's Web settings and runs the
// creation of its Web files, one run at a time.
class CCreateWebDlg : public CAnchorDialog
{
  public:
    CCreateWebDlg(wxWindow* parent, CZantobyDoc& doc);

    // Shows the dialog for the list until it is closed.
    static void Run(wxWindow* parent, CZantobyDoc& doc);

    bool OnInitDialog() override;

    // The fields as a form, and a form into the fields.
    WebCreateForm ReadForm();
    void ShowForm(const WebCreateForm& form);
    // The run behind "作成" (and, with recreate, "再作成"); true when it reached its end.
    bool CreateWebFiles(bool recreate);
    void SetStatusText(const CString& text);
    void UpdatePreview();

    CWebColumnGrid& Grid() { return *m_grid; }
    CWebListStyleDlg& StyleDialog() { return *m_styleDialog; }
    CWebFileCreator& Creator() { return m_creator; }

  private:
    void LoadSettings();
    void ShowMessage(const CString& message);
    void OnCreate(wxCommandEvent& event);
    void OnRecreate(wxCommandEvent& event);
    void OnBaseFileMenu(wxCommandEvent& event);
    void OnOpenBaseFile(wxCommandEvent& event);
    void OnOpenHtml(wxCommandEvent& event);
    void OnOpenFolder(wxCommandEvent& event);
    void OnMoveRow(wxCommandEvent& event);
    void OnShowStyle(wxMouseEvent& event);
    void OnStyleChanged(wxCommandEvent& event);
    void OnClose(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    // Warning 30001 with the reason when a file or folder could not be opened.
    void ShowOpenFailure(const CString& path, const CString& failure);

    CZantobyDoc& m_doc;
    CWebFileCreator m_creator;
    CButtonEdit m_folder;
    CEditField m_listName;
    CEditField m_fullName;
    CEditField m_title;
    CRadioGroup m_pageView;
    CRadioGroup m_findMulti;
    CRadioGroup m_outputMode;
    CWebColumnGrid* m_grid = nullptr;
    CWebListStyleDlg* m_styleDialog = nullptr;
    std::vector<DialogItemInfo> m_items;
    bool m_busy = false;
};
