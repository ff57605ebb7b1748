#pragma once

#include "platform/CString.h"

// What the drawing data needs of the application: the error report, the numbered error box and
// the program's version for the file head. The list document's and the photo editor's hosts
// implement it; tests use a recording fake.
class IDrawingHost
{
  public:
    virtual ~IDrawingHost() = default;

    // The error report: a box with the message (a default text when null), then an error log.
    virtual void ReportError(const char* message, const char* sourceFile, int line) = 0;
    // Error box number id (4xxxx) of the message table with its one "%s" filled by argument.
    virtual void ShowErrorMessage(int id, const CString& argument) = 0;
    // "%d.%d%02d.%d" of the program's version.
    virtual CString GetVersionString() = 0;
};
