#pragma once

#include "platform/CString.h"

// What a running backup tells the window that started it, and asks of it between files.
class IBackupMonitor
{
  public:
    virtual ~IBackupMonitor() = default;

    // The name of the file being copied, and at the end the outcome.
    virtual void ShowBackupStatus(const CString& text) = 0;
    // Progress from 0 to CBackupEngine::kProgressEnd.
    virtual void SetBackupProgress(int position) = 0;
    // Lets the window handle its events; true when the user asked to stop.
    virtual bool IsBackupCancelled() = 0;
};
