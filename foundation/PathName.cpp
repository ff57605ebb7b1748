#include "foundation/PathName.h"

#include "foundation/StringArrayEx.h"

namespace {

// Position of the last "/" of a path, or -1. "/" is never the trail byte of a CP932 character,
// so a plain byte search is exact.
int LastSeparator(const CString& path)
{
    return path.ReverseFind('/');
}

// Position of the dot that starts the extension of the last component, or -1.
int ExtensionDot(const CString& path)
{
    int dot = path.ReverseFind('.');
    return dot > LastSeparator(path) ? dot : -1;
}

} // namespace

void CPathName::SetPath(const CString& path)
{
    m_path = path;
    m_drive.Empty();
    m_folder = GetFolderOfPath(path);
    m_name = GetBaseNameOfPath(path);
    m_extension = GetExtensionOfPath(path);
}

void CPathName::Empty()
{
    m_path.Empty();
    m_drive.Empty();
    m_folder.Empty();
    m_name.Empty();
    m_extension.Empty();
}

CString CPathName::GetFolderPath() const
{
    return m_drive.IsEmpty() ? m_folder : m_drive + ":" + m_folder;
}

CString CPathName::GetFileName() const
{
    return m_extension.IsEmpty() ? m_name : m_name + "." + m_extension;
}

void CPathName::SplitFolder(CStringArray& list) const
{
    CStringArrayEx pieces;
    pieces.Split(m_folder, '/');
    if (pieces[0].IsEmpty()) {
        pieces.RemoveAt(0);
    }
    list.Copy(pieces);
}

CString GetFolderOfPath(const CString& path)
{
    int slash = LastSeparator(path);
    return slash > 0 ? path.Left(slash) : CString();
}

CString GetFileNameOfPath(const CString& path)
{
    return path.Mid(LastSeparator(path) + 1);
}

CString GetBaseNameOfPath(const CString& path)
{
    int dot = ExtensionDot(path);
    int start = LastSeparator(path) + 1;
    return dot >= 0 ? path.Mid(start, dot - start) : path.Mid(start);
}

CString GetExtensionOfPath(const CString& path)
{
    int dot = ExtensionDot(path);
    return dot >= 0 ? path.Mid(dot + 1) : CString();
}
