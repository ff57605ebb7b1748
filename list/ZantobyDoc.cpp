#include "list/ZantobyDoc.h"

#include "foundation/FileUtility.h"
#include "list/CellCodec.h"
#include "list/GlobalFindSettings.h"
#include "list/HeaderFooterText.h"
#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/ListCommands.h"
#include "list/ListFileReader.h"
#include "list/ListLifecycle.h"
#include "list/ListSaver.h"
#include "list/RowExtractor.h"
#include "list/RowSorter.h"
#include "platform/Mbcs.h"
#include "platform/MessageBox.h"

#include <algorithm>
#include <cstring>
#include <exception>

namespace {

bool IsRowIndex(int row)
{
    return row >= 0 && row < kMaxRows;
}
bool IsSlot(int slot)
{
    return slot >= 0 && slot < kMaxColumns;
}

// The column record that stands for every slot no column uses: it has no type, so its cells
// read and write nothing.
const ColumnRecord& EmptyColumn()
{
    static const ColumnRecord empty = [] {
        ColumnRecord column;
        column.type = kTypeNone;
        return column;
    }();
    return empty;
}

// The columns of a new list: three text columns and unused ones, named 項目1 onwards, each in the
// slot of its own number. Made once; a reset copies them.
const std::array<ColumnRecord, kMaxColumns>& NewListColumns()
{
    static const std::array<ColumnRecord, kMaxColumns> columns = [] {
        std::array<ColumnRecord, kMaxColumns> made;
        for (int n = 0; n < kMaxColumns; ++n) {
            ColumnRecord& column = made[n];
            column.slot = n;
            column.name = ColumnRecord::DefaultName(n);
            if (n >= 3) {
                column.type = kTypeNone;
            }
        }
        return made;
    }();
    return columns;
}

} // namespace

CZantobyDoc::CZantobyDoc(IListHost& host)
    : displayOrder(kMaxDisplayRows, kNewRowLine), m_host(host), m_rows(kMaxRows), m_photos(kMaxPhotos),
      m_undo(*this), m_listPhotos(*this)
{
    try {
        tempFolder = GetTempFolder();
    } catch (const std::exception&) {
        // Without a temporary folder the list works without undo.
    }
    ResetToNewList();
    CListLifecycle::Register(this);
}

CZantobyDoc::~CZantobyDoc()
{
    CListLifecycle::Unregister(this);
}

void CZantobyDoc::AddView(IListView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
    }
}

void CZantobyDoc::RemoveView(IListView* view)
{
    std::erase(m_views, view);
}

void CZantobyDoc::UpdateAllViews(IListView* sender, int hint, const ListHintArg* arg)
{
    // A view may remove itself while it handles a hint.
    std::vector<IListView*> views = m_views;
    for (IListView* view : views) {
        if (view != sender) {
            view->OnUpdate(hint, arg);
        }
    }
}

const ColumnRecord& CZantobyDoc::ColumnOrEmpty(int displayColumn) const
{
    return (displayColumn >= 0 && displayColumn < kMaxColumns) ? m_columns[displayColumn] : EmptyColumn();
}

CDateEx CZantobyDoc::Now()
{
    return CDateEx(COleDateTime::GetCurrentTime());
}

void CZantobyDoc::ResetToNewList()
{
    fileVersion = 0;
    title = "新規リスト";
    listFolder.Empty();
    photoFolderName.Empty();
    folderIdentity.Forget();
    for (int i = 0; i < m_rowReach; ++i) {
        m_rows[i].Reset();
    }
    m_rowReach = 0;
    for (int i = 0; i < m_photoReach; ++i) {
        m_photos[i].Reset();
    }
    m_photoReach = 0;
    m_columns = NewListColumns();
    columnCount = 3;
    photoColumns = 3;
    lockedColumns = 0;
    BuildColumnMap();
    for (int i = 0; i < kMaxColumns; ++i) {
        sortKeys[i] = SortKeyEntry{i, false};
    }
    inputChecks = InputCheckSwitches();
    currentColumn = -1;
    currentRow = -1;
    focusColumn = -1;
    focusRow = -1;
    currentCellText.Empty();
    photoSizes = PhotoSizeSettings();
    splitterPosition = 350;
    web = WebOutputSettings::Standard();
    print = PrintSettings();
    backupFolder.Empty();
    backupOn = false;
    savedChanges = false;
    HideAllRows();
    if (extractConditions) {
        extractConditions->Reset();
    }
    m_undo.Reset();
    readOnly = false;
    sample = false;
}

