#pragma once

#include "platform/CString.h"

// Owns the temporary folder of this process: made (mkdtemp) on first use and removed with
// everything in it when the process ends normally. No other process writes into it or sweeps
// it, so two copies of the program never delete each other's working files.
class PrivateTempFolder
{
  public:
    // The folder's CP932 path with a trailing "/". Throws std::runtime_error when no folder can
    // be made under $TMPDIR or /tmp.
    static const CString& Get();

  private:
    PrivateTempFolder();
    ~PrivateTempFolder();

    CString m_path;
    int m_owner = 0; // the process that made it; a forked child must not remove it
};
