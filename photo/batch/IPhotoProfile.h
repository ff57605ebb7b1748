#pragma once

#include "photo/batch/PhotoOutputSettings.h"
#include "platform/CString.h"

// The settings the photo imports and the photo output keep from run to run: the folder photos
// were last taken from, whether the continuous import looks into sub-folders, and the output's
// choices. The application keeps them in its profile; tests use an in-memory fake.
class IPhotoProfile
{
  public:
    virtual ~IPhotoProfile() = default;

    virtual CString GetPhotoFolder() const = 0;
    virtual void SetPhotoFolder(const CString& folder) = 0;
    virtual bool GetViewSubFolder() const = 0;
    virtual void SetViewSubFolder(bool on) = 0;
    // The output's record as a whole; Save is false when a value could not be written.
    virtual bool LoadPhotoOutputSettings(PhotoOutputSettings& settings) const = 0;
    virtual bool SavePhotoOutputSettings(const PhotoOutputSettings& settings) = 0;
};
