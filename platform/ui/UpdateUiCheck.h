#pragma once

class wxUpdateUIEvent;

// Checks a button or a checkable menu item; a plain menu item cannot carry a check mark.
void SetCheckIfCheckable(wxUpdateUIEvent& event, bool on);
