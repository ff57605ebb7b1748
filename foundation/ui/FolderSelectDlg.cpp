#include "foundation/ui/FolderSelectDlg.h"

#include "foundation/ui/ChosenPath.h"

#include "platform/ui/WxText.h"

#include <wx/dirdlg.h>
#include <wx/filename.h>
#include <wx/utils.h>

bool CFolderSelectDlg::Browse()
{
    if (!root.IsEmpty() && !wxFileName::DirExists(ToWx(root))) {
        return false;
    }
    // A start folder that does not exist opens the chooser without a selection.
    CString start = root;
    if (!initialFolder.IsEmpty() && wxFileName::DirExists(ToWx(initialFolder))) {
        start = initialFolder;
    }
    CString chosen;
    if (!ShowChooser(start, chosen) || chosen.IsEmpty()) {
        return false;
    }
    result = chosen;
    return true;
}

bool CFolderSelectDlg::ShowChooser(const CString& start, CString& chosen)
{
    wxDirDialog dialog(nullptr, ToWx(title), start.IsEmpty() ? wxGetHomeDir() : ToWx(start),
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) {
        return false;
    }
    return TakeChosenPath(dialog.GetPath(), chosen);
}
