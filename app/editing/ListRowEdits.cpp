#include "app/editing/ListRowEdits.h"

#include "app/settings/VersionInfo.h"
#include "foundation/OleDateTime.h"
#include "list/IListHost.h"
#include "list/PhotoBatchImport.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr char kPhotoInEditor[] = "写真を編集中のため回転できません\n\n"
                                  "写真の編集ｳｨﾝﾄﾞｳで回転するか、編集ｳｨﾝﾄﾞｳを閉じてから回転して下さい";

CDateEx Now()
{
    return CDateEx(COleDateTime::GetCurrentTime());
}

} // namespace

int CListRowEdits::RowOf(int line) const
{
    if (line < 0 || line >= m_doc.displayCount || line >= kMaxDisplayRows) {
        return -1;
    }
    const int row = m_doc.displayOrder[line];
    return row >= 0 && row < kMaxRows && m_doc.GetRow(row).inUse ? row : -1;
}

bool CListRowEdits::InsertBlankLine(int line)
{
    if (m_doc.displayCount >= kMaxDisplayRows) {
        return false;
    }
    line = std::clamp(line, 0, m_doc.displayCount);
    m_doc.SaveUndoSnapshot(1, -1, 0);
    m_doc.displayOrder.insert(m_doc.displayOrder.begin() + line, kNewRowLine);
    m_doc.displayOrder.pop_back();
    ++m_doc.displayCount;
    m_doc.SaveUndoSnapshot(1, -1, 1);
    return true;
}

bool CListRowEdits::DuplicateRow(int line)
{
    const int source = RowOf(line);
    if (source < 0) {
        return false;
    }
    // A display that shows all the lines it can gives up its closing new-row line for the copy.
    const bool full = m_doc.displayCount >= kMaxDisplayRows;
    if (full && m_doc.displayOrder[kMaxDisplayRows - 1] != kNewRowLine) {
        m_doc.Host().ShowErrorMessage(40200, 0);
        return false;
    }
    std::vector<int> reserved;
    // The new row's undo image is taken while it is still free, so that undo frees it again.
    if (!ReserveRows(1, reserved)) {
        return false;
    }
    const int copy = reserved[0];
    const ProductRecord& from = m_doc.GetRow(source);
    ProductRecord& to = m_doc.GetRow(copy);
    to.rowHeight = from.rowHeight;
    to.autoHeight = from.autoHeight;
    to.CopyCellsFrom(from);
    to.photoCount = from.photoCount;
    to.photos = from.photos;
    to.lastChange = Now();
    m_doc.displayOrder.insert(m_doc.displayOrder.begin() + line, copy);
    m_doc.displayOrder.pop_back();
    m_doc.displayCount += full ? 0 : 1;
    m_doc.SetModifiedFlag();
    m_doc.SaveUndoSnapshot(1, -1, 1);
    m_doc.SaveUndoSnapshot(2, copy, 1);
    return true;
}

std::vector<int> CListRowEdits::LinesOf(const std::vector<Block>& blocks)
{
    std::set<int> lines;
    for (const Block& block : blocks) {
        for (int line = block.top; line <= block.bottom; ++line) {
            lines.insert(line);
        }
    }
    return std::vector<int>(lines.begin(), lines.end());
}

std::vector<int> CListRowEdits::DeleteLines(const std::vector<int>& wanted)
{
    std::vector<int> lines;
    for (int line : wanted) {
        if (line >= 0 && line < m_doc.displayCount) {
            lines.push_back(line);
        }
    }
    if (lines.empty() || m_doc.Host().AskMessage(20202, MB_OKCANCEL) != IDOK) {
        return {};
    }
    std::vector<int> rows;
    for (int line : lines) {
        if (const int row = RowOf(line); row >= 0) {
            rows.push_back(row);
        }
    }
    m_doc.SaveUndoSnapshot(1, -1, 0);
    for (int row : rows) {
        m_doc.SaveUndoSnapshot(2, row, 0);
    }
    for (size_t k = 0; k < lines.size(); ++k) {
        // The lines above are gone already.
        const int line = lines[k] - static_cast<int>(k);
        if (const int row = RowOf(line); row >= 0) {
            m_doc.GetRow(row).inUse = false;
        }
        m_doc.displayOrder.erase(m_doc.displayOrder.begin() + line);
        m_doc.displayOrder.push_back(kNewRowLine);
        m_doc.displayCount = std::max(m_doc.displayCount - 1, 0);
    }
    m_doc.AppendNewRowLine();
    m_doc.SaveUndoSnapshot(1, -1, 1);
    for (int row : rows) {
        m_doc.SaveUndoSnapshot(2, row, 1);
    }
    m_doc.SetModifiedFlag();
    return lines;
}

