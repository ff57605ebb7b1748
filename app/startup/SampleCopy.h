#pragma once

#include "platform/CString.h"

// The user's own copy of the program's sample lists. The samples are there to be tried: edited,
// saved, published as Web pages. So each user works on a copy in the user's data folder, made at
// the first use and made anew, the user's changes dropped, when a program of another version
// uses it.
class CSampleCopy
{
  public:
    // programFolder: the program's own Sample folder; copyFolder: where the user's copy lives;
    // version: the program's version, as its About box shows it.
    CSampleCopy(const CString& programFolder, const CString& copyFolder, const CString& version)
        : m_programFolder(programFolder), m_copyFolder(copyFolder), m_version(version)
    {
    }

    // The folder whose samples the user opens: the copy, made first when it is missing, cut
    // short or of another version; the program's own folder when no copy can be made.
    CString Prepare() const;

    // Where a user's copy lives: "zantoby/Sample" in the user's data folder.
    static CString GetUserFolder();

    // The file in the copy that names the version that made it.
    static constexpr char kVersionFile[] = ".zantoby-version";

  private:
    bool IsCurrent() const;
    bool MakeAnew() const;

    CString m_programFolder;
    CString m_copyFolder;
    CString m_version;
};