void CZantobyDoc::BuildColumnMap()
{
    m_columnOfSlot.fill(&EmptyColumn());
    m_displayIndexOfSlot.fill(-1);
    for (int i = 0; i < kMaxColumns; ++i) {
        int slot = m_columns[i].slot;
        if (IsSlot(slot)) {
            m_columnOfSlot[slot] = &m_columns[i];
            m_displayIndexOfSlot[slot] = i;
        }
    }
}

std::vector<int> CZantobyDoc::TypedSlots() const
{
    std::vector<int> slots;
    for (int slot = 0; slot < kMaxColumns; ++slot) {
        if (m_columnOfSlot[slot]->type != kTypeNone) {
            slots.push_back(slot);
        }
    }
    return slots;
}

void CZantobyDoc::MapDisplayCell(int displayColumn, int displayRow, int& slot, int& row) const
{
    slot = -1;
    row = -1;
    if (displayColumn >= 0 && displayColumn < columnCount && displayColumn < kMaxColumns &&
        m_columns[displayColumn].type != kTypeNone && IsSlot(m_columns[displayColumn].slot)) {
        slot = m_columns[displayColumn].slot;
    }
    if (displayRow >= 0 && displayRow < displayCount && IsRowIndex(displayOrder[displayRow])) {
        row = displayOrder[displayRow];
    }
}

int CZantobyDoc::AllocProductRecord()
{
    const int row = FindFreeRow(0);
    if (row >= 0) {
        TakeRow(row);
    }
    return row;
}

int CZantobyDoc::FindFreeRow(int from) const
{
    for (int row = std::max(from, 0); row < kMaxRows; ++row) {
        if (!m_rows[row].inUse) {
            return row;
        }
    }
    return -1;
}

void CZantobyDoc::TakeRow(int row)
{
    ProductRecord& record = GetRow(row);
    record.Reset();
    record.inUse = true;
}

bool CZantobyDoc::HasFreeRow() const
{
    return m_rowReach < kMaxRows || std::any_of(m_rows.begin(), m_rows.begin() + m_rowReach,
                                                [](const ProductRecord& row) { return !row.inUse; });
}

bool CZantobyDoc::HasFreePhotoSlot() const
{
    return m_photoReach < kMaxPhotos || std::any_of(m_photos.begin(), m_photos.begin() + m_photoReach,
                                                    [](const PhotoRecord& photo) { return !photo.inUse; });
}

void CZantobyDoc::AppendNewRowLine()
{
    if (displayCount > 0) {
        int last = displayOrder[displayCount - 1];
        if (!IsRowIndex(last) || !m_rows[last].inUse) {
            return;
        }
    }
    if (displayCount >= kMaxDisplayRows) {
        return;
    }
    displayOrder[displayCount++] = kNewRowLine;
    UpdateAllViews(nullptr, kHintRowsAppended);
}

void CZantobyDoc::RebuildAutoDropList(int displayColumn)
{
    if (displayColumn < 0 || displayColumn >= kMaxColumns) {
        return;
    }
    ColumnRecord& column = m_columns[displayColumn];
    if (column.dropType != 1 || column.type == kTypeNone || !IsSlot(column.slot)) {
        return;
    }
    std::vector<CString> entries;
    for (int i = 0; i < m_rowReach; ++i) {
        const ProductRecord& row = m_rows[i];
        if (!row.inUse) {
            continue;
        }
        CString text = FormatCellForOutput(displayColumn, row.GetCell(column.slot), kOutputGrid);
        if (std::find(entries.begin(), entries.end(), text) == entries.end()) {
            entries.push_back(std::move(text));
        }
    }
    std::sort(entries.begin(), entries.end(),
              [](const CString& a, const CString& b) { return Mbcs::Compare(a.view(), b.view()) < 0; });
    column.dropEntries.RemoveAll();
    for (CString& entry : entries) {
        column.dropEntries.Add(entry);
    }
}

