#pragma once

#include "app/listwindow/ListSummary.h"
#include "foundation/BitmapEx.h"

#include <ctime>
#include <vector>

// The preview of the open-list dialog without its window: for the list file under the cursor,
// read once the selection has settled, its title, row and photo counts and last change, and
// its photo thumbnails stepped through one after another. It is driven by a 100 ms tick.
class COpenListPreview
{
  public:
    // Ticks before the preview is read and between two photos.
    static constexpr int kReadDelay = 5;
    static constexpr int kStepDelay = 12;

    enum class Change
    {
        None,
        Preview, // the texts and the picture
        Picture,
    };

    // A new file or folder under the cursor: it is read kReadDelay ticks later.
    void Select(const CString& path);
    // One tick of the timer.
    Change Tick();
    // Reads the preview of the file now (a folder or a file that is no list: an empty one).
    void Load(const CString& path);

    // The spin button: a positive delta shows the previous photo, a negative one the next; the
    // stepping stops either way.
    Change Spin(int delta);

    const CString& GetTitle() const { return m_summary.GetTitle(); }
    // Counts as text, empty for none; the file's own time of last change.
    CString GetRowText() const;
    CString GetPhotoText() const;
    CString GetTimeText() const;
    int GetCurrentPhoto() const { return m_current; }
    const CBitmapEx& GetPicture() const { return m_picture; }
    bool IsStepping() const { return m_stepCountdown >= 0; }

  private:
    Change ShowPhoto(int photo);
    // The next (or previous) photo of the list after the current one, wrapping round; -1 when
    // there is none.
    int FindNext(bool forward) const;

    CString m_path;
    CListSummary m_summary;
    std::time_t m_changed = 0;
    std::vector<bool> m_hasPhoto;
    int m_current = -1;
    CBitmapEx m_picture;
    int m_readCountdown = -1;
    int m_stepCountdown = -1;
};
