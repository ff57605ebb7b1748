#pragma once

#include "platform/CString.h"

class wxDocument;

// Asks whether to save a modified document before it closes, and saves or drops its changes.
class CSaveChangesPrompt
{
  public:
    // True when the document may close: unmodified, saved, or its changes dropped.
    static bool Run(wxDocument& doc, const CString& title);
};
