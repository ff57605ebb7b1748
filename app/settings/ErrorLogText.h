#pragma once

#include "platform/CString.h"

class CAppBase;

// The error history: every error-log file of the program, newest first, as one text with a
// heading per file; and the clearing of them all.
class CErrorLogText
{
  public:
    // "◆" and the file's time of last change, its lines, then an empty line, per file of
    // folder that opens; CR LF line ends.
    static CString Build(const CString& folder);
    // Deletes every error-log file.
    static void Clear(CAppBase& app);
};
