#include "app/editing/ListGridTransfer.h"

#include "app/editing/ListRowEdits.h"
#include "foundation/TextHelper.h"
#include "list/CellCodec.h"
#include "list/ClipTable.h"
#include "list/IListHost.h"
#include "list/PhotoBatchImport.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"

#include <algorithm>

int CListGridTransfer::RowOf(int line) const
{
    if (line < 0 || line >= m_doc.displayCount) {
        return -1;
    }
    const int row = m_doc.displayOrder[line];
    return row >= 0 && row < kMaxRows && m_doc.GetRow(row).inUse ? row : -1;
}

bool CListGridTransfer::FillTable(const std::vector<Block>& blocks, CClipTable& table)
{
    if (blocks.empty()) {
        m_doc.Host().ShowWarningMessage(30900, 0);
        return false;
    }
    if (blocks.size() > 1) {
        m_doc.Host().ShowWarningMessage(30901, 0);
        return false;
    }
    const Block& block = blocks[0];
    const int dataColumns = m_doc.columnCount;
    table.sourceDocument = &m_doc;
    for (int line = block.top; line <= block.bottom; ++line) {
        const int row = RowOf(line);
        for (int column = block.left; column <= block.right; ++column) {
            const int x = column - block.left;
            const int y = line - block.top;
            if (column < dataColumns) {
                // The edit text, which reads back into the column whatever its display format.
                table.SetText(m_doc.GetCellTextAt(column, line, kOutputFind), x, y);
                continue;
            }
            if (row < 0) {
                continue;
            }
            const int slot = CListRowEdits(m_doc).PhotoAt(column, line);
            if (slot >= 0) {
                table.AddFileName(m_doc.GetMiddlePhotoPath(slot));
            }
            table.SetPhotoId(slot, x, y);
        }
    }
    return true;
}

int CListGridTransfer::SinglePhoto(const std::vector<Block>& blocks) const
{
    if (blocks.size() != 1 || blocks[0].left != blocks[0].right || blocks[0].top != blocks[0].bottom) {
        return -1;
    }
    return CListRowEdits(m_doc).PhotoAt(blocks[0].left, blocks[0].top);
}

bool CListGridTransfer::HasRoomFor(int line) const
{
    const int row = RowOf(line);
    // Checked before a photo is taken in, so that every photo taken in finds its row.
    if (!m_doc.HasFreePhotoSlot() || (row >= 0 && m_doc.GetRow(row).photoCount >= kMaxPhotosPerRow)) {
        m_doc.Host().ShowErrorMessage(40201, 0);
        return false;
    }
    if (row < 0 && !m_doc.HasFreeRow()) {
        m_doc.Host().ShowErrorMessage(40200, 0);
        return false;
    }
    return true;
}

bool CListGridTransfer::AddNewPhoto(int line, int position, const CString& original, const CString& drawing,
                                    const CString& name)
{
    const int slot = m_doc.ImportPhotoImage(original, -1, drawing, 0);
    return slot >= 0 && PlacePhoto(line, position, slot, name);
}

bool CListGridTransfer::PlacePhoto(int line, int position, int slot, const CString& name)
{
    if (!name.IsEmpty()) {
        m_doc.GetPhoto(slot).name = name;
    }
    return m_doc.AddPhotoToRow(line, position, slot, 0);
}

void CListGridTransfer::AfterPhoto(int line, Result& result)
{
    if (CListRowEdits(m_doc).EnsurePhotoColumn(line)) {
        result.photoColumnsGrew = true;
    }
}

void CListGridTransfer::StoreText(int column, int line, const CString& text, CellsLeft& left)
{
    CString reason = CCellCodec::PasteRefusal(m_doc.GetColumn(column), text);
    if (reason.IsEmpty()) {
        m_doc.SetCellTextAt(column, line, text, &reason);
    }
    if (reason.IsEmpty()) {
        return;
    }
    if (left.count++ == 0) {
        left.column = column;
        left.line = line;
        left.reason = reason;
    }
}

void CListGridTransfer::ReportLeftOut(const Result& result) const
{
    const CellsLeft& left = result.left;
    CString parts;
    if (result.notPasted.rows > 0) {
        parts.Format("下側の %d 行", result.notPasted.rows);
    }
    if (result.notPasted.columns > 0) {
        CString columns;
        columns.Format("%s右側の %d 列", parts.IsEmpty() ? "" : "と", result.notPasted.columns);
        parts += columns;
    }
    if (left.count == 0) {
        if (!parts.IsEmpty()) {
            m_doc.Host().ShowWarningMessage(30904, 0, parts.GetString());
        }
        return;
    }
    const ColumnRecord& column = m_doc.GetColumn(left.column);
    const CString name = column.subName.IsEmpty() ? column.name : column.name + "/" + column.subName;
    if (parts.IsEmpty()) {
        m_doc.Host().ShowWarningMessage(30903, 0, left.count, name.GetString(), left.line + 1,
                                        left.reason.GetString());
    } else {
        m_doc.Host().ShowWarningMessage(30905, 0, parts.GetString(), left.count, name.GetString(),
                                        left.line + 1, left.reason.GetString());
    }
}

