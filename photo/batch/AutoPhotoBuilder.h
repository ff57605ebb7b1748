#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"

class CZantobyDoc;
class IAutoPhotoMonitor;

// Builds a new list from a folder of JPEG photos: each run of photos of one folder (in path
// order) becomes rows of at most a given number of photos, with the folder and the earliest date
// of the row's photos in its cells.
class CAutoPhotoBuilder
{
  public:
    CAutoPhotoBuilder(CZantobyDoc& doc, IAutoPhotoMonitor& monitor) : m_doc(doc), m_monitor(monitor) {}

    // Makes the document a new untitled list and fills it; false, with the work folders removed
    // again, when they could not be made. A cancel keeps the rows made so far.
    bool Build(const CString& folder, bool subFolders, int photosPerRow);

    // The ".jpg" and ".jpeg" files below the folder as full paths, each once (compared without
    // regard to case), in byte order. Files and folders whose names the program cannot hold are
    // left out and, when unheld is given, named there (see ListFiles).
    static void CollectPhotos(const CString& folder, bool subFolders, CStringArray& paths,
                              CStringArray* unheld = nullptr);

  private:
    void SetUpColumns();
    // Starts a row for the folder on the new-row line; false when the list is full.
    bool StartRow(const CString& folder);
    void WriteGroupDate(int line);

    CZantobyDoc& m_doc;
    IAutoPhotoMonitor& m_monitor;
    int m_line = -1;
    bool m_hasDate = false;
    long long m_groupTime = 0;
};
