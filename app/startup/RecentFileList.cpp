#include "app/startup/RecentFileList.h"

#include "foundation/ProfileFile.h"

namespace {

constexpr char kSection[] = "Recent File List";

CString KeyOf(int index)
{
    CString key;
    key.Format("File%d", index + 1);
    return key;
}

} // namespace

void CRecentFileList::Load()
{
    m_paths.RemoveAll();
    for (int index = 0; index < m_size; ++index) {
        const CString path = m_profile.GetProfileString(kSection, KeyOf(index));
        if (!path.IsEmpty()) {
            m_paths.Add(path);
        }
    }
}

void CRecentFileList::Add(const CString& path)
{
    if (path.IsEmpty()) {
        return;
    }
    for (int index = GetCount() - 1; index >= 0; --index) {
        if (m_paths[index] == path) {
            m_paths.RemoveAt(index);
        }
    }
    m_paths.InsertAt(0, path);
    while (GetCount() > m_size) {
        m_paths.RemoveAt(GetCount() - 1);
    }
    Save();
}

void CRecentFileList::Remove(int index)
{
    if (index >= 0 && index < GetCount()) {
        m_paths.RemoveAt(index);
        Save();
    }
}

void CRecentFileList::Save()
{
    for (int index = 0; index < m_size; ++index) {
        m_profile.WriteProfileString(kSection, KeyOf(index),
                                     index < GetCount() ? m_paths[index].GetString() : nullptr);
    }
}

CString CRecentFileList::Abbreviate(const CString& path, int maxLength)
{
    if (path.GetLength() <= maxLength) {
        return path;
    }
    const int nameStart = path.ReverseFind('/') + 1;
    const CString name = path.Mid(nameStart);
    if (nameStart == 0 || name.GetLength() >= maxLength) {
        return name;
    }
    // The root part: "/" of an absolute path, else the first folder and its "/".
    const int rootEnd = path[0] == '/' ? 1 : path.Find('/') + 1;
    const CString root = path.Left(rootEnd) + ".../";
    // Add the last folders one by one while they fit. "/" is never a trail byte, so cutting at
    // it keeps double-byte characters whole.
    int tailStart = nameStart;
    for (;;) {
        const int previous = path.Left(tailStart - 1).ReverseFind('/') + 1;
        if (previous < rootEnd || root.GetLength() + path.GetLength() - previous > maxLength) {
            break;
        }
        tailStart = previous;
    }
    const CString shortened = root + path.Mid(tailStart);
    return shortened.GetLength() <= maxLength ? shortened : name;
}
