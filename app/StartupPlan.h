#pragma once

#include "platform/CString.h"
#include "platform/Geometry.h"

#include <vector>

// The decisions of the program's start that depend only on its command line and settings.
class CStartupPlan
{
  public:
    // The file named on the command line (arguments after the program's name, in the system's
    // encoding): the first argument that is no switch. Switches begin with "-"; a print switch
    // opens its file like any other, as printing at start is not offered. Empty when none.
    static CString FindFileArgument(const std::vector<std::string>& arguments);
    // The message for a file argument whose name holds characters the program's text cannot;
    // empty when there is none.
    static CString DescribeUnheldArgument(const std::vector<std::string>& arguments);

    // Without a file on the command line, the last list opens by itself only when the start
    // navigator is off, Shift is not held down, opening the last list is on and one is known.
    static bool ShouldOpenLastDocument(bool autoNavigate, bool shiftDown, bool autoOpen,
                                       const CString& lastDocument);

    // A saved window smaller than this is no placement to restore.
    static constexpr int kMinimumWidth = 320;
    static constexpr int kMinimumHeight = 240;

    // Where the main window opens for its saved rectangle: on the screen (work areas) that holds
    // most of it, moved and if need be shrunk to lie wholly on that screen. False, and the
    // window keeps its own place, when no screen holds part of it (a screen that is gone) or
    // it is too small to be a window one can use.
    static bool PlaceSavedRect(const CRect& saved, const std::vector<CRect>& screens, CRect& placed);
};
