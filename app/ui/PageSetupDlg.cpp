#include "app/ui/PageSetupDlg.h"

#include "app/PrintCommands.h"
#include "app/ui/BandSetupPage.h"
#include "app/ui/ColumnSetupPage.h"
#include "app/ui/LayoutSetupPage.h"
#include "app/ui/MarginSetupPage.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

#include <wx/button.h>
#include <wx/notebook.h>

namespace {

enum : int
{
    idTabs = 1118,
    idListPreview = 1343,
    idSheetPreview = 1126,
    idStore = 1104,
    idCancel = IDCANCEL,
    idHelp = 1091,
};

constexpr const char* kTabLabels[] = {"ﾚｲｱｳﾄ", "余白", "一覧ﾍｯﾀﾞ/ﾌｯﾀ", "単票ﾍｯﾀﾞ/ﾌｯﾀ", "項目"};

} // namespace

CPageSetupDlg::CPageSetupDlg(wxWindow* parent, CZantobyDoc& doc)
    : CAnchorDialog(parent, kTemplateId, "ページ設定", wxDefaultSize), m_model(doc)
{
    SetClientSize(wxSize(560, 470));
    SetHelpTopic("PageSetupDlg");
    m_tabs = new wxNotebook(this, idTabs, wxPoint(6, 6), wxSize(548, 410));
    m_pages = {new CLayoutSetupPage(m_tabs), new CMarginSetupPage(m_tabs), new CBandSetupPage(m_tabs, false),
               new CBandSetupPage(m_tabs, true), new CColumnSetupPage(m_tabs)};
    for (size_t tab = 0; tab < m_pages.size(); ++tab) {
        m_tabs->AddPage(m_pages[tab], ToWx(kTabLabels[tab]), tab == 0);
    }
    const int top = 428;
    new wxButton(this, idListPreview, ToWx("一覧ﾌﾟﾚﾋﾞｭｰ(&3)"), wxPoint(6, top), wxSize(120, 30));
    new wxButton(this, idSheetPreview, ToWx("単票ﾌﾟﾚﾋﾞｭｰ(&4)"), wxPoint(130, top), wxSize(120, 30));
    auto* store = new wxButton(this, idStore, ToWx("設定(Enter)"), wxPoint(268, top), wxSize(94, 30));
    new wxButton(this, idCancel, ToWx("取消(Esc)"), wxPoint(366, top), wxSize(94, 30));
    new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(464, top), wxSize(90, 30));
    store->SetDefault();
    SetAffirmativeId(idStore);
    SetEscapeId(idCancel);
    Bind(wxEVT_BUTTON, &CPageSetupDlg::OnStoreAndClose, this, idStore);
    Bind(wxEVT_BUTTON, &CPageSetupDlg::OnStoreAndClose, this, idListPreview);
    Bind(wxEVT_BUTTON, &CPageSetupDlg::OnStoreAndClose, this, idSheetPreview);
    Bind(wxEVT_BUTTON, &CPageSetupDlg::OnCancel, this, idCancel);
    Bind(wxEVT_BUTTON, &CPageSetupDlg::OnHelp, this, idHelp);
}

bool CPageSetupDlg::OnInitDialog()
{
    for (CPageSetupPage* page : m_pages) {
        page->Load(m_model);
    }
    return true;
}

int CPageSetupDlg::Run()
{
    const int result = DoModal();
    return result == IDOK || result == ID_FILE_PREVIEW_LIST || result == ID_FILE_PREVIEW_SHEET ? result
                                                                                               : IDCANCEL;
}

void CPageSetupDlg::Store()
{
    for (CPageSetupPage* page : m_pages) {
        page->Save(m_model);
    }
    m_model.Commit();
}

void CPageSetupDlg::OnStoreAndClose(wxCommandEvent& event)
{
    if (!AcceptFieldTexts()) {
        return;
    }
    Store();
    switch (event.GetId()) {
    case idListPreview:
        EndModal(ID_FILE_PREVIEW_LIST);
        break;
    case idSheetPreview:
        EndModal(ID_FILE_PREVIEW_SHEET);
        break;
    default:
        EndModal(IDOK);
        break;
    }
}

void CPageSetupDlg::OnCancel(wxCommandEvent&)
{
    EndModal(IDCANCEL);
}

void CPageSetupDlg::OnHelp(wxCommandEvent&)
{
    wxCommandEvent help(wxEVT_BUTTON, wxID_HELP);
    help.SetEventObject(this);
    ProcessEvent(help);
}
