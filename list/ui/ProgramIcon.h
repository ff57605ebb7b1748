#pragma once

#include <wx/app.h>
#include <wx/toplevel.h>

// Gives a dialog the program's icon, which the main window carries.
inline void UseProgramIcon(wxTopLevelWindow& dialog)
{
    if (auto* main = wxDynamicCast(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, wxTopLevelWindow)) {
        if (main != &dialog) {
            dialog.SetIcons(main->GetIcons());
        }
    }
}
