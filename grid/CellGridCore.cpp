#include "grid/CellGridCore.h"

#include "grid/CellObject.h"
#include "grid/GridEditWindow.h"
#include "platform/Bitmap.h"
#include "platform/SystemColors.h"
#include "platform/canvas/Canvas.h"

#include <algorithm>

namespace {

constexpr int kMaxSheets = 1024;
constexpr int kDataSourceTableStep = 16;

} // namespace

CCellGridCore::CCellGridCore()
{
    // The built-in types come first, in this order, so that their indexes are fixed.
    RegisterCellType(&m_normalType);
    RegisterCellType(&m_dropListType);
    RegisterCellType(&m_checkType);
    RegisterCellType(&m_arrowType);
    m_sheets.push_back(CreateSheet());
    m_printSettings.sheet = CurrentSheet();
}

CCellGridCore::~CCellGridCore()
{
    for (int i = 0; i < m_bitmaps.GetCapacity(); ++i) {
        delete static_cast<Bitmap*>(m_bitmaps.GetAt(i));
    }
}

void CCellGridCore::SetHost(CGridHost* host)
{
    m_host = host != nullptr ? host : &m_nullHost;
}

void CCellGridCore::SetEditWindows(CGridEditWindow* edit, CGridEditWindow* maskedEdit)
{
    for (auto& sheet : m_sheets) {
        if (sheet->editWindow == m_edit) {
            sheet->editWindow = edit;
        }
        if (sheet->maskedEditWindow == m_maskedEdit) {
            sheet->maskedEditWindow = maskedEdit;
        }
    }
    m_edit = edit;
    m_maskedEdit = maskedEdit;
}

void CCellGridCore::SetStandardFont(const LogFont* font)
{
    for (auto& sheet : m_sheets) {
        if (sheet->defaultFont == nullptr || sheet->defaultFont == m_standardFont) {
            sheet->defaultFont = font;
        }
    }
    m_standardFont = font;
}

void CCellGridCore::RaiseSetup()
{
    OnSetup();
    OnSheetSetup(0);
}

std::unique_ptr<CGridSheetInfo> CCellGridCore::CreateSheet()
{
    auto sheet = std::make_unique<CGridSheetInfo>();
    sheet->selection.Attach(this);
    sheet->memoryDataSource.AttachToGrid(this, 0);
    sheet->editWindow = m_edit;
    sheet->maskedEditWindow = m_maskedEdit;
    sheet->defaultFont = m_standardFont;
    return sheet;
}

// Painting

void CCellGridCore::RepaintAllParts()
{
    if (m_paintEnabled) {
        m_host->RepaintAllParts();
    }
}

int CCellGridCore::RepaintGrid()
{
    RepaintAllParts();
    return 0;
}

void CCellGridCore::RepaintCell(int column, int row)
{
    if (column < 0) {
        m_host->RepaintSideHeading();
    } else if (row < 0) {
        m_host->RepaintTopHeading();
    } else {
        m_rangeList.AddCell(column, row);
        m_host->UpdateCellArea(m_rangeList);
    }
}

void CCellGridCore::RepaintRow(int row)
{
    if (Sheet().colCount > 0) {
        RepaintRange(0, row, Sheet().colCount - 1, row);
    }
}

void CCellGridCore::RepaintRange(int left, int top, int right, int bottom)
{
    m_rangeList.AddRange(left, top, right, bottom);
    m_host->UpdateCellArea(m_rangeList);
}

void CCellGridCore::EnableTips(int flag)
{
    Sheet().tips = flag;
    m_host->EnableTips(flag);
}

// Sheets

int CCellGridCore::SetSheetCount(int count)
{
    if (count < 1 || count > kMaxSheets) {
        return 1;
    }
    const int previous = m_currentSheet;
    const int tabBarWidth = Sheet().tabBarWidth;
    if (count < GetSheetCount()) {
        // The current sheet must never point at a deleted one, even for a moment.
        m_currentSheet = std::min(previous, count - 1);
        m_sheets.resize(count);
    }
    while (GetSheetCount() < count) {
        m_sheets.push_back(CreateSheet());
        m_currentSheet = GetSheetCount() - 1;
        OnSheetSetup(m_currentSheet);
    }
    if (previous < count) {
        m_currentSheet = previous;
    } else {
        SwitchToSheet(count - 1, 1, tabBarWidth);
    }
    m_printSettings.sheet = CurrentSheet();
    return 0;
}

CGridSheetInfo* CCellGridCore::SheetAt(int index)
{
    return index >= 0 && index < GetSheetCount() ? m_sheets[index].get() : nullptr;
}

