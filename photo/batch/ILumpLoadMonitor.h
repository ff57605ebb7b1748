#pragma once

#include "platform/CString.h"

// What the bulk import's folder reading tells its window and asks of it.
class ILumpLoadMonitor
{
  public:
    virtual ~ILumpLoadMonitor() = default;

    // The file about to be read: read files so far and the total.
    virtual void ShowLoading(const CString& path, int done, int total) = 0;
    // A file could not be read (reported already): true to go on with the next.
    virtual bool AskToGoOnAfter(const CString& path) = 0;
    // Lets the window breathe between files; true when the user asked to stop.
    virtual bool IsLoadCancelled() = 0;
};
