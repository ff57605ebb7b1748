#pragma once

#include "platform/MessageBox.h"

#include <wx/defs.h>

class wxMessageDialog;

// Shows the platform's message boxes as wx message dialogs: buttons, icon, default button and
// topmost style of the Windows box style, Japanese button captions.
class WxMessageBox
{
  public:
    // Installs the handler that shows real boxes; returns the previous handler.
    static MessageBoxHandler Install();

    // Shows one box and returns the Windows answer (IDOK, IDYES ...).
    static int Show(const CString& text, const CString& caption, unsigned style);

    // The wx style of a Windows box style.
    static long ToWxStyle(unsigned style);
    // The Windows answer for the wx answer of a box shown with the style.
    static int ToAnswer(unsigned style, int wxAnswer);
    // Puts the Japanese captions of the style's buttons on the dialog.
    static void SetButtonLabels(wxMessageDialog& dialog, unsigned style);
};