CListGridTransfer::Result CListGridTransfer::PasteTable(const CClipTable& table, CZantobyDoc* source,
                                                        int column, int line, int mode)
{
    Result result;
    const int tableRows = table.GetRowCount();
    const int columns = table.GetColumnCount();
    if (tableRows == 0 || line < 0 || line >= m_doc.displayCount) {
        return result;
    }
    for (int i = 0; i < tableRows && line + i < kMaxDisplayRows; ++i) {
        result.lines.push_back(line + i);
    }
    const int rows = static_cast<int>(result.lines.size());
    // The step begins before lines are added, so that undo takes them away again.
    CListGridEdits edits(m_doc);
    edits.BeginLinesUndo(result.lines);
    const int shownBefore = m_doc.displayCount;
    while (m_doc.displayCount < line + rows && m_doc.displayCount < kMaxDisplayRows) {
        m_doc.displayOrder[m_doc.displayCount++] = kNewRowLine;
    }
    const int dataColumns = m_doc.columnCount;
    const bool sameList = source == &m_doc && (mode == kReference || mode == kMove);
    std::vector<bool> columnLeft(static_cast<size_t>(columns), false);
    for (int i = 0; i < rows; ++i) {
        const int target = line + i;
        if (RowOf(target) < 0 && !m_doc.HasFreeRow()) {
            // The list is full: the rest is not pasted, and the user is told so afterwards.
            result.lines.resize(static_cast<size_t>(i));
            break;
        }
        for (int k = 0; k < columns; ++k) {
            const int to = column + k;
            const int position = to - dataColumns;
            const int slot = table.GetPhotoId(k, i);
            // A text has no place beside the data columns, nor a photo past the last photo's.
            if ((to >= dataColumns && !table.GetText(k, i).IsEmpty()) ||
                (position >= kMaxPhotosPerRow && slot >= 0)) {
                columnLeft[static_cast<size_t>(k)] = true;
            }
            if (to < dataColumns) {
                StoreText(to, target, table.GetText(k, i), result.left);
            } else if (position < kMaxPhotosPerRow) {
                if (sameList) {
                    // A second reference to the same photo; an empty or stale cell adds nothing.
                    if (slot >= 0 && slot < kMaxPhotos && m_doc.GetPhoto(slot).inUse &&
                        m_doc.AddPhotoToRow(target, position, slot, 0)) {
                        AfterPhoto(target, result);
                    }
                } else if (source != nullptr && slot >= 0 && slot < kMaxPhotos &&
                           source->GetPhoto(slot).inUse) {
                    const CString original = source->GetOriginalPhotoPath(slot);
                    const CString drawing = source->GetDrawingPath(slot);
                    if (!original.IsEmpty() && HasRoomFor(target) &&
                        AddNewPhoto(target, position, original,
                                    FileSystem::Exists(drawing) ? drawing : CString(),
                                    source->GetPhoto(slot).name)) {
                        AfterPhoto(target, result);
                    }
                }
            }
        }
    }
    // Lines added for rows that found no place go again.
    m_doc.displayCount =
        std::min(m_doc.displayCount, std::max(shownBefore, line + static_cast<int>(result.lines.size())));
    result.notPasted.rows = tableRows - static_cast<int>(result.lines.size());
    result.notPasted.columns = static_cast<int>(std::count(columnLeft.begin(), columnLeft.end(), true));
    edits.EndLinesUndo(result.lines);
    m_doc.SetModifiedFlag();
    m_doc.AppendNewRowLine();
    return result;
}

CListGridTransfer::Result CListGridTransfer::PasteFiles(const CStringArray& files, int column, int line)
{
    Result result;
    if (line < 0 || line >= m_doc.displayCount) {
        return result;
    }
    result.lines.push_back(line);
    CListGridEdits edits(m_doc);
    edits.BeginLinesUndo(result.lines);
    const int first = column - m_doc.columnCount;
    // The JPEG files, made on all cores, each at the position of its place among the files.
    std::vector<CPhotoBatchImport::Photo> photos;
    std::vector<int> positions;
    for (int i = 0; i < files.GetSize(); ++i) {
        CTextHelper name(files[i]);
        name.ToLower();
        if (name.MatchPattern("*.jpg") || name.MatchPattern("*.jpeg")) {
            photos.push_back({files[i], CString()});
            positions.push_back(first >= 0 ? first + i : -1);
        }
    }
    CPhotoBatchImport::Steps steps;
    // A photo without room stops the rest, which would find none either.
    steps.accept = [&](int) { return HasRoomFor(line); };
    steps.done = [&](int index, int slot) {
        if (slot >= 0 && PlacePhoto(line, positions[static_cast<size_t>(index)], slot, CString())) {
            AfterPhoto(line, result);
        }
        return true;
    };
    CPhotoBatchImport(m_doc).Run(photos, steps);
    edits.EndLinesUndo(result.lines);
    m_doc.SetModifiedFlag();
    m_doc.AppendNewRowLine();
    return result;
}
