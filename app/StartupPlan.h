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

    // The saved window rectangle is used only when some screen holds part of it, so that a
    // window closed on a screen that is gone does not open out of sight.
    static bool IsOnSomeScreen(const CRect& saved, const std::vector<CRect>& screens);
};
