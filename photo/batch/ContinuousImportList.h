#pragma once

#include "photo/batch/ContinuousImportItem.h"

#include <vector>

// The photo files the continuous import window lists: the ".jpg" files of a folder (and of its
// sub-folders when asked), by folder and then by name, with the texts of the list's columns.
class CContinuousImportList
{
  public:
    // Lists the folder anew; a folder that does not exist gives an empty list.
    void Refresh(const CString& folder, bool subFolders);
    const std::vector<ContinuousImportItem>& Items() const { return m_items; }

    // The texts of the four columns: name, folder, date of the last write, size with separators
    // (empty for 0).
    static CString ColumnText(const ContinuousImportItem& item, int column);

    // The row to select after one was taken: the one after the selected row (-1 after the last
    // row), or the first row when none was selected.
    static int NextSelection(int selected, int count);

    // Deletes the files for good, in order; stops at the first that cannot be deleted and gives
    // its path in failed. True when all went.
    static bool DeleteFiles(const std::vector<CString>& paths, CString& failed);

  private:
    std::vector<ContinuousImportItem> m_items;
};
