#pragma once

#include <wx/docview.h>

#include <vector>

class CRecentFileList;

// The program's document manager: its recent-file list is the program's own, kept in the
// profile, and shows in every file menu that uses it at the menu's recent-file place.
class CZantobyDocManager : public wxDocManager
{
  public:
    explicit CZantobyDocManager(CRecentFileList& recentFiles);

    void AddFileToHistory(const wxString& file) override;
    void RemoveFileFromHistory(size_t i) override;
    size_t GetHistoryFilesCount() const override;
    wxString GetHistoryFile(size_t i) const override;
    // Menus hold the recent-file place (CMenuBuilder puts it there); they are kept up to date
    // from the moment they are named until they are removed.
    void FileHistoryUseMenu(wxMenu* menu) override;
    void FileHistoryRemoveMenu(wxMenu* menu) override;
    void FileHistoryAddFilesToMenu() override;
    void FileHistoryAddFilesToMenu(wxMenu* menu) override;

  protected:
    wxFileHistory* OnCreateFileHistory() override { return nullptr; }

  private:
    CRecentFileList& m_recentFiles;
    std::vector<wxMenu*> m_menus;
};
