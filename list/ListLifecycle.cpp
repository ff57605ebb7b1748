#include "list/ListLifecycle.h"

#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "foundation/StringArrayEx.h"
#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/ListFileReader.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace {

std::vector<CZantobyDoc*>& Documents()
{
    static std::vector<CZantobyDoc*> documents;
    return documents;
}

bool StartsWith(const CString& text, const char* prefix)
{
    return text.view().starts_with(prefix);
}

} // namespace

void CListLifecycle::Register(CZantobyDoc* doc)
{
    Documents().push_back(doc);
}

void CListLifecycle::Unregister(CZantobyDoc* doc)
{
    std::erase(Documents(), doc);
}

bool CListLifecycle::OnNewDocument()
{
    return CreateWorkFolders(CString());
}

bool CListLifecycle::OnOpenDocument(const CString& path)
{
    bool ready;
    bool untitled = true;
    if (StartsWith(path, kTemplatePrefix)) {
        ready = CreateWorkFolders(path.Mid(static_cast<int>(sizeof(kTemplatePrefix)) - 1));
    } else if (StartsWith(path, kAutoPhotoPath)) {
        ready = RunAutoOrganiser();
    } else {
        ready = CListFileReader(m_doc).Read(path, CListFileReader::ReadAll);
        untitled = false;
    }
    // A pseudo path names no file: the list goes by its working name once it has one.
    if (ready && (!untitled || !m_doc.workPath.IsEmpty())) {
        SetPathName(path, true);
    }
    return ready;
}

void CListLifecycle::OnCloseDocument()
{
    IListHost& host = m_doc.Host();
    for (int photo : std::vector<int>(m_doc.editingPhotos.begin(), m_doc.editingPhotos.end())) {
        host.ClosePhotoEditorDocument(EditorPath(photo));
    }
    // An untitled list's working name is no file to open next time.
    if (!m_doc.GetPathName().IsEmpty() && m_doc.workPath.IsEmpty()) {
        host.SetLastDocumentPath(m_doc.GetPathName());
    }
    if (!m_doc.IsModified() && m_doc.savedChanges && host.GetAutoBackup()) {
        m_doc.RunBackup();
    }
    m_doc.UpdateAllViews(nullptr, kHintReset);
    m_doc.lockFile.Release();
    m_doc.open = false;
    host.RefreshListFrames(0);
    if (!m_doc.workPath.IsEmpty()) {
        DeleteWorkFolders();
    }
}

void CListLifecycle::SetPathName(const CString& path, bool addToRecentFiles)
{
    if (!m_doc.workPath.IsEmpty()) {
        m_doc.m_pathName = GetBaseNameOfPath(m_doc.workPath);
        m_doc.m_title = m_doc.m_pathName;
        return;
    }
    m_doc.m_pathName = FileSystem::GetFullPath(path);
    m_doc.m_title = GetFileNameOfPath(m_doc.m_pathName);
    if (addToRecentFiles && !m_doc.sample) {
        m_doc.Host().AddToRecentFileList(m_doc.m_pathName);
    }
}

int CListLifecycle::FreeWorkNumber() const
{
    for (int n = 1;; ++n) {
        CString name;
        name.Format("Zantoby%d.zbk", n);
        bool taken = std::any_of(Documents().begin(), Documents().end(), [&](const CZantobyDoc* doc) {
            return doc->open && !doc->workPath.IsEmpty() && GetFileNameOfPath(doc->workPath) == name;
        });
        if (!taken) {
            return n;
        }
    }
}

bool CListLifecycle::IsWorkingPath(const CString& path) const
{
    const CString& temp = m_doc.tempFolder;
    if (temp.IsEmpty() || path.IsEmpty() || path[0] != '/') {
        return false;
    }
    CString full = FileSystem::GetFullPath(path);
    return full.GetLength() > temp.GetLength() && full.Left(temp.GetLength()) == temp;
}

bool CListLifecycle::MakeFreshFolder(const CString& folder) const
{
    // A folder left by an earlier run is emptied by making it anew.
    if (FileSystem::Exists(folder) && !DeletePath(folder)) {
        return false;
    }
    return FileSystem::CreateFolder(folder);
}

