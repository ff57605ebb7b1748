#pragma once

#include "platform/CString.h"

// Texts of the system in the user's language, and the locale they come in.

// Takes the user's locale (LANG, LC_*) at start-up, so that the desktop's dialogs and the
// system's messages speak the user's language. Numbers keep the "C" form, in which the program
// writes its own texts and files.
void TakeUserLocale();

// The system's text for an errno value (strerror) in the program's Shift_JIS, converted from the
// locale's character set.
CString SystemErrorText(int error);
