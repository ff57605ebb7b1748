#pragma once

#include "platform/CString.h"

// What the automatic organiser tells its window while it builds, and asks of it between photos.
class IAutoPhotoMonitor
{
  public:
    virtual ~IAutoPhotoMonitor() = default;

    // The photos are being searched for.
    virtual void ShowSearching() = 0;
    // The photo of the path is being taken in: a message about it (that it cannot be read)
    // comes while the window names it.
    virtual void ShowPhotoReading(const CString& path) = 0;
    // One photo done (done counts it): its path, its last-write time as text, and its slot in
    // the list (-1 when it could not be taken).
    virtual void ShowPhotoDone(int done, int total, const CString& path, const CString& time, int slot) = 0;
    // Lets the window breathe, after a photo and while photos are being made; true when the user
    // asked to stop.
    virtual bool IsBuildCancelled() = 0;
};
