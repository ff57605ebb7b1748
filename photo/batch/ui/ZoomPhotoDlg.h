#pragma once

#include "foundation/BitmapEx.h"
#include "list/ui/ListDialog.h"

class CPhotoFrame;

// One photo file enlarged to fill a window that can be resized, upright as a list shows it, with
// its pixel size below.
class CZoomPhotoDlg : public CListDialog
{
  public:
    // Opened with no owner, so that it stands beside whichever window asked for it.
    explicit CZoomPhotoDlg(const CString& path);

    // Opens the window modally on the file.
    static void Open(const CString& path);

    bool OnInitDialog() override;
    bool IsLoaded() const { return m_loaded; }
    CPhotoFrame* Frame() const { return m_frame; }

  protected:
    void OnCancelRequest() override { Finish(wxID_CANCEL); }

  private:
    CString m_path;
    CBitmapEx m_photo;
    CPhotoFrame* m_frame = nullptr;
    bool m_loaded = false;
};
