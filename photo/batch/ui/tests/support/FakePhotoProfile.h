#pragma once

#include "photo/batch/IPhotoProfile.h"

// The photo settings in memory, as the dialogs left them.
class FakePhotoProfile : public IPhotoProfile
{
  public:
    CString GetPhotoFolder() const override { return photoFolder; }
    void SetPhotoFolder(const CString& folder) override { photoFolder = folder; }
    bool GetViewSubFolder() const override { return viewSubFolder; }
    void SetViewSubFolder(bool on) override { viewSubFolder = on; }
    bool LoadPhotoOutputSettings(PhotoOutputSettings& settings) const override
    {
        settings = output;
        return true;
    }
    bool SavePhotoOutputSettings(const PhotoOutputSettings& settings) override
    {
        output = settings;
        ++outputSaves;
        return true;
    }

    CString photoFolder;
    bool viewSubFolder = false;
    PhotoOutputSettings output;
    int outputSaves = 0;
};
