#include "app/listwindow/ui/SaveChangesPrompt.h"

#include "app/settings/VersionInfo.h"
#include "platform/MessageBox.h"

#include <wx/docview.h>

bool CSaveChangesPrompt::Run(wxDocument& doc, const CString& title)
{
    if (!doc.IsModified()) {
        return true;
    }
    CString text;
    text.Format("%s への変更を保存しますか?", title.GetString());
    switch (ShowMessageBox(text, kProductName, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return doc.Save();
    case IDNO:
        doc.Modify(false);
        return true;
    default:
        return false;
    }
}
