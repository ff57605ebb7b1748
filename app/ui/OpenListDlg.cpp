#include "app/ui/OpenListDlg.h"

#include "app/ProfileSettings.h"
#include "app/ui/OpenListPane.h"
#include "foundation/PathName.h"
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
    const int result = ShowModal();
    if (result == wxID_OK) {
        m_settings.SetListOpenFolder(GetFolderOfPath(GetChosenPath()));
    }
    return result;
}

CString COpenListDlg::GetChosenPath() const
{
    return FromWx(GetPath());
}
