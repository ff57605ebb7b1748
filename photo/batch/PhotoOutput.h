#pragma once

#include "photo/batch/PhotoOutputRow.h"
#include "photo/batch/PhotoOutputSettings.h"
#include "platform/Geometry.h"

#include <vector>

class CZantobyDoc;
class IPhotoOutputMonitor;

// Writes chosen photos of a list as JPEG files into a folder: the original as it is, the
// standard size and the thumbnail as copies, and a free size rendered from the original with the
// photo's mirrors, turns, shapes and crop at a chosen length.
class CPhotoOutput
{
  public:
    enum class Result
    {
        NoFolder,  // warning 30700 was shown, nothing written
        Completed, // every checked photo was visited
        Stopped,   // cancelled, or stopped after a failure
    };

    CPhotoOutput(CZantobyDoc& doc, IPhotoOutputMonitor& monitor) : m_doc(doc), m_monitor(monitor) {}

    Result Run(const std::vector<PhotoOutputRow>& rows, const PhotoOutputSettings& settings);

    // The free size of a source of that size: length is the height (base 0) or the short side
    // (base 1).
    static CSize FreeSize(CSize source, int length, int base);
    // The name the files of a row start with: its base name, the four-digit slot without one.
    static CString BaseNameOf(const PhotoOutputRow& row);

    // Renders the original with the drawing file to destination at the free size. True when it
    // was written, or the user chose to go on without it; false to stop.
    bool WriteFreeSize(const CString& source, const CString& drawing, const CString& destination, int length,
                       int base);

  private:
    // Copies one file; on failure asks whether to go on (false: stop).
    bool CopyPhotoFile(const CString& source, const CString& destination);
    // Question 20700 with the system's text for errno; true for Yes.
    bool AskToGoOn(const CString& source, const CString& destination, const CString& reason);

    CZantobyDoc& m_doc;
    IPhotoOutputMonitor& m_monitor;
};
