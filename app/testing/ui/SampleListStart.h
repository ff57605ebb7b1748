#pragma once

#include "platform/CString.h"

#include <wx/toplevel.h>

class CGridView;
class wxWindow;

// Starts the program with a sample list of goods, made in a scratch folder, named on its command
// line, once per process; returns the list window's grid view (null once the list has closed).
CGridView* StartWithSampleList(int rows, int photoRows);
// Starts the program with the list file on its command line, once per process; returns the
// list window's grid view (null once the list has closed).
CGridView* StartWithList(const CString& path);

// Sends a menu command to a window as its menu does.
void SendCommand(wxWindow& window, int id);

// The first shown top-level window of a kind, or null.
template <typename Window> Window* ShownWindow()
{
    for (wxWindow* window : wxTopLevelWindows) {
        if (auto* found = dynamic_cast<Window*>(window); found != nullptr && found->IsShown()) {
            return found;
        }
    }
    return nullptr;
}
