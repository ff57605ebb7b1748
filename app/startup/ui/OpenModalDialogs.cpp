#include "app/startup/ui/OpenModalDialogs.h"

#include <wx/dialog.h>

#include <algorithm>
#include <iterator>

COpenModalDialogs& COpenModalDialogs::Get()
{
    static COpenModalDialogs* dialogs = nullptr;
    if (dialogs == nullptr) {
        dialogs = new COpenModalDialogs();
        dialogs->Register();
    }
    return *dialogs;
}

int COpenModalDialogs::Enter(wxDialog* dialog)
{
    m_open.push_back(dialog);
    return wxID_NONE;
}

void COpenModalDialogs::Exit(wxDialog* dialog)
{
    if (auto found = std::find(m_open.rbegin(), m_open.rend(), dialog); found != m_open.rend()) {
        m_open.erase(std::next(found).base());
    }
}
