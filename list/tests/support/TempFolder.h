#pragma once

#include "platform/CString.h"

// A folder of its own for one test, removed with its contents at the end.
class TempFolder
{
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing "/".
    const CString& Path() const { return m_path; }
    // Names of the files in the folder whose names start with prefix.
    int CountFiles(const char* prefix) const;

  private:
    CString m_path;
};