int CCellGridCore::SelectSheet(int index, int repaint)
{
    if (index < 0 || index >= GetSheetCount()) {
        return 1;
    }
    SwitchToSheet(index, repaint, Sheet().tabBarWidth);
    return 0;
}

void CCellGridCore::SwitchToSheet(int index, int repaint, int tabBarWidth)
{
    const int painting = m_paintEnabled;
    if (!repaint) {
        m_paintEnabled = 0;
    }
    m_host->FocusCellArea();
    m_currentSheet = index;
    Sheet().tabBarWidth = tabBarWidth;
    m_printSettings.sheet = CurrentSheet();
    LayoutParts();
    m_paintEnabled = painting;
}

// Registries

int CCellGridCore::RegisterCellType(CCellType* type)
{
    if (type == nullptr) {
        return -1;
    }
    int index = m_cellTypes.Add(type);
    type->AttachToGrid(this, index);
    return index;
}

CCellType* CCellGridCore::GetCellType(int index) const
{
    if (index > 0) {
        if (auto* type = static_cast<CCellType*>(m_cellTypes.GetAt(index))) {
            return type;
        }
    }
    return const_cast<CCellType*>(&m_normalType);
}

CCellType* CCellGridCore::GetCellTypeAt(int column, int row)
{
    CCellRecord record;
    ReadCellForDisplay(column, row, record);
    return GetCellType(record.GetTypeIndex());
}

std::intptr_t CCellGridCore::SendToCellType(int index, std::intptr_t parameter)
{
    auto* type = index >= 0 ? static_cast<CCellType*>(m_cellTypes.GetAt(index)) : nullptr;
    return type != nullptr ? type->OnMessage(parameter) : 0;
}

void CCellGridCore::NotifySysColorChange()
{
    for (int i = 0; i < m_cellTypes.GetCapacity(); ++i) {
        if (auto* type = static_cast<CCellType*>(m_cellTypes.GetAt(i))) {
            type->OnSysColorChange();
        }
    }
}

int CCellGridCore::RegisterDataSource(CCellDataSource* source)
{
    if (source == nullptr) {
        return -1;
    }
    int index = 1;
    while (index < static_cast<int>(m_dataSources.size()) && m_dataSources[index] != nullptr) {
        ++index;
    }
    if (index >= static_cast<int>(m_dataSources.size())) {
        m_dataSources.resize(m_dataSources.size() + kDataSourceTableStep, nullptr);
    }
    m_dataSources[index] = source;
    source->AttachToGrid(this, index);
    return index;
}

CCellDataSource* CCellGridCore::DataSourceAt(int index) const
{
    if (index == 0) {
        return const_cast<CMemoryDataSource*>(&Sheet().memoryDataSource);
    }
    if (index < 0 || index >= static_cast<int>(m_dataSources.size())) {
        return nullptr;
    }
    return m_dataSources[index];
}

int CCellGridCore::RegisterBitmap(Bitmap* bitmap)
{
    if (bitmap == nullptr) {
        return -1;
    }
    return m_bitmaps.Add(bitmap);
}

const Bitmap* CCellGridCore::GetBitmapAt(int index) const
{
    return static_cast<const Bitmap*>(m_bitmaps.GetAt(index));
}

// Cells

CCellDataSource* CCellGridCore::DataSourceFor(int column) const
{
    const CGridSheetInfo& sheet = Sheet();
    if (column >= 0 && column < sheet.colCount && sheet.columns[column].dataSource != nullptr) {
        return sheet.columns[column].dataSource;
    }
    return sheet.dataSource;
}

int CCellGridCore::DataSourceColumn(int column) const
{
    const CGridSheetInfo& sheet = Sheet();
    return column >= 0 && column < sheet.colCount ? sheet.columns[column].dataSourceId : column;
}

int CCellGridCore::FindTextBefore(int column, int row)
{
    CCellDataSource* source = DataSourceFor(column);
    int id = DataSourceColumn(column);
    if (source == nullptr || source->FindTextBefore(&id, row) != 0) {
        return -1;
    }
    return GridColumnOf(source, id);
}

int CCellGridCore::GridColumnOf(const CCellDataSource* source, int id) const
{
    const CGridSheetInfo& sheet = Sheet();
    for (int column = 0; column < sheet.colCount; ++column) {
        if (sheet.columns[column].dataSourceId == id && DataSourceFor(column) == source) {
            return column;
        }
    }
    return id;
}

