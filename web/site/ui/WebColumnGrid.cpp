#include "web/site/ui/WebColumnGrid.h"

#include "foundation/GridColumnDef.h"
#include "list/ZantobyDoc.h"
#include "platform/VirtualKeys.h"
#include "web/site/WebColumnTable.h"

#include <cstdlib>

namespace {

enum GridColumn : int
{
    kNumber,
    kName,
    kOrder,
    kHeader,
    kInList,
    kWrap,
    kFrom,
    kTo,
};

constexpr int kCheckStyle = static_cast<int>(CheckStyle::Tick);
constexpr int kYesNoStyle = static_cast<int>(CheckStyle::Tick | CheckStyle::ThreeStates);
// The states of the three-state box of a Yes/No column's condition.
constexpr int kNo = 0;
constexpr int kYes = 1;
constexpr int kEither = 2;

const GridColumnDef kColumns[] = {
    {"№", 0, 4, CellAlign::Right, CellTypeIndex::Normal, 0},
    {"名称", 0, 20, CellAlign::Left, CellTypeIndex::Normal, 0},
    {"並替", 0, 8, CellAlign::Left, CellTypeIndex::DropList, 0},
    {"ﾍｯﾀﾞ", 0, 4, CellAlign::Center, CellTypeIndex::CheckBox, kCheckStyle},
    {"一覧", 0, 4, CellAlign::Center, CellTypeIndex::CheckBox, kCheckStyle},
    {"折返", 0, 4, CellAlign::Center, CellTypeIndex::CheckBox, kCheckStyle},
    {"最小値", 0, 20, CellAlign::Left, CellTypeIndex::Normal, 0},
    {"最大値", 0, 20, CellAlign::Left, CellTypeIndex::Normal, 0},
    {nullptr, 0, 0, 0, 0, 0},
};

const char* const kHints[] = {"項目番号を表示しています",
                              "項目名を表示しています",
                              "並替方法を昇順・降順より選択します",
                              "簡単設定一覧のﾍｯﾀﾞとして使用する・しないを指定します",
                              "簡単設定一覧に表示する・しないを指定します",
                              "簡単設定一覧の自動折り返しをする・しないを指定します",
                              "抽出条件の最小値を指定します",
                              "抽出条件の最大値を指定します"};

constexpr const char* kAscending = "昇順";
constexpr const char* kDescending = "降順";

} // namespace

void CWebColumnGrid::OnSetup()
{
    SetupColumns(kColumns, 0);
    for (int column : {kNumber, kName}) {
        CCellRecord cell;
        GetColDefaultCell(column, cell);
        cell.SetReadOnly(1);
        SetColDefaultCell(column, cell);
    }
    CCellRecord order;
    GetColDefaultCell(kOrder, order);
    order.SetLabelString(CString(kAscending) + "\n" + kDescending + "\n");
    SetColDefaultCell(kOrder, order);
    EnableGrid(1);
}

void CWebColumnGrid::SetRows(const std::vector<WebColumnRow>& rows)
{
    SetRowCount(static_cast<int>(rows.size()));
    for (size_t row = 0; row < rows.size(); ++row) {
        WriteRow(static_cast<int>(row), rows[row]);
    }
    RepaintGrid();
}

std::vector<WebColumnRow> CWebColumnGrid::GetRows()
{
    std::vector<WebColumnRow> rows;
    for (int row = 0; row < GetRowCount(); ++row) {
        rows.push_back(ReadRow(row));
    }
    return rows;
}

