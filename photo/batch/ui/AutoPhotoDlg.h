#pragma once

#include "foundation/BitmapEx.h"
#include "foundation/ui/ButtonEdit.h"
#include "foundation/ui/SpinEdit.h"
#include "list/ui/ListDialog.h"
#include "photo/batch/IAutoPhotoMonitor.h"

class CPhotoFrame;
class CZantobyDoc;

// The automatic organiser: builds a new list from a folder of photos, a given number of photos
// per row, showing each photo as it is taken in. Ends with OK once a list was built, a cancelled
// build included.
class CAutoPhotoDlg : public CListDialog, public IAutoPhotoMonitor
{
  public:
    CAutoPhotoDlg(wxWindow* parent, CZantobyDoc& doc);

    bool OnInitDialog() override;
    // Button 1104: the build.
    void RunBuild();

    // IAutoPhotoMonitor
    void ShowSearching() override;
    void ShowPhotoReading(const CString& path) override;
    void ShowPhotoDone(int done, int total, const CString& path, const CString& time, int slot) override;
    bool IsBuildCancelled() override;

  protected:
    void OnCancelRequest() override;

  private:
    void EndBuild();

    CZantobyDoc& m_doc;
    CButtonEdit m_folder;
    CSpinEdit m_perRow;
    CPhotoFrame* m_frame = nullptr;
    CBitmapEx m_preview;
    bool m_running = false;
    bool m_cancelled = false;
};
