#include "photo/batch/SinglePhotoImport.h"

#include "foundation/PathName.h"
#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/ZantobyDoc.h"

#include <algorithm>

bool CSinglePhotoImport::HasRoom(int line)
{
    IListHost& host = m_doc.Host();
    if (line < 0 || line >= m_doc.displayCount) {
        return false;
    }
    const int row = m_doc.displayOrder[line];
    if (row < 0 && !m_doc.HasFreeRow()) {
        host.ShowErrorMessage(40200, 0);
        return false;
    }
    // A full row would refuse the photo only after it was registered, leaving it in no row.
    if (!m_doc.HasFreePhotoSlot() || (row >= 0 && m_doc.GetRow(row).photoCount >= kMaxPhotosPerRow)) {
        host.ShowErrorMessage(40201, 0);
        return false;
    }
    return true;
}

bool CSinglePhotoImport::IsAcceptedFile(const CString& path)
{
    if (GetExtensionOfPath(path).CompareNoCase("jpg") != 0) {
        m_doc.Host().ShowErrorMessage(40202, 0);
        return false;
    }
    return true;
}

bool CSinglePhotoImport::Import(int line, const CString& path)
{
    m_addedPhotoColumn = false;
    if (!HasRoom(line)) {
        return false;
    }
    const int slot = m_doc.ImportPhotoImage(path, -1, CString(), 0);
    if (slot < 0) {
        return false;
    }
    if (!m_doc.AddPhotoToRow(line, -1, slot, 1)) {
        return false;
    }
    const int count = m_doc.GetRow(m_doc.displayOrder[line]).photoCount;
    if (count >= m_doc.photoColumns && m_doc.photoColumns < kMaxPhotosPerRow) {
        m_doc.photoColumns = std::min(m_doc.photoColumns + 1, kMaxPhotosPerRow);
        m_addedPhotoColumn = true;
    }
    m_doc.SetModifiedFlag(true);
    m_doc.UpdateAllViews(nullptr, kHintRowsEdited);
    m_doc.AppendNewRowLine();
    return true;
}
