#include "photo/batch/ui/InsertPhotoDlg.h"

#include "app/ProfileSettings.h"
#include "foundation/PathName.h"
#include "photo/batch/ui/InsertPhotoPane.h"
#include "foundation/ui/ChosenPath.h"
#include "platform/ui/FileDialogFilter.h"
#include "platform/ui/WxText.h"

namespace {

// All files: "*" matches names without a dot too.
constexpr const char* kFilter = "JPEGﾌｧｲﾙ(*.jpg)|*.jpg|全てのﾌｧｲﾙ(*.*)|*";

} // namespace

CInsertPhotoDlg::CInsertPhotoDlg(wxWindow* parent, CProfileSettings& settings, std::function<void()> help)
    : wxFileDialog(parent, ToWx("新規写真の追加"), wxEmptyString, wxEmptyString, FileDialogFilter(kFilter),
                   wxFD_OPEN | wxFD_FILE_MUST_EXIST),
      m_settings(settings), m_help(std::move(help))
{
    SetExtraControlCreator(&CInsertPhotoDlg::CreatePane);
}

wxWindow* CInsertPhotoDlg::CreatePane(wxWindow* dialog)
{
    auto* self = dynamic_cast<CInsertPhotoDlg*>(dialog);
    if (self == nullptr) {
        return nullptr;
    }
    return new CInsertPhotoPane(self, [self] {
        if (self->m_help) {
            self->m_help();
        }
    });
}

int CInsertPhotoDlg::DoModal(CString& path)
{
    SetDirectory(ToWx(m_settings.GetPhotoFolder()));
    if (ShowModal() != wxID_OK) {
        return wxID_CANCEL;
    }
    if (!TakeChosenPath(GetPath(), path)) {
        return wxID_CANCEL;
    }
    m_settings.SetPhotoFolder(GetFolderOfPath(path));
    return wxID_OK;
}
