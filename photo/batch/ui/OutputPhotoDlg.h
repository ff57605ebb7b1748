#pragma once

#include "foundation/ui/ButtonEdit.h"
#include "foundation/ui/RadioGroup.h"
#include "foundation/ui/SpinEdit.h"
#include "list/ui/ListDialog.h"
#include "photo/batch/IPhotoOutputMonitor.h"
#include "photo/batch/PhotoOutputSettings.h"

#include <vector>

class COutputPhotoGrid;
class IPhotoProfile;
class CZantobyDoc;

// Writes chosen photos of a list as JPEG files: the photos with their base names, the sizes to
// write, the free length and its base, and the folder. The choices are kept in the profile.
class COutputPhotoDlg : public CListDialog, public IPhotoOutputMonitor
{
  public:
    COutputPhotoDlg(wxWindow* parent, CZantobyDoc& doc, const std::vector<int>& slots,
                    IPhotoProfile& profile);
    ~COutputPhotoDlg() override;

    bool OnInitDialog() override;
    // Button 1104: writes the checked photos; ignored while running.
    void RunOutput();
    COutputPhotoGrid& Grid() { return *m_grid; }

    // IPhotoOutputMonitor
    void ShowOutputProgress(const CString& text) override;
    bool PauseAfterPhoto() override;
    bool IsOutputCancelled() override { return m_cancelled; }

  protected:
    void OnCancelRequest() override;

  private:
    void EnableControls(bool enable);
    PhotoOutputSettings ReadSettings();
    void CheckSize();

    CZantobyDoc& m_doc;
    std::vector<int> m_slots;
    IPhotoProfile& m_profile;
    PhotoOutputSettings m_settings;
    COutputPhotoGrid* m_grid;
    CSpinEdit m_length;
    CRadioGroup m_base;
    CButtonEdit m_folder;
    bool m_running = false;
    bool m_cancelled = false;
};