bool CZantobyDoc::FindColumnByName(const CString& nameAndSubName, int& displayColumn) const
{
    int separator = nameAndSubName.Find("::");
    CString name = separator >= 0 ? nameAndSubName.Left(separator) : nameAndSubName;
    CString subName = separator >= 0 ? nameAndSubName.Mid(separator + 2) : CString();
    for (int i = 0; i < columnCount && i < kMaxColumns; ++i) {
        if (m_columns[i].name == name && m_columns[i].subName == subName) {
            displayColumn = i;
            return true;
        }
    }
    return false;
}

CString CZantobyDoc::GetCellText(int displayColumn, int slot, int row, int mode) const
{
    if (!IsRowIndex(row) || !IsSlot(slot) || !m_rows[row].inUse) {
        return CString();
    }
    return CCellCodec::Format(ColumnOrEmpty(displayColumn), m_rows[row].Cells(), slot, mode);
}

CString CZantobyDoc::GetCellTextAt(int displayColumn, int displayRow, int mode) const
{
    int slot = -1;
    int row = -1;
    MapDisplayCell(displayColumn, displayRow, slot, row);
    return GetCellText(displayColumn, slot, row, mode);
}

CString CZantobyDoc::SetCellTextAt(int displayColumn, int displayRow, const CString& text, CString* refusal)
{
    int slot = -1;
    int row = -1;
    MapDisplayCell(displayColumn, displayRow, slot, row);
    if (slot < 0 || displayRow < 0 || displayRow >= displayCount) {
        return CString();
    }
    // The text is read before anything changes, so that a refused one leaves no trace.
    CellValue value;
    if (row >= 0) {
        m_rows[row].Cells().Read(slot, value);
    }
    CString reason;
    CString stored = ParseCellText(displayColumn, value, text, kOutputGrid, &reason);
    if (refusal != nullptr) {
        *refusal = reason;
    }
    if (!reason.IsEmpty()) {
        return stored;
    }
    int freeRowFrom = 0;
    row = BeginCellWrite(displayRow, row, freeRowFrom);
    if (row < 0) {
        return CString();
    }
    m_rows[row].SetCell(slot, ColumnOrEmpty(displayColumn).type, value);
    SaveUndoSnapshot(1, row, 1);
    return stored;
}

void CZantobyDoc::StoreCellText(int displayColumn, int displayRow, std::string_view text, int& freeRowFrom)
{
    int slot = -1;
    int row = -1;
    MapDisplayCell(displayColumn, displayRow, slot, row);
    if (slot < 0 || displayRow < 0 || displayRow >= displayCount) {
        return;
    }
    const ColumnRecord& column = ColumnOrEmpty(displayColumn);
    CellValue value;
    const bool taken = CCellCodec::ParseValue(column, value, text, m_host);
    if (!taken && row >= 0) {
        return;
    }
    row = BeginCellWrite(displayRow, row, freeRowFrom);
    if (row < 0) {
        return;
    }
    // A refused text leaves the new row's cell empty.
    if (taken) {
        m_rows[row].SetCell(slot, column.type, value);
    }
    SaveUndoSnapshot(1, row, 1);
}

int CZantobyDoc::BeginCellWrite(int displayRow, int row, int& freeRowFrom)
{
    if (row >= 0) {
        SaveUndoSnapshot(1, row, 0);
    } else {
        row = FindFreeRow(freeRowFrom);
        if (row < 0) {
            m_host.ShowErrorMessage(40200, 0);
            return -1;
        }
        freeRowFrom = row + 1;
        // The before image is taken while the new row is still free and the display still shows
        // the new-row line, so that undo gives both back.
        SaveUndoSnapshot(1, row, 0);
        TakeRow(row);
        displayOrder[displayRow] = row;
    }
    m_rows[row].lastChange = Now();
    return row;
}

