#include "grid/ui/tests/support/GridDemoSheet.h"

#include "grid/CellRecord.h"
#include "grid/ui/CellGrid.h"

void CGridDemoSheet::Fill(CCellGrid& grid)
{
    grid.SetPaintEnabled(0);
    grid.SetColCount(kColumns);
    grid.SetRowCount(kRows);
    grid.CurrentSheet()->tabBarWidth = 160;
    const char* headings[] = {"品名", "メーカー", "数量", "単価", "金額", "備考"};
    for (int column = 0; column < kColumns; ++column) {
        CString text;
        if (column < 6) {
            text = headings[column];
        } else {
            text.Format("列%d", column + 1);
        }
        grid.SetCellText(column, -1, text);
    }
    for (int row = 0; row < kRows; ++row) {
        CString number;
        number.Format("%d", row + 1);
        grid.SetCellText(-1, row, number);
    }
    for (int row = 0; row < 12; ++row) {
        CString name;
        name.Format("部品 %02d", row + 1);
        grid.SetCellText(0, row, name);
        CString count;
        count.Format("%d", (row * 7) % 13 + 1);
        grid.SetCellText(2, row, count);
        CCellRecord record;
        grid.ReadCell(3, row, record);
        CString price;
        price.Format("%d", 120 * (row + 1));
        record.SetTextValue(price);
        record.SetAlignFlags(0x2);
        grid.WriteCell(3, row, record);
    }
    grid.SetCellText(1, 1, "東日本電機");
    grid.SetCellText(5, 1, "東日本電機株式会社 第二工場 納品分");
    grid.SetCellText(5, 3, "短い");
    grid.SetCellText(5, 4, "ここから右の空いたセルへ文字が続きます");
    grid.SetCellText(7, 4, "止");
    // A joined range with its text centred.
    grid.MergeCellRange(4, 6, 6, 8);
    CCellRecord joined;
    grid.ReadCell(4, 6, joined);
    joined.SetTextValue("結合セル");
    joined.SetAlignFlags(0x24);
    joined.SetFillColor(RGB(255, 244, 214));
    grid.WriteCell(4, 6, joined);
    // A check box column, a drop list and arrows.
    for (int row = 0; row < 12; ++row) {
        CCellRecord check;
        grid.ReadCell(8, row, check);
        check.SetTypeIndex(CellTypeIndex::CheckBox);
        check.SetTypeStyle(row < 6 ? CheckStyle::Tick : CheckStyle::ThreeStates);
        check.SetNumberValue(row % 3);
        check.SetLabelString(row < 6 ? "確認" : "三状態");
        grid.WriteCell(8, row, check);
    }
    CCellRecord choices;
    grid.ReadCell(1, 9, choices);
    choices.SetTypeIndex(CellTypeIndex::DropList);
    choices.SetLabelString("東日本電機\n西部工業\n北辰精機\n");
    choices.SetTextValue("西部工業");
    grid.WriteCell(1, 9, choices);
    const std::uint32_t arrows[] = {ArrowStyle::Right, ArrowStyle::Left, ArrowStyle::DoubleRight,
                                    ArrowStyle::DoubleLeft};
    for (int i = 0; i < 4; ++i) {
        const std::uint32_t style = arrows[i];
        const int row = 8 + i;
        CCellRecord arrow;
        grid.ReadCell(9, row, arrow);
        arrow.SetTypeIndex(CellTypeIndex::Arrow);
        arrow.SetTypeStyle(style);
        grid.WriteCell(9, row, arrow);
    }
    grid.SetCellBackColor(0, 10, RGB(214, 236, 255));
    grid.SetCellTextColor(0, 11, RGB(200, 0, 0));
    grid.SetPaintEnabled(1);
    grid.LayoutParts();
}
