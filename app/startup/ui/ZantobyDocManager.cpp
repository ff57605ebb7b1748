#include "app/startup/ui/ZantobyDocManager.h"

#include "app/startup/RecentFileList.h"
#include "platform/ui/WxText.h"
#include "res/menus/MenuTables.h"

#include <wx/menu.h>

#include <algorithm>

namespace {

bool IsRecentFileItem(const wxMenuItem* item)
{
    return item->GetId() >= ID_FILE_MRU_FILE1 && item->GetId() < ID_FILE_MRU_FILE1 + kRecentFileCount;
}

} // namespace

CZantobyDocManager::CZantobyDocManager(CRecentFileList& recentFiles) : m_recentFiles(recentFiles) {}

void CZantobyDocManager::AddFileToHistory(const wxString& file)
{
    m_recentFiles.Add(FromWx(file));
    FileHistoryAddFilesToMenu();
}

void CZantobyDocManager::RemoveFileFromHistory(size_t i)
{
    m_recentFiles.Remove(static_cast<int>(i));
    FileHistoryAddFilesToMenu();
}

size_t CZantobyDocManager::GetHistoryFilesCount() const
{
    return static_cast<size_t>(m_recentFiles.GetCount());
}

wxString CZantobyDocManager::GetHistoryFile(size_t i) const
{
    return i < GetHistoryFilesCount() ? ToWx(m_recentFiles.GetPath(static_cast<int>(i))) : wxString();
}

void CZantobyDocManager::FileHistoryUseMenu(wxMenu* menu)
{
    if (menu != nullptr && std::find(m_menus.begin(), m_menus.end(), menu) == m_menus.end()) {
        m_menus.push_back(menu);
        FileHistoryAddFilesToMenu(menu);
    }
}

void CZantobyDocManager::FileHistoryRemoveMenu(wxMenu* menu)
{
    m_menus.erase(std::remove(m_menus.begin(), m_menus.end(), menu), m_menus.end());
}

void CZantobyDocManager::FileHistoryAddFilesToMenu()
{
    for (wxMenu* menu : m_menus) {
        FileHistoryAddFilesToMenu(menu);
    }
}

void CZantobyDocManager::FileHistoryAddFilesToMenu(wxMenu* menu)
{
    // Replace whatever stands at the recent-file place by the present list.
    size_t position = 0;
    bool found = false;
    for (size_t index = 0; index < menu->GetMenuItemCount();) {
        wxMenuItem* item = menu->FindItemByPosition(index);
        if (IsRecentFileItem(item)) {
            if (!found) {
                position = index;
                found = true;
            }
            menu->Destroy(item);
        } else {
            ++index;
        }
    }
    if (!found) {
        return;
    }
    if (m_recentFiles.GetCount() == 0) {
        menu->Insert(position, ID_FILE_MRU_FILE1, ToWx(kRecentFilesPlaceholder))->Enable(false);
        return;
    }
    for (int index = 0; index < m_recentFiles.GetCount(); ++index) {
        wxString name = ToWx(m_recentFiles.GetDisplayName(index));
        name.Replace("&", "&&");
        menu->Insert(position + static_cast<size_t>(index), ID_FILE_MRU_FILE1 + index,
                     wxString::Format("&%d %s", index + 1, name));
    }
}
