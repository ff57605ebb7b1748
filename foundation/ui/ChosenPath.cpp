#include "foundation/ui/ChosenPath.h"

#include "foundation/FileUtility.h"
#include "platform/MessageBox.h"
#include "platform/ui/WxText.h"

#include <wx/app.h>

bool TakeChosenPath(const wxString& chosen, CString& path)
{
    const wxScopedCharBuffer utf8 = chosen.utf8_str();
    const CString unheld = DescribeUnheldPath(std::string_view(utf8.data(), utf8.length()));
    if (!unheld.IsEmpty()) {
        ShowMessageBox(unheld, CString(),
                       MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    path = FromWx(chosen);
    return true;
}