bool CListLifecycle::CreateWorkFolders(const CString& templateSpec)
{
    IListHost& host = m_doc.Host();
    const CString& temp = m_doc.tempFolder;
    int number = FreeWorkNumber();
    CString photoFolderName;
    photoFolderName.Format("ZantobyPhoto-%d", number);
    CString photoFolder = temp + photoFolderName;
    bool made = !temp.IsEmpty() && MakeFreshFolder(photoFolder);
    for (const char* sub : {"/s", "/m", "/org", "/draw"}) {
        made = made && FileSystem::CreateFolder(photoFolder + sub);
    }
    if (!made) {
        host.ShowErrorMessage(40204, 0);
        return false;
    }
    if (!templateSpec.IsEmpty()) {
        CStringArrayEx fields;
        fields.SplitEscaped(templateSpec, ',');
        if (fields.GetSize() == 0 || !CListFileReader(m_doc).Read(fields[0], CListFileReader::ReadSettings)) {
            return false;
        }
        if (fields.GetSize() > 1 && !fields[1].IsEmpty()) {
            CString webFolder;
            webFolder.Format("%sZantobyWeb-%d", temp.GetString(), number);
            if (!MakeFreshFolder(webFolder)) {
                host.ShowErrorMessage(40204, 0);
                return false;
            }
            m_doc.web.webFolder = webFolder;
            CopyFiles(GetFolderOfPath(fields[1]) + "/*.*", webFolder);
        } else {
            m_doc.web.webFolder.Empty();
        }
    } else {
        m_doc.ResetToNewList();
    }
    CString workName;
    workName.Format("Zantoby%d.zbk", number);
    m_doc.listFolder = temp.Left(temp.GetLength() - 1);
    m_doc.workPath = temp + workName;
    m_doc.photoFolderName = photoFolderName;
    m_doc.m_title = workName;
    m_doc.m_pathName = workName;
    return true;
}

bool CListLifecycle::DeleteWorkFolders()
{
    if (m_doc.workPath.IsEmpty()) {
        return true;
    }
    if (IsWorkingPath(m_doc.workPath) && FileSystem::Exists(m_doc.workPath)) {
        DeletePath(m_doc.workPath);
    }
    CString photoFolder = m_doc.listFolder + "/" + m_doc.photoFolderName;
    if (!m_doc.photoFolderName.IsEmpty() && IsWorkingPath(photoFolder)) {
        DeletePath(photoFolder);
    }
    if (IsWorkingPath(m_doc.web.webFolder)) {
        DeletePath(m_doc.web.webFolder);
    }
    return true;
}

bool CListLifecycle::RunAutoOrganiser()
{
    bool accepted = true;
    try {
        accepted = m_doc.Host().RunAutoPhotoDialog(m_doc) == IDOK;
    } catch (const std::exception&) {
        m_doc.Host().ReportError(nullptr, "ZantobyDoc", __LINE__);
    }
    m_doc.SwitchUndoOn();
    return accepted;
}

CString CListLifecycle::EditorPath(int photo) const
{
    CString path;
    path.Format("%s?%d", m_doc.GetPathName().GetString(), photo);
    return path;
}

bool CListLifecycle::OpenPhotoEditor(int photo)
{
    if (!m_doc.Host().OpenPhotoEditorDocument(EditorPath(photo))) {
        return false;
    }
    m_doc.editingPhotos.insert(photo);
    return true;
}

void CListLifecycle::OnPhotoEdited(int photo)
{
    m_doc.editingPhotos.insert(photo);
    ListHintArg arg;
    arg.photo = photo;
    m_doc.UpdateAllViews(nullptr, kHintPhotoChanged, &arg);
    m_doc.UpdateAllViews(nullptr, kHintRowsEdited);
    m_doc.SetModifiedFlag();
}

void CListLifecycle::OnPhotoEditorClosed(int photo)
{
    m_doc.editingPhotos.erase(photo);
}
