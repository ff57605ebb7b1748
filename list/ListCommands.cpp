#include "list/ListCommands.h"

#include "list/BulkImportLayout.h"
#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/PhotoBatchImport.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace {

constexpr int kPrintInMode = 33064;
constexpr int kFirstPrintMode = 33065;
constexpr int kLastPrintMode = 33068;

constexpr char kCsvExtension[] = "csv";
constexpr char kCsvFilter[] = "ﾃｷｽﾄﾌｧｲﾙ(*.csv;*.txt)|*.csv;*.txt|全てのﾌｧｲﾙ(*.*)|*.*||";

bool IsPrintMode(int commandId)
{
    return commandId >= kFirstPrintMode && commandId <= kLastPrintMode;
}

} // namespace

CListCommands::CListCommands(CZantobyDoc& doc) : m_doc(doc), m_host(doc.Host()) {}

template <typename Action> void CListCommands::Guarded(int line, Action action)
{
    try {
        action();
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, "ZantobyDoc", line);
    }
}

template <typename Change> void CListCommands::ChangeDisplay(Change change)
{
    m_doc.SaveUndoSnapshot(1, -1, 0);
    change();
    m_doc.UpdateAllViews(nullptr, kHintAllRows);
    m_doc.SaveUndoSnapshot(1, -1, 1);
}

void CListCommands::OnListProperties()
{
    Guarded(__LINE__, [this] { m_host.RunListPropertiesDialog(m_doc); });
}

void CListCommands::OnBackup()
{
    Guarded(__LINE__, [this] { m_doc.RunBackup(); });
}

void CListCommands::OnImportCsv()
{
    m_doc.UpdateAllViews(nullptr, kHintDisableGrid);
    Guarded(__LINE__, [this] {
        m_host.RunImportCsvDialog(m_doc, kCsvExtension, kCsvFilter);
        m_doc.UpdateAllViews(nullptr, kHintColumnsAndRows);
    });
    m_doc.UpdateAllViews(nullptr, kHintEnableGrid);
}

void CListCommands::OnExportCsv()
{
    Guarded(__LINE__, [this] { m_host.RunExportCsvDialog(m_doc, kCsvExtension, kCsvFilter); });
}

void CListCommands::OnPrint(int commandId)
{
    if (IsPrintMode(commandId)) {
        m_host.SetPrintMode(commandId);
    } else if (commandId != kPrintInMode) {
        return;
    }
    m_doc.UpdateAllViews(nullptr, kHintPrint);
}

void CListCommands::OnPageSetup()
{
    Guarded(__LINE__, [this] {
        const int result = m_host.RunPageSetupDialog(m_doc);
        if (IsPrintMode(result)) {
            OnPrint(result);
        }
    });
}

void CListCommands::OnFind()
{
    Guarded(__LINE__, [this] {
        if (!m_doc.currentCellText.IsEmpty()) {
            m_host.SetSearchKeyword(m_doc.currentCellText);
        }
        if (m_host.RunSearchDialog() != IDCANCEL) {
            m_doc.UpdateAllViews(nullptr, kHintFind);
        }
    });
}

void CListCommands::OnFindNext()
{
    m_host.SetSearchWrap(0);
    m_host.SetSearchForward(true);
    m_doc.UpdateAllViews(nullptr, kHintFind);
}

void CListCommands::OnFindPrevious()
{
    m_host.SetSearchWrap(0);
    m_host.SetSearchForward(false);
    m_doc.UpdateAllViews(nullptr, kHintFind);
}

void CListCommands::OnExtract()
{
    Guarded(__LINE__, [this] {
        if (!m_doc.extractConditions) {
            m_doc.ResetExtractConditions();
        }
        if (m_host.RunExtractDialog(m_doc) != IDOK) {
            return;
        }
        ChangeDisplay([this] {
            m_doc.ExtractRows(true);
            m_doc.SortDisplayRows();
        });
    });
}

void CListCommands::OnHideAll()
{
    ChangeDisplay([this] { m_doc.HideAllRows(); });
}

