#include "grid/CellGridCore.h"

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
