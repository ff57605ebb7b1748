#pragma once

#include "platform/CString.h"

class wxWindow;

// Shell services of the desktop: starting documents, addresses and programs, help pages, and
// the input method of the focused edit.

// Starts file with the verb ("open" or empty: the desktop's default program for a document,
// the browser for an address; a program file is run with parameters in folder). Returns ""
// when started, else the Japanese text of the reason.
CString OpenWithShell(wxWindow* window, const char* verb, const CString& file, const CString& parameters,
                      const CString& folder, int showCommand);

// Opens the help page of a topic under the help base address in the user's browser.
bool OpenHelpPage(const CString& base, const CString& topic);

// The input method of the focused edit: 0 leaves it, 1 switches it off, 2 and above switch it
// on (the desktop's input method keeps its own conversion mode).
void SetImeMode(int mode);
