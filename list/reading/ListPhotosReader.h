#pragma once

#include "platform/CString.h"

#include <vector>

class CListFileLine;
class CListPhotoFiles;
class CZantobyDoc;

// Reads the [photos] section: the photo folder's name, kept only where it stays beside the list,
// and each photo's line, whose files may still lie in the photo folder itself.
class CListPhotosReader
{
  public:
    // A refused folder name is told in repairs.
    CListPhotosReader(CZantobyDoc& doc, const CListFileLine& line, const CString& path,
                      CListPhotoFiles& files, std::vector<CString>& repairs)
        : m_doc(doc), m_line(line), m_path(path), m_files(files), m_repairs(repairs)
    {
    }

    // The folder's name, or the standard one in place of a name that leaves the folder.
    void ReadFolderName();
    // A photo line ("r####"); a slot outside the list is passed over.
    void ReadPhoto();

  private:
    CZantobyDoc& m_doc;
    const CListFileLine& m_line;
    const CString& m_path;
    CListPhotoFiles& m_files;
    std::vector<CString>& m_repairs;
};