bool CListRowEdits::DeleteAllDisplayed()
{
    if (m_doc.Host().AskMessage(20203, MB_OKCANCEL) != IDOK) {
        return false;
    }
    m_doc.Host().SetWaitCursor(true);
    m_doc.SaveUndoSnapshot(3, -1, 0);
    std::vector<int> rows;
    for (int line = 0; line < m_doc.displayCount; ++line) {
        if (const int row = RowOf(line); row >= 0) {
            m_doc.GetRow(row).inUse = false;
            rows.push_back(row);
        }
    }
    m_doc.SetModifiedFlag();
    m_doc.OnHideAll();
    m_doc.SaveUndoSnapshot(1, -1, 1);
    for (int row : rows) {
        m_doc.SaveUndoSnapshot(2, row, 1);
    }
    m_doc.Host().SetWaitCursor(false);
    return true;
}

bool CListRowEdits::SingleBlock(const std::vector<Block>& blocks, Block& block) const
{
    if (blocks.size() != 1) {
        m_doc.Host().ShowErrorMessage(40207, 0);
        return false;
    }
    block = blocks[0];
    return true;
}

bool CListRowEdits::ReserveRows(int count, std::vector<int>& reserved)
{
    reserved.clear();
    for (int row = 0; row < kMaxRows && static_cast<int>(reserved.size()) < count; ++row) {
        if (!m_doc.GetRow(row).inUse) {
            reserved.push_back(row);
        }
    }
    if (static_cast<int>(reserved.size()) < count) {
        m_doc.Host().ShowErrorMessage(40200, 0);
        reserved.clear();
        return false;
    }
    m_doc.SaveUndoSnapshot(1, -1, 0);
    for (int row : reserved) {
        m_doc.SaveUndoSnapshot(2, row, 0);
    }
    for (size_t i = 0; i < reserved.size(); ++i) {
        m_doc.AllocProductRecord();
    }
    return true;
}

void CListRowEdits::CopyBlockCells(const Block& block, int from, int to)
{
    ProductRecord& target = m_doc.GetRow(to);
    const int dataColumns = m_doc.columnCount;
    for (int column = block.left; column <= block.right; ++column) {
        if (column < dataColumns) {
            const int slot = m_doc.GetColumn(column).slot;
            if (slot < 0 || slot >= kMaxColumns) {
                continue;
            }
            if (from >= 0) {
                target.EditCells().Copy(slot, m_doc.GetRow(from).Cells());
            } else if (target.HasCells()) {
                target.EditCells().Clear(slot);
            }
        } else if (const int k = column - dataColumns; k < kMaxPhotosPerRow) {
            target.photos[k] = from >= 0 ? m_doc.GetRow(from).photos[k] : -1;
        }
    }
}

void CListRowEdits::ShiftInto(const Block& block, int target, int source, const std::vector<int>& reserved,
                              size_t& next)
{
    const int from = RowOf(source);
    int to = RowOf(target);
    if (to < 0) {
        if (from < 0) {
            return;
        }
        to = reserved[next++];
        m_doc.displayOrder[target] = to;
    }
    CopyBlockCells(block, from, to);
}

void CListRowEdits::ResetBlockCells(const Block& block, int row)
{
    CopyBlockCells(block, -1, row);
}

void CListRowEdits::CompactPhotos(int row)
{
    ProductRecord& record = m_doc.GetRow(row);
    int count = 0;
    for (int k = 0; k < kMaxPhotosPerRow; ++k) {
        const int slot = record.photos[k];
        if (slot >= 0 && slot < kMaxPhotos) {
            record.photos[count++] = slot;
        }
    }
    std::fill(record.photos.begin() + count, record.photos.end(), -1);
    record.photoCount = count;
}

