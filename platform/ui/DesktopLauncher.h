#pragma once

#include "platform/CString.h"

// Hands files and folders to the programs the desktop chose for them. A file is never started
// as a program, whatever its permissions: a page goes to the web browser, a folder to the file
// manager, a text to the text editor, and any other file to the program for its kind of name.
class DesktopLauncher
{
  public:
    enum class Result
    {
        kStarted,
        kNoProgram, // the desktop names no program for it
        kFailed,    // the program could not be started
    };

    static Result OpenPage(const CString& path);
    static Result OpenFolder(const CString& path);
    static Result OpenText(const CString& path);
    // The program for the kind of file its name tells (".csv": a spreadsheet); a folder opens
    // in the file manager.
    static Result OpenDocument(const CString& path);
};
