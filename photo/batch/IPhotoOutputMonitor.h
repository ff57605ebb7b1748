#pragma once

#include "platform/CString.h"

// What the photo output tells its window while it runs, and asks of it between photos.
class IPhotoOutputMonitor
{
  public:
    virtual ~IPhotoOutputMonitor() = default;

    virtual void ShowOutputProgress(const CString& text) = 0;
    // Lets the window breathe after a photo; true when the user asked to stop.
    virtual bool PauseAfterPhoto() = 0;
    // Checked before each photo.
    virtual bool IsOutputCancelled() = 0;
};