bool CListRowEdits::BeginShift(int firstLine, int needed, std::vector<int>& reserved)
{
    if (!ReserveRows(needed, reserved)) {
        return false;
    }
    for (int line = firstLine; line < m_doc.displayCount; ++line) {
        if (const int row = RowOf(line); row >= 0) {
            m_doc.SaveUndoSnapshot(2, row, 0);
        }
    }
    return true;
}

void CListRowEdits::EndShift(int firstLine)
{
    std::vector<int> rows;
    for (int line = firstLine; line < m_doc.displayCount; ++line) {
        if (const int row = RowOf(line); row >= 0) {
            CompactPhotos(row);
            rows.push_back(row);
        }
    }
    m_doc.AppendNewRowLine();
    m_doc.SaveUndoSnapshot(1, -1, 1);
    for (int row : rows) {
        m_doc.SaveUndoSnapshot(2, row, 1);
    }
    m_doc.SetModifiedFlag();
}

bool CListRowEdits::InsertCellsShiftDown(const std::vector<Block>& blocks)
{
    Block block{};
    if (!SingleBlock(blocks, block)) {
        return false;
    }
    const int height = block.bottom - block.top + 1;
    const int lines = m_doc.displayCount;
    const int grown = std::min(lines + height, kMaxDisplayRows);
    // Rows pushed past the last line the list can show would lose the block's values.
    for (int source = std::max(grown - height, block.top); source < lines; ++source) {
        if (RowOf(source) >= 0) {
            m_doc.Host().ShowErrorMessage(40200, 0);
            return false;
        }
    }
    // A target line without a row takes one only when there is a row to move into it.
    int needed = 0;
    for (int target = block.top + height; target < grown; ++target) {
        needed += RowOf(target) < 0 && RowOf(target - height) >= 0 ? 1 : 0;
    }
    std::vector<int> reserved;
    if (!BeginShift(block.top, needed, reserved)) {
        return false;
    }
    for (int line = lines; line < grown; ++line) {
        m_doc.displayOrder[line] = kNewRowLine;
    }
    m_doc.displayCount = grown;
    size_t next = 0;
    for (int target = grown - 1; target >= block.top + height; --target) {
        ShiftInto(block, target, target - height, reserved, next);
    }
    for (int line = block.top; line <= block.bottom; ++line) {
        if (const int row = RowOf(line); row >= 0) {
            ResetBlockCells(block, row);
        }
    }
    EndShift(block.top);
    return true;
}

bool CListRowEdits::DeleteCellsShiftUp(const std::vector<Block>& blocks)
{
    Block block{};
    if (!SingleBlock(blocks, block)) {
        return false;
    }
    const int height = block.bottom - block.top + 1;
    const int lines = m_doc.displayCount;
    int needed = 0;
    for (int target = block.top; target + height < lines; ++target) {
        needed += RowOf(target) < 0 && RowOf(target + height) >= 0 ? 1 : 0;
    }
    std::vector<int> reserved;
    if (!BeginShift(block.top, needed, reserved)) {
        return false;
    }
    size_t next = 0;
    for (int target = block.top; target + height < lines; ++target) {
        ShiftInto(block, target, target + height, reserved, next);
    }
    // The lines that nothing moved into, the block's own among them when it reaches the end.
    for (int line = std::max(lines - height, block.top); line < lines; ++line) {
        if (const int row = RowOf(line); row >= 0) {
            ResetBlockCells(block, row);
        }
    }
    EndShift(block.top);
    return true;
}

int CListRowEdits::PhotoAt(int column, int line) const
{
    const int row = RowOf(line);
    const int k = column - m_doc.columnCount;
    if (row < 0 || k < 0 || k >= m_doc.GetRow(row).photoCount) {
        return -1;
    }
    const int slot = m_doc.GetRow(row).photos[k];
    return slot >= 0 && slot < kMaxPhotos && m_doc.GetPhoto(slot).inUse ? slot : -1;
}