int CCellGridCore::ReadCell(int column, int row, CCellRecord& record)
{
    record.ClearProperties();
    if (column >= Sheet().colCount) {
        return 1;
    }
    if (CCellDataSource* source = DataSourceFor(column)) {
        source->GetCell(DataSourceColumn(column), row, record);
    }
    return 0;
}

int CCellGridCore::ReadCellForDisplay(int column, int row, CCellRecord& record)
{
    const CGridSheetInfo& sheet = Sheet();
    record.SetMaskBits(0);
    const bool realColumn = column >= 0 && column < sheet.colCount;
    if (!realColumn || row < 0) {
        sheet.headingDefault.MergePropertiesInto(record);
    } else {
        record.CopyPropertiesFrom(sheet.columns[column].defaultCell);
    }
    if (row >= sheet.rowCount) {
        return 0;
    }
    const int id = DataSourceColumn(column);
    if (CCellDataSource* source = DataSourceFor(column)) {
        source->GetCell(id, row, record);
    }
    OnGetCell(id, row, record);
    if (CCellObject* object = record.GetCellObject()) {
        object->FillCellRecord(record);
    }
    if (const CCellRecord* linked = record.GetLinkedRecord(); linked != nullptr && linked != &record) {
        linked->MergePropertiesInto(record);
    }
    return 0;
}

int CCellGridCore::WriteCell(int column, int row, CCellRecord& record)
{
    const CGridSheetInfo& sheet = Sheet();
    // Cells at or past the counts would come back as stray cells when the grid grows.
    if (column < -sheet.SideHeadingColumnCount() || column >= sheet.colCount ||
        row < -sheet.TopHeadingRowCount() || row >= sheet.rowCount) {
        return 1;
    }
    OnSetCell(column, row, record);
    if (CCellDataSource* source = DataSourceFor(column)) {
        source->SetCell(DataSourceColumn(column), row, record);
    }
    return 0;
}

CString CCellGridCore::GetCellText(int column, int row)
{
    CCellRecord record;
    ReadCellForDisplay(column, row, record);
    return record.GetText();
}

int CCellGridCore::SetCellText(int column, int row, const CString& text)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetTextValue(text);
    return WriteCell(column, row, record);
}

int CCellGridCore::GetCellBool(int column, int row)
{
    CCellRecord record;
    ReadCellForDisplay(column, row, record);
    return record.GetBoolValue();
}

int CCellGridCore::SetCellBool(int column, int row, int flag)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetBoolValue(flag);
    return WriteCell(column, row, record);
}

int CCellGridCore::SetCellTextColor(int column, int row, COLORREF color)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetForeColor(color);
    return WriteCell(column, row, record);
}

int CCellGridCore::SetCellBackColor(int column, int row, COLORREF color)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetFillColor(color);
    return WriteCell(column, row, record);
}

int CCellGridCore::SetCellBitmap(int column, int row, const Bitmap* bitmap)
{
    CCellRecord record;
    ReadCell(column, row, record);
    record.SetPicture(bitmap);
    return WriteCell(column, row, record);
}

int CCellGridCore::SetCellBitmapIndex(int column, int row, int index)
{
    return SetCellBitmap(column, row, GetBitmapAt(index));
}

int CCellGridCore::GetColDefaultCell(int column, CCellRecord& record) const
{
    if (column < 0 || column >= Sheet().colCount) {
        return 1;
    }
    record.CopyPropertiesFrom(Sheet().columns[column].defaultCell);
    return 0;
}

int CCellGridCore::SetColDefaultCell(int column, const CCellRecord& record)
{
    if (column < 0 || column >= Sheet().colCount) {
        return 1;
    }
    Sheet().columns[column].defaultCell.CopyPropertiesFrom(record);
    return 0;
}

int CCellGridCore::MergeCellRange(int left, int top, int right, int bottom)
{
    const CGridSheetInfo& sheet = Sheet();
    if (right < left || bottom < top || right >= sheet.colCount || bottom >= sheet.rowCount ||
        left < -sheet.SideHeadingColumnCount() || top < -sheet.TopHeadingRowCount()) {
        return 1;
    }
    CCellRecord record;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            ReadCell(column, row, record);
            record.SetJoin(0, -(column - left), -(row - top));
            WriteCell(column, row, record);
        }
    }
    ReadCell(left, top, record);
    record.SetJoin(1, right - left, bottom - top);
    WriteCell(left, top, record);
    return 0;
}

