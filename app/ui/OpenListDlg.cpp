#include "app/ui/OpenListDlg.h"

#include "app/ProfileSettings.h"
#include "app/ui/OpenListPane.h"
#include "foundation/PathName.h"
#include "foundation/ui/ChosenPath.h"
#include "platform/ui/FileDialogFilter.h"
#include "platform/ui/WxText.h"

COpenListDlg::COpenListDlg(wxWindow* parent, CProfileSettings& settings)
    : wxFileDialog(parent, ToWx("リストを開く"), ToWx(settings.GetListOpenFolder()), wxString(),
                   FileDialogFilter("ﾘｽﾄﾌｧｲﾙ(*.zbk)|*.zbk|全てのﾌｧｲﾙ(*.*)|*.*"), wxFD_OPEN | wxFD_FILE_MUST_EXIST),
      m_settings(settings)
{
    SetExtraControlCreator(&COpenListDlg::CreatePane);
}

wxWindow* COpenListDlg::CreatePane(wxWindow* parent)
{
    auto* dialog = dynamic_cast<wxFileDialog*>(parent);
    return new COpenListPane(
        parent, [dialog] { return dialog != nullptr ? dialog->GetCurrentlySelectedFilename() : wxString(); });
}

int COpenListDlg::DoModal()
{
    if (ShowModal() != wxID_OK || !TakeChosenPath(GetPath(), m_chosen)) {
        return wxID_CANCEL;
    }
    m_settings.SetListOpenFolder(GetFolderOfPath(m_chosen));
    return wxID_OK;
}