void CListCommands::OnShowAll()
{
    ChangeDisplay([this] {
        m_doc.ShowAllRows();
        m_doc.SortDisplayRows();
    });
}

void CListCommands::OnSortSettings()
{
    Guarded(__LINE__, [this] {
        m_doc.UpdateAllViews(nullptr, kHintBeforeSortSettings);
        if (m_host.RunSortDetailDialog(m_doc) == IDOK) {
            m_doc.SortDisplayRows();
            m_doc.UpdateAllViews(nullptr, kHintAllRows);
        }
    });
}

bool CListCommands::SortByColumn(int column, bool descending)
{
    if (column < 0 || column >= m_doc.columnCount || column >= kMaxColumns) {
        m_host.Beep();
        return false;
    }
    ChangeDisplay([this, column, descending] {
        auto& keys = m_doc.sortKeys;
        // The keys before the column's own move down one place over it, so that the order of the
        // others stays. Keys read from a damaged file may name the column twice; the passes are
        // bounded so that such keys cannot keep the search going.
        for (int pass = 0; pass < kMaxColumns; ++pass) {
            auto found = std::find_if(keys.begin() + 1, keys.end(),
                                      [column](const SortKeyEntry& key) { return key.column == column; });
            if (found == keys.end()) {
                break;
            }
            std::move_backward(keys.begin(), found, found + 1);
        }
        keys[0] = SortKeyEntry{column, descending};
        m_doc.SetModifiedFlag();
        m_doc.SortDisplayRows();
    });
    return true;
}

void CListCommands::OnBulkImport()
{
    m_host.SetWaitCursor(true);
    Guarded(__LINE__, [this] {
        BulkImportLayout layout;
        if (m_host.RunBulkImportDialog(m_doc, layout) != IDOK) {
            return;
        }
        m_host.PumpMessages();
        ImportLaidOutPhotos(layout);
    });
    m_host.ClearProgressText();
    m_host.SetWaitCursor(false);
}

void CListCommands::ImportLaidOutPhotos(BulkImportLayout& layout)
{
    // Each grid row becomes a new display line before the new-row line; lines that would not
    // fit into the display are not taken.
    const int count = m_doc.displayCount;
    const int insertAt = count > 0 && m_doc.displayOrder[count - 1] == kNewRowLine ? count - 1 : count;
    const int gridRows = std::max(layout.rows, 0);
    const int rows = std::min(gridRows, kMaxDisplayRows - count);
    if (rows < gridRows) {
        m_host.ShowErrorMessage(40200, 0);
    }

    for (BulkImportLayout::Item& item : layout.items) {
        item.placed = false;
        item.slot = 0;
    }
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < layout.columns; ++c) {
            const int item = layout.ItemAt(c, r);
            if (item >= 0) {
                layout.items[static_cast<size_t>(item)].placed = true;
            }
        }
    }
    // The placed photos are made on all cores and taken in in the order of the layout's list.
    std::vector<BulkImportLayout::Item*> placed;
    std::vector<CPhotoBatchImport::Photo> photos;
    for (BulkImportLayout::Item& item : layout.items) {
        if (item.placed) {
            placed.push_back(&item);
            photos.push_back({item.path, CString()});
        }
    }
    bool failed = false;
    int shown = -1;
    CPhotoBatchImport::Steps steps;
    steps.waiting = [&](int index) {
        if (index != shown) {
            shown = index;
            CString progress;
            progress.Format("[%s]を読込中...", placed[static_cast<size_t>(index)]->path.GetString());
            m_host.SetProgressText(progress);
        }
        return true;
    };
    steps.done = [&](int index, int slot) {
        placed[static_cast<size_t>(index)]->slot = slot;
        failed = slot < 0;
        return !failed;
    };
    CPhotoBatchImport(m_doc).Run(photos, steps);
    if (failed) {
        m_host.ShowWarningMessage(30203, 0);
        return;
    }

    m_doc.SaveUndoSnapshot(1, -1, 0);
    m_doc.displayCount = count + rows;
    for (int line = insertAt; line < m_doc.displayCount; ++line) {
        m_doc.displayOrder[line] = kNewRowLine;
    }
    std::vector<int> newRows;
    try {
        bool full = false;
        for (int r = 0; r < rows && !full; ++r) {
            const int line = insertAt + r;
            for (int c = 0; c < layout.columns; ++c) {
                const int item = layout.ItemAt(c, r);
                if (item < 0) {
                    break;
                }
                const int slot = layout.items[static_cast<size_t>(item)].slot;
                if (slot < 0) {
                    continue;
                }
                // The photo that makes the row brings the row's before image into the step.
                const bool makesRow = m_doc.displayOrder[line] < 0;
                if (!m_doc.AddPhotoToRow(line, -1, slot, makesRow ? 2 : 0)) {
                    full = true;
                    break;
                }
                if (makesRow) {
                    newRows.push_back(m_doc.displayOrder[line]);
                }
            }
        }
    } catch (const std::exception&) {
        m_host.ReportError(nullptr, "ZantobyDoc", __LINE__);
    }

    // What was added is kept and closes the undo step, whatever stopped the adding.
    bool grew = false;
    for (int r = 0; r < rows; ++r) {
        const int row = m_doc.displayOrder[insertAt + r];
        if (row >= 0 && row < kMaxRows && m_doc.GetRow(row).photoCount > m_doc.photoColumns) {
            m_doc.photoColumns = std::min(m_doc.GetRow(row).photoCount, kMaxPhotosPerRow);
            grew = true;
        }
    }
    m_doc.UpdateAllViews(nullptr, grew ? kHintColumnsAndRows : kHintAllRows);
    m_doc.SetModifiedFlag();
    m_doc.AppendNewRowLine();
    m_doc.SaveUndoSnapshot(1, -1, 1);
    for (int row : newRows) {
        m_doc.SaveUndoSnapshot(2, row, 1);
    }
}

