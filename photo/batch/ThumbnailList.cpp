#include "photo/batch/ThumbnailList.h"

#include "foundation/FileUtility.h"
#include "foundation/StringArrayEx.h"
#include "list/IListHost.h"
#include "photo/batch/ILumpLoadMonitor.h"
#include "platform/MessageBox.h"

int CThumbnailList::Find(const CString& path) const
{
    for (int i = 0; i < GetSize(); ++i) {
        if (At(i).Path() == path) {
            return i;
        }
    }
    return -1;
}

int CThumbnailList::FindOrMake(const CString& path)
{
    const int found = Find(path);
    if (found >= 0) {
        return found;
    }
    auto thumbnail = std::make_unique<CThumbnail>();
    if (!thumbnail->Make(path)) {
        return -1;
    }
    m_items.push_back(std::move(thumbnail));
    return GetSize() - 1;
}

void CThumbnailList::LoadFolder(const CString& folder, ILumpLoadMonitor& monitor, IListHost& host)
{
    CStringArrayEx names;
    CStringArray unheld;
    ListFiles(folder + "/*.jpg", &names, false, &unheld);
    if (unheld.GetSize() > 0) {
        ShowMessageBox(DescribeUnheldNames(unheld), CString(), MB_OK | MB_ICONEXCLAMATION);
    }
    names.Sort(false);
    RemoveAll();
    const int total = names.GetSize();
    bool cancelled = false;
    for (int i = 0; i < total && !cancelled; ++i) {
        const CString path = folder + "/" + names[i];
        monitor.ShowLoading(path, i, total);
        auto thumbnail = std::make_unique<CThumbnail>();
        if (thumbnail->Make(path)) {
            m_items.push_back(std::move(thumbnail));
        } else {
            CString message;
            message.Format("[%s]は読み込めませんでした\n\nﾘｿｰｽ不足または画像ﾌｧｲﾙの破損と思われます",
                           names[i].GetString());
            host.ReportError(message, "LumpPhotoDlg", __LINE__);
            if (!monitor.AskToGoOnAfter(path)) {
                break;
            }
        }
        cancelled = monitor.IsLoadCancelled();
    }
    m_folder = folder;
    if (cancelled) {
        RemoveAll();
    }
}