int CCellGridCore::GetJoinRange(int column, int row, int& left, int& top, int& right, int& bottom)
{
    CCellRecord record;
    ReadCellForDisplay(column, row, record);
    int first = 0, columns = 0, rows = 0;
    if (record.GetJoin(first, columns, rows) != 0) {
        return 1;
    }
    int firstColumn = column, firstRow = row;
    if (!first) {
        firstColumn = column + columns;
        firstRow = row + rows;
        ReadCellForDisplay(firstColumn, firstRow, record);
        if (record.GetJoin(first, columns, rows) != 0 || !first) {
            return 1;
        }
    }
    if (columns < 0 || rows < 0 || column > firstColumn + columns || row > firstRow + rows) {
        return 1;
    }
    left = firstColumn;
    top = firstRow;
    right = firstColumn + columns;
    bottom = firstRow + rows;
    return 0;
}

int CCellGridCore::InsertRowAt(int row)
{
    CGridSheetInfo& sheet = Sheet();
    if (row < 0 || row > sheet.rowCount) {
        return 1;
    }
    if (sheet.dataSource == nullptr || sheet.dataSource->InsertRow(row) != 0) {
        return 2;
    }
    // The heights move with their rows.
    if (!sheet.uniformRowHeight && row <= static_cast<int>(sheet.rowHeights.size())) {
        sheet.rowHeights.insert(sheet.rowHeights.begin() + row, sheet.defaultRowHeight);
    }
    return SetRowCount(sheet.rowCount + 1, 1);
}

int CCellGridCore::DeleteRowAt(int row)
{
    CGridSheetInfo& sheet = Sheet();
    if (row < 0 || row >= sheet.rowCount) {
        return 1;
    }
    if (sheet.dataSource == nullptr || sheet.dataSource->DeleteRow(row) != 0) {
        return 2;
    }
    if (row < static_cast<int>(sheet.rowHeights.size())) {
        sheet.rowHeights.erase(sheet.rowHeights.begin() + row);
    }
    return SetRowCount(sheet.rowCount - 1, 1);
}

int CCellGridCore::MoveColumn(int from, int to, int before)
{
    CGridSheetInfo& sheet = Sheet();
    if (from < 0 || from >= sheet.colCount || to < 0 || to >= sheet.colCount) {
        return 1;
    }
    if (from == to) {
        return 0;
    }
    CGridSheetInfo::Column moved = std::move(sheet.columns[from]);
    sheet.columns.erase(sheet.columns.begin() + from);
    int target = to > from ? to - 1 : to;
    if (!before) {
        ++target;
    }
    sheet.columns.insert(sheet.columns.begin() + target, std::move(moved));
    RecomputeLockedWidth();
    return 0;
}

// Notification defaults

int CCellGridCore::OnGetHintText(int column, int row, int /*section*/, CString& text)
{
    text.Format("Col:%d Row:%ld", column, static_cast<long>(row));
    return 1;
}

int CCellGridCore::OnDrawFocusRect(Canvas* dc, const CRect& rect)
{
    if (dc == nullptr || rect.IsRectEmpty()) {
        return 0;
    }
    const int column = CurrentColumn();
    const int row = CurrentRow();
    if (int drawn = GetCellTypeAt(column, row)->DrawFocus(*dc, rect, column, row)) {
        return drawn;
    }
    dc->DrawFocusRect(CRect(rect.left, rect.top, rect.right - 1, rect.bottom - 1));
    return 1;
}

COLORREF CCellGridCore::OnGetDefaultBackColor(int section)
{
    return GetSysColor(section == GridSection::CellArea ? COLOR_WINDOW : COLOR_BTNFACE);
}

int CCellGridCore::DefaultSortCompare(const CCellRecord* a, const CCellRecord* b, int flags)
{
    if (flags & kSortDescending) {
        std::swap(a, b);
    }
    if (a == nullptr || b == nullptr) {
        return a == b ? 0 : (a == nullptr ? 1 : -1);
    }
    auto numeric = [](const CCellRecord* record) {
        short type = record->GetDataType();
        return type == CellDataType::Number || type == CellDataType::Bool ||
               type == CellDataType::OtherNumber;
    };
    const bool numberA = numeric(a);
    const bool numberB = numeric(b);
    // Both directions must agree, or a sort cannot settle: texts (and empty cells) always come
    // before numbers.
    if (numberA != numberB) {
        return numberA ? 1 : -1;
    }
    if (numberA) {
        const double x = a->GetNumberValue();
        const double y = b->GetNumberValue();
        return x > y ? 1 : (x < y ? -1 : 0);
    }
    int result = a->GetText().str().compare(b->GetText().str());
    return result < 0 ? -1 : (result > 0 ? 1 : 0);
}
