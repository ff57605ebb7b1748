#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

// The Windows paper numbers that list files store, and the standard media names of the print
// system that stand for them here.
class CPaperCodes
{
  public:
    // Paper numbers at and above this one are a printer's own papers.
    static constexpr int kFirstUserPaper = 256;

    // The standard media name of a paper number, "" for an unknown number.
    static const char* ToMediaName(int code);
    // The paper number of a media name; papers not named in the table are found by their size
    // (hundredths of a millimetre, 1 mm tolerance) in either orientation. 0 when none fits.
    static int FromMedia(const CString& mediaName, int width, int length);
    // Width and height of a paper number in tenths of a millimetre; (0, 0) when unknown.
    static CSize GetSize(int code);
    // The name people know a paper number by ("A4", "B5 (JIS)", "はがき"); "" when unknown.
    static const char* GetDisplayName(int code);
};
