#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"

class CProfileFile;

// The list of the files opened last, newest first, kept in the profile's "Recent File List"
// section as File1 to File<n>, and the short names the menus show for them.
class CRecentFileList
{
  public:
    CRecentFileList(CProfileFile& profile, int size) : m_profile(profile), m_size(size) {}

    // Reads the list from the profile; empty entries are skipped.
    void Load();

    int GetCount() const { return static_cast<int>(m_paths.GetSize()); }
    CString GetPath(int index) const { return m_paths[index]; }

    // Puts the path at the top (moving it when it is already listed, dropping the oldest when
    // the list is full) and writes the list back.
    void Add(const CString& path);
    // Drops an entry (a file that no longer opens) and writes the list back.
    void Remove(int index);

    // The path as it fits maxLength bytes: whole when it fits, else the root, "..." and as many
    // of its last folders as fit before the file name; the file name alone when even that is
    // too long. Double-byte characters are never cut.
    static CString Abbreviate(const CString& path, int maxLength);
    // The name an entry shows in the menus, at most 30 bytes long.
    CString GetDisplayName(int index) const { return Abbreviate(m_paths[index], 30); }

  private:
    void Save();

    CProfileFile& m_profile;
    int m_size;
    CStringArray m_paths;
};
