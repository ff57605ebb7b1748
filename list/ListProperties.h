#pragma once

#include "platform/CString.h"

#include <cstdint>

class CZantobyDoc;

// The facts the list properties dialog shows of a list, as texts: its file, title, dates and
// size, its rows, and the number and total size of its photo files. Looking up the photo files
// shows its progress in the status bar.
class CListProperties
{
  public:
    CString path;
    CString title;
    CString modified; // empty, like created and fileSize, while the list has no file
    CString created;
    CString rows;
    CString fileSize;
    CString photos;
    CString photoBytes;

    void Collect(CZantobyDoc& doc);

    // A count with thousands separators; 0 shows as "0".
    static CString FormatCount(std::int64_t count);
};
