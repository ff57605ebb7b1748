#pragma once

#include "list/PhotoReconverter.h"

class CAnchorDialog;

// Watches a photo conversion from the dialog that started it: keeps the dialog live between
// photos, shows the photo being converted in its status line and passes on a request to stop.
class CPhotoConversionWatch : public CPhotoReconverter::Observer
{
  public:
    CPhotoConversionWatch(CAnchorDialog& dialog, int statusId) : m_dialog(dialog), m_statusId(statusId) {}

    // Before a run, and after it: no stop is pending.
    void Reset() { m_stop = false; }
    void RequestStop() { m_stop = true; }

    void BeforePhoto(int slot) override;
    bool StopRequested() override;

  private:
    CAnchorDialog& m_dialog;
    int m_statusId;
    bool m_stop = false;
};