CString CZantobyDoc::FormatCellForOutput(int displayColumn, const CellValue& cell, int mode) const
{
    return CCellCodec::Format(ColumnOrEmpty(displayColumn), cell, mode);
}

CString CZantobyDoc::ParseCellText(int displayColumn, CellValue& target, const CString& text, int mode,
                                   CString* refusal)
{
    return CCellCodec::Parse(ColumnOrEmpty(displayColumn), target, text, mode, m_host, refusal);
}

bool CZantobyDoc::SetCellColor(int displayColumn, int displayRow, COLORREF CellRecord::*which, COLORREF color)
{
    int slot = -1;
    int row = -1;
    MapDisplayCell(displayColumn, displayRow, slot, row);
    if (slot < 0 || row < 0) {
        return false;
    }
    RowCells& cells = GetRow(row).EditCells();
    CellRecord colours;
    colours.textColor = cells.TextColor(slot);
    colours.backColor = cells.BackColor(slot);
    colours.*which = color;
    cells.SetColors(slot, colours.textColor, colours.backColor);
    return true;
}

bool CZantobyDoc::SetCellTextColor(int displayColumn, int displayRow, COLORREF color)
{
    return SetCellColor(displayColumn, displayRow, &CellRecord::textColor, color);
}

bool CZantobyDoc::SetCellBackColor(int displayColumn, int displayRow, COLORREF color)
{
    return SetCellColor(displayColumn, displayRow, &CellRecord::backColor, color);
}

CString CZantobyDoc::ExpandHeaderFooter(const CString& text, int page, int pageCount) const
{
    return CHeaderFooterText::Expand(text, title, Now(), page, pageCount);
}

void CZantobyDoc::OnUndo()
{
    if (!m_undo.Undo()) {
        m_host.Beep();
    }
}

void CZantobyDoc::OnRedo()
{
    if (!m_undo.Redo()) {
        m_host.Beep();
    }
}

bool CZantobyDoc::OnNewDocument()
{
    return CListLifecycle(*this).OnNewDocument();
}

bool CZantobyDoc::OnOpenDocument(const CString& path)
{
    return CListLifecycle(*this).OnOpenDocument(path);
}

bool CZantobyDoc::DoSave(const CString& path)
{
    return CListSaver(*this).DoSave(path);
}

bool CZantobyDoc::OnSaveDocument(const CString& path)
{
    return CListSaver(*this).OnSaveDocument(path);
}

void CZantobyDoc::OnCloseDocument()
{
    CListLifecycle(*this).OnCloseDocument();
}

void CZantobyDoc::SetPathName(const CString& path, bool addToRecentFiles)
{
    CListLifecycle(*this).SetPathName(path, addToRecentFiles);
}

bool CZantobyDoc::ReadListFile(const CString& path, int flags)
{
    return CListFileReader(*this).Read(path, flags);
}

bool CZantobyDoc::WriteListFile(const CString& path, bool keepViews)
{
    return CListSaver(*this).WriteListFile(path, keepViews);
}

bool CZantobyDoc::CreateWorkFolders(const CString& templateSpec)
{
    return CListLifecycle(*this).CreateWorkFolders(templateSpec);
}

bool CZantobyDoc::DeleteWorkFolders()
{
    return CListLifecycle(*this).DeleteWorkFolders();
}

bool CZantobyDoc::RunAutoOrganiser()
{
    return CListLifecycle(*this).RunAutoOrganiser();
}

bool CZantobyDoc::OpenPhotoEditor(int photo)
{
    return CListLifecycle(*this).OpenPhotoEditor(photo);
}

void CZantobyDoc::OnPhotoEdited(int photo)
{
    CListLifecycle(*this).OnPhotoEdited(photo);
}

void CZantobyDoc::OnPhotoEditorClosed(int photo)
{
    CListLifecycle(*this).OnPhotoEditorClosed(photo);
}

