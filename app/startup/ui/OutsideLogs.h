#pragma once

#include "platform/CString.h"

// The files environment variables name for following the program from outside, a path a line:
// ZANTOBY_OPEN_LOG receives every path the program is asked to open, ZANTOBY_PAINT_LOG the path
// of each list whose window has drawn its first screen, after kSplashShownLine once the splash,
// the start's first window, is drawn.
class COutsideLogs
{
  public:
    static constexpr const char* kSplashShownLine = "<splash>";

    static void OpenRequested(const CString& path);
    static void ListShown(const CString& path);
    static void SplashShown();

  private:
    // Appends the line to the file the variable names, if it names one.
    static void Append(const char* variable, const CString& line);
};