void CWebColumnGrid::WriteRow(int row, const WebColumnRow& values)
{
    CString number;
    number.Format("%d", values.column + 1);
    SetCellText(kNumber, row, number);
    SetCellText(kName, row, CWebColumnTable::DisplayName(m_doc, values.column));
    SetCellText(kOrder, row, values.descending ? kDescending : kAscending);
    SetCellBool(kHeader, row, values.header);
    SetCellBool(kInList, row, values.inList);
    SetCellBool(kWrap, row, values.wrap);

    // The range cells are written whole, so that a row moved here takes none of the joins and
    // box of the row before.
    int type =
        values.column >= 0 && values.column < kMaxColumns ? m_doc.GetColumn(values.column).type : kTypeNone;
    CCellRecord from;
    CCellRecord to;
    from.SetTextValue(CString());
    to.SetTextValue(CString());
    switch (type) {
    case kTypeYesNo:
        from.SetTypeIndex(CellTypeIndex::CheckBox);
        from.SetTypeStyle(kYesNoStyle);
        from.SetNumberValue(values.from == "true" ? kYes : values.from == "false" ? kNo : kEither);
        break;
    case kTypeText:
        from.SetTextValue(values.from);
        break;
    case kTypeMark:
    case kTypeNumber:
    case kTypeDate:
        from.SetTextValue(values.from);
        to.SetTextValue(values.to);
        break;
    default:
        from.SetReadOnly(1);
        break;
    }
    WriteCell(kFrom, row, from);
    WriteCell(kTo, row, to);
    if (type != kTypeMark && type != kTypeNumber && type != kTypeDate) {
        MergeCellRange(kFrom, row, kTo, row);
    }
}

WebColumnRow CWebColumnGrid::ReadRow(int row)
{
    WebColumnRow values;
    values.column = ColumnOfRow(row);
    values.descending = GetCellText(kOrder, row) == kDescending;
    values.header = GetCellBool(kHeader, row) != 0;
    values.inList = GetCellBool(kInList, row) != 0;
    values.wrap = GetCellBool(kWrap, row) != 0;
    int type = values.column >= 0 ? m_doc.GetColumn(values.column).type : kTypeNone;
    if (type == kTypeYesNo) {
        CCellRecord box;
        ReadCell(kFrom, row, box);
        int state = static_cast<int>(box.GetNumberValue());
        values.from = state == kYes ? "true" : state == kNo ? "false" : "";
    } else if (type != kTypeNone) {
        values.from = GetCellText(kFrom, row);
        if (type != kTypeText) {
            values.to = GetCellText(kTo, row);
        }
    }
    return values;
}

int CWebColumnGrid::ColumnOfRow(int row)
{
    int column = std::atoi(GetCellText(kNumber, row)) - 1;
    return column >= 0 && column < m_doc.columnCount && column < kMaxColumns ? column : -1;
}

bool CWebColumnGrid::IsRangeCell(int column, int row)
{
    if ((column != kFrom && column != kTo) || row < 0 || row >= GetRowCount()) {
        return false;
    }
    CCellRecord cell;
    ReadCellForDisplay(column, row, cell);
    return cell.GetTypeIndex() != CellTypeIndex::CheckBox;
}

bool CWebColumnGrid::MoveCurrentRow(bool up)
{
    int row = CurrentRow();
    int other = up ? row - 1 : row + 1;
    if (row < 0 || other < 0 || other >= GetRowCount() || other >= kMaxColumns) {
        return false;
    }
    WebColumnRow current = ReadRow(row);
    WriteRow(row, ReadRow(other));
    WriteRow(other, current);
    MoveToCell(CurrentColumn(), other);
    RepaintRow(row);
    RepaintRow(other);
    SetFocus();
    return true;
}

void CWebColumnGrid::OnCellDblClick(int column, int row, const CRect&, CPoint, int)
{
    if (IsRangeCell(column, row)) {
        BeginEditAt(column, row, 0);
    }
}

void CWebColumnGrid::OnGridKeyDown(unsigned int* key, int)
{
    int column = CurrentColumn();
    int row = CurrentRow();
    if (*key == VK_DELETE && IsRangeCell(column, row)) {
        SetCellText(column, row, CString());
        RepaintCell(column, row);
    } else if (*key == VK_RETURN) {
        if (column == kNumber) {
            MoveToCell(kName, row);
        } else if (row + 1 < GetRowCount()) {
            MoveToCell(kNumber, row + 1);
        }
        *key = 0;
    }
}

int CWebColumnGrid::OnEditFinish(int, int row, CGridEditWindow*, CString& text, int cancelled)
{
    if (!cancelled) {
        text = CWebColumnTable::ParseRangeValue(m_doc, ColumnOfRow(row), text);
    }
    return 1;
}

int CWebColumnGrid::OnGetHintText(int column, int row, int section, CString& text)
{
    if (section != GridSection::TopHeading || column < 0 || column > kTo || row >= 0) {
        return 0;
    }
    text = kHints[column];
    return 1;
}