int CZantobyDoc::RunBackup()
{
    int result = m_host.RunBackupDialog(*this);
    if (result == IDOK) {
        savedChanges = false;
    }
    return result;
}

void CZantobyDoc::OnFind()
{
    CListCommands(*this).OnFind();
}

void CZantobyDoc::OnSortSettings()
{
    CListCommands(*this).OnSortSettings();
}

void CZantobyDoc::OnListInfo()
{
    CListCommands(*this).OnListInfo();
}

void CZantobyDoc::OnHideAll()
{
    CListCommands(*this).OnHideAll();
}

void CZantobyDoc::EditColumnInfo(int column)
{
    CListCommands(*this).EditColumnInfo(column);
}

bool CZantobyDoc::SortByColumn(int column, bool descending)
{
    return CListCommands(*this).SortByColumn(column, descending);
}

void CZantobyDoc::ClearDisplay()
{
    // Every byte of the new-row line's -1 is 0xFF: one memset rather than a loop over all
    // 10,000 entries, which the fuzz build would trace entry by entry.
    static_assert(kNewRowLine == -1);
    std::memset(displayOrder.data(), 0xFF, displayOrder.size() * sizeof(int));
    displayCount = 0;
}

void CZantobyDoc::SetDisplayRows(const std::vector<int>& rows, bool appendNewRowLine)
{
    ClearDisplay();
    for (int row : rows) {
        if (displayCount >= kMaxDisplayRows) {
            break;
        }
        displayOrder[displayCount++] = row;
    }
    if (appendNewRowLine && displayCount < kMaxDisplayRows) {
        displayOrder[displayCount++] = kNewRowLine;
    }
}

bool CZantobyDoc::ShowAllRows()
{
    std::vector<int> rows;
    for (int i = 0; i < m_rowReach; ++i) {
        if (m_rows[i].inUse) {
            rows.push_back(i);
        }
    }
    SetDisplayRows(rows, true);
    return true;
}

void CZantobyDoc::HideAllRows()
{
    ClearDisplay();
    displayCount = 1;
}

bool CZantobyDoc::ExtractRows(bool appendNewRowLine)
{
    std::vector<int> rows;
    if (extractConditions) {
        ExtractConditions& conditions = *extractConditions;
        CRowExtractor extractor(*this);
        if (conditions.mode == 0) {
            if (!conditions.caseSensitive) {
                for (CString& keyword : conditions.keywords) {
                    keyword.MakeUpper();
                }
            }
            rows = extractor.ByKeywords(conditions.keywords, conditions.anyMatch != 0, conditions.wholeText,
                                        conditions.caseSensitive);
        } else if (conditions.mode == 1) {
            rows = extractor.ByColumnConditions(conditions);
        }
    }
    SetDisplayRows(rows, appendNewRowLine);
    return true;
}

bool CZantobyDoc::ExtractByGlobalKeywords()
{
    ClearDisplay();
    GlobalFindSettings* settings = m_host.GetGlobalFindSettings();
    if (settings == nullptr || !settings->IsActive()) {
        return false;
    }
    if (!settings->caseSensitive) {
        for (CString& keyword : settings->keywords) {
            keyword.MakeUpper();
        }
    }
    std::vector<int> rows = CRowExtractor(*this).ByKeywords(settings->keywords, settings->anyMatch != 0,
                                                            settings->wholeText, settings->caseSensitive);
    SetDisplayRows(rows, true);
    return true;
}

bool CZantobyDoc::SortDisplayRows()
{
    if (displayCount <= 1) {
        return true;
    }
    m_host.SetProgressText("表示ﾃﾞｰﾀを並替中");
    CRowSorter(*this, displayOrder.data(), sortKeys.data()).QuickSortRows(0, displayCount - 1);
    m_host.ClearProgressText();
    return true;
}

void CZantobyDoc::ResetExtractConditions()
{
    if (!extractConditions) {
        extractConditions = std::make_unique<ExtractConditions>();
    }
    extractConditions->Reset();
}
