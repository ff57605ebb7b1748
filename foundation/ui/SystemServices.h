#pragma once

#include "platform/CString.h"

class wxWindow;

// Shell services of the desktop: starting documents, addresses and programs, help pages, and
// the input method of the focused edit.

// Starts file with the verb ("open" or empty): the browser for an address, the file manager for
// a folder, the desktop's program for the kind of document. A file is never run as a program.
// Returns "" when started, else the Japanese text of the reason.
CString OpenWithShell(wxWindow* window, const char* verb, const CString& file, const CString& parameters,
                      const CString& folder, int showCommand);

// A page in the web browser, a folder in the file manager, a text in the text editor, whatever
// the file's name or permissions; "" when started, else the Japanese text of the reason.
CString OpenPageInBrowser(const CString& path);
CString OpenFolderWindow(const CString& folder);
CString OpenInTextEditor(const CString& path);

// Opens the help page of a topic under the help base address in the user's browser.
bool OpenHelpPage(const CString& base, const CString& topic);

// The input method of the active window: 0 leaves it as the user left it (what the program
// switched off before comes back on in the mode it had), 1 switches it off, 2 switches it on,
// 3 on in half-width katakana, 4 in full-width katakana, 5 in hiragana, above 5 in alphanumeric
// input. The kana and alphanumeric modes need an input method framework that lets a program
// set them (IBus); elsewhere they only switch it on.
void SetImeMode(int mode);
