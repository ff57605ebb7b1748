#pragma once

#include "platform/CString.h"

#include <cstdint>

// Which folder a list was opened from or last saved in, so that a save never writes into a
// folder that has taken its place: the empty mount point of a share that went away, or a
// folder made anew under the old name.
class CListFolderIdentity
{
  public:
    // Takes note of the list's folder and of whether its photo folder is there.
    void Remember(const CString& listFolder, const CString& photoFolder);
    void Forget() { m_known = false; }
    // Empty while the folder is the one remembered (or none was, or none is there), else the
    // reason in Japanese.
    CString Check(const CString& listFolder, const CString& photoFolder) const;

  private:
    bool m_known = false;
    std::uint64_t m_device = 0;
    std::uint64_t m_inode = 0;
    bool m_photoFolderPresent = false;
};
