#pragma once

#include "foundation/PathName.h"
#include "platform/CString.h"

#include <vector>

// A few facts of a list file read without opening the list: its title, where its Web list
// page lies, how many rows and which photos it holds, and where their thumbnails are. It only
// reads the file, so it neither takes the list's lock nor minds a list that is open elsewhere.
class CListSummary
{
  public:
    void Reset();
    // False, leaving the summary empty, when the file cannot be opened.
    bool Read(const CString& path);

    const CString& GetTitle() const { return m_title; }
    int GetRowCount() const { return m_rowCount; }
    int GetPhotoCount() const { return static_cast<int>(m_photos.size()); }
    const CPathName& GetPath() const { return m_path; }

    // The Web folder ("%Default%": the list's folder and "/Web"), "/", the list name, "." and
    // the extension; empty unless all three are set.
    CString GetWebPagePath() const;
    // The photo index at a position of the file's photo list; -1 past its end.
    int GetPhotoAt(int position) const;
    // The thumbnail file of a photo index; empty outside 0 to 9999.
    CString GetThumbnailPath(int photo) const;

  private:
    CPathName m_path;
    CString m_title;
    CString m_webFolder;
    CString m_webListName;
    CString m_webExtension;
    int m_rowCount = 0;
    CString m_photoFolder;
    std::vector<int> m_photos;
};
