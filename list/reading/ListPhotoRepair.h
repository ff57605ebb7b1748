#pragma once

#include "platform/CString.h"

#include <vector>

class CListPhotoFiles;
class CZantobyDoc;

// Mends the photos of a list just read: rows' references to photos without a line come back
// when the original is there and are dropped when not, and the standard pictures and thumbnails
// that killed saves left missing are made again. Each is told in the repairs.
class CListPhotoRepair
{
  public:
    CListPhotoRepair(CZantobyDoc& doc, CListPhotoFiles& files, std::vector<CString>& repairs)
        : m_doc(doc), m_files(files), m_repairs(repairs)
    {
    }

    void RepairReferences();
    void RebuildMissingPictures();

  private:
    CZantobyDoc& m_doc;
    CListPhotoFiles& m_files;
    std::vector<CString>& m_repairs;
};