std::vector<int> CListRowEdits::PhotosOf(const std::vector<Block>& blocks) const
{
    std::vector<int> photos;
    for (const Block& block : blocks) {
        for (int line = block.top; line <= block.bottom; ++line) {
            for (int column = std::max(block.left, m_doc.columnCount); column <= block.right; ++column) {
                const int slot = PhotoAt(column, line);
                if (slot >= 0 && std::find(photos.begin(), photos.end(), slot) == photos.end()) {
                    photos.push_back(slot);
                }
            }
        }
    }
    return photos;
}

bool CListRowEdits::DeletePhoto(int column, int line)
{
    const int row = RowOf(line);
    const int k = column - m_doc.columnCount;
    if (row < 0 || k < 0 || k >= m_doc.GetRow(row).photoCount) {
        return false;
    }
    m_doc.SaveUndoSnapshot(1, row, 0);
    ProductRecord& record = m_doc.GetRow(row);
    record.RemovePhotoAt(k);
    record.lastChange = Now();
    m_doc.SaveUndoSnapshot(1, row, 1);
    m_doc.SetModifiedFlag();
    return true;
}

std::vector<int> CListRowEdits::RotatePhotos(const std::vector<Block>& blocks, bool right)
{
    return RotatePhotos(PhotosOf(blocks), right);
}

std::vector<int> CListRowEdits::RotatePhotos(const std::vector<int>& photos, bool right)
{
    std::vector<int> turned;
    if (std::any_of(photos.begin(), photos.end(),
                    [this](int slot) { return m_doc.editingPhotos.count(slot) != 0; })) {
        ShowMessageBox(kPhotoInEditor, kProductName, MB_OK | MB_ICONEXCLAMATION);
        return turned;
    }
    for (int slot : photos) {
        if (right ? m_doc.RotatePhotoRight(slot) : m_doc.RotatePhotoLeft(slot)) {
            turned.push_back(slot);
        }
    }
    if (!turned.empty()) {
        m_doc.SetModifiedFlag();
    }
    return turned;
}

bool CListRowEdits::HasRoomForPhoto(int line)
{
    if (line < 0 || line >= m_doc.displayCount) {
        return false;
    }
    IListHost& host = m_doc.Host();
    const int row = RowOf(line);
    if (row < 0 && !m_doc.HasFreeRow()) {
        host.ShowErrorMessage(40200, 0);
        return false;
    }
    // A full row would leave the new photo in no row at all.
    if (!m_doc.HasFreePhotoSlot() || (row >= 0 && m_doc.GetRow(row).photoCount >= kMaxPhotosPerRow)) {
        host.ShowErrorMessage(40201, 0);
        return false;
    }
    return true;
}

int CListRowEdits::ImportPhotos(int line, const CStringArray& paths)
{
    // The files up to the first that is no JPEG; that one stops the taking in with its message.
    std::vector<CPhotoBatchImport::Photo> photos;
    for (int i = 0; i < paths.GetSize(); ++i) {
        const int dot = paths[i].ReverseFind('.');
        if (dot < 0 || paths[i].Mid(dot + 1).CompareNoCase("jpg") != 0) {
            break;
        }
        photos.push_back({paths[i], CString()});
    }
    int added = 0;
    bool stopped = false;
    CPhotoBatchImport::Steps steps;
    steps.accept = [&](int) {
        stopped = !HasRoomForPhoto(line);
        return !stopped;
    };
    steps.done = [&](int, int slot) {
        stopped = slot < 0 || !m_doc.AddPhotoToRow(line, -1, slot, 1);
        if (stopped) {
            return false;
        }
        EnsurePhotoColumn(line);
        m_doc.SetModifiedFlag();
        ++added;
        return true;
    };
    CPhotoBatchImport(m_doc).Run(photos, steps);
    if (!stopped && added < paths.GetSize() && HasRoomForPhoto(line)) {
        m_doc.Host().ShowErrorMessage(40202, 0);
    }
    return added;
}

bool CListRowEdits::EnsurePhotoColumn(int line)
{
    const int row = RowOf(line);
    if (row < 0 || m_doc.GetRow(row).photoCount < m_doc.photoColumns ||
        m_doc.photoColumns >= kMaxPhotosPerRow) {
        return false;
    }
    ++m_doc.photoColumns;
    return true;
}
