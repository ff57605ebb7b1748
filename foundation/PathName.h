#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"

// Keeps one path taken apart: full path, drive, folder, name and extension. Paths use "/" as
// their separator; there are no drive letters on this system, so the drive stays empty.
class CPathName
{
  public:
    CPathName() = default;
    explicit CPathName(const CString& path) { SetPath(path); }
    virtual ~CPathName() = default;

    // Stores the path and splits it: folder up to the last "/" (without it), name up to the last
    // "." of the rest, extension after that "." (without it).
    void SetPath(const CString& path);
    void Empty();

    CString GetPath() const { return m_path; }
    CString GetDrive() const { return m_drive; }
    CString GetFolder() const { return m_folder; }
    CString GetName() const { return m_name; }
    CString GetExtension() const { return m_extension; }
    // Drive and folder ("%s:%s") when there is a drive, else the folder alone.
    CString GetFolderPath() const;
    // Name, plus "." and the extension when there is one.
    CString GetFileName() const;
    // The folder's components, without the empty piece before the leading "/".
    void SplitFolder(CStringArray& list) const;

  private:
    CString m_path;
    CString m_drive;
    CString m_folder;
    CString m_name;
    CString m_extension;
};

// Drive and folder of a path without the trailing "/"; empty for a bare name.
CString GetFolderOfPath(const CString& path);
// Name and extension of a path.
CString GetFileNameOfPath(const CString& path);
// Name of a path without its extension.
CString GetBaseNameOfPath(const CString& path);
// Extension of a path without its dot; empty when there is none.
CString GetExtensionOfPath(const CString& path);