void CListCommands::OnContinuousImport()
{
    Guarded(__LINE__, [this] { m_host.ShowContinuousImport(!m_host.IsContinuousImportShown()); });
}

void CListCommands::OnCreateWeb()
{
    Guarded(__LINE__, [this] {
        if (!m_doc.workPath.IsEmpty()) {
            m_host.ShowWarningMessage(30214, 0);
            return;
        }
        if (m_host.GetAutoCheck() && !m_host.RunInputCheck(m_doc)) {
            return;
        }
        m_host.RunCreateWebDialog(m_doc);
    });
}

void CListCommands::OnInputCheck()
{
    Guarded(__LINE__, [this] { m_host.RunInputCheck(m_doc); });
}

void CListCommands::OnListInfo()
{
    Guarded(__LINE__, [this] {
        if (m_host.RunListInfoDialog(m_doc) == IDOK) {
            m_doc.UpdateAllViews(nullptr, kHintColumnsAndRows);
            m_doc.SetModifiedFlag();
        }
    });
}

void CListCommands::EditColumnInfo(int column)
{
    if (column < 0 || column >= kMaxColumns) {
        return;
    }
    Guarded(__LINE__, [this, column] {
        ColumnRecord working = m_doc.GetColumn(column);
        if (working.type < kTypeYesNo || working.type > kTypeDate) {
            return;
        }
        if (m_host.RunColumnDetailDialog(working) != IDOK) {
            return;
        }
        m_doc.GetColumn(column) = working;
        if (working.dropType == 1) {
            m_doc.RebuildAutoDropList(column);
        }
        m_doc.UpdateAllViews(nullptr, kHintColumnsAndRows);
        m_doc.DeleteUndoFiles(0);
        m_doc.SetModifiedFlag();
    });
}

bool CListCommands::IsPrintModeChecked(int commandId) const
{
    return m_host.GetPrintMode() == commandId;
}

bool CListCommands::IsContinuousImportChecked() const
{
    return m_host.IsContinuousImportShown();
}

bool CListCommands::CanChangeList() const
{
    return !m_doc.readOnly;
}
