#pragma once

#include "photo/batch/Thumbnail.h"

#include <memory>
#include <vector>

class ILumpLoadMonitor;
class IListHost;

// The photos of the bulk import in the order they were made: a folder's files by name, then the
// files pasted or dropped later. Grid cells refer to them by index; emptying a cell keeps them.
class CThumbnailList
{
  public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    const CThumbnail& At(int index) const { return *m_items[static_cast<size_t>(index)]; }
    CThumbnail& At(int index) { return *m_items[static_cast<size_t>(index)]; }
    void RemoveAll() { m_items.clear(); }

    // The index of the photo of exactly that path, or -1.
    int Find(const CString& path) const;
    // The photo of the path, made and appended when it is not there yet; -1 when the file
    // cannot be read.
    int FindOrMake(const CString& path);

    // Reads the ".jpg" files of the folder (not its sub-folders) in name order, replacing the
    // list. A file that cannot be read is reported through the error report and left out; the
    // monitor decides whether the rest follow. A cancel empties the list.
    void LoadFolder(const CString& folder, ILumpLoadMonitor& monitor, IListHost& host);
    const CString& Folder() const { return m_folder; }

  private:
    std::vector<std::unique_ptr<CThumbnail>> m_items;
    CString m_folder;
};
