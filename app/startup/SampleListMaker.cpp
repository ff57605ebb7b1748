#include "app/startup/SampleListMaker.h"

#include "foundation/BitmapEx.h"
#include "foundation/PathName.h"
#include "list/IListHost.h"
#include "list/ListFileNames.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/canvas/Canvas.h"

#include <filesystem>

namespace {

struct ColumnSpec
{
    const char* name;
    const char* subName;
    int type;
    int width;
    int align;
};

constexpr ColumnSpec kColumns[] = {
    {"品名", "", kTypeText, 16, 0},      {"在庫", "", kTypeYesNo, 4, 1},   {"分類", "", kTypeMark, 6, 1},
    {"価格", "", kTypeNumber, 8, 2},     {"入荷日", "", kTypeDate, 10, 1}, {"寸法", "幅", kTypeNumber, 5, 2},
    {"寸法", "高さ", kTypeNumber, 5, 2}, {"備考", "", kTypeText, 20, 0},
};

constexpr const char* kNames[] = {"ボールペン", "ノート", "消しゴム", "定規",
                                  "ホッチキス", "はさみ", "付箋",     "クリップ"};
constexpr const char* kMarks[] = {"A", "B", "C", "★"};
constexpr COLORREF kPhotoColors[] = {RGB(220, 60, 60), RGB(60, 140, 220), RGB(70, 170, 90), RGB(230, 170, 40),
                                     RGB(150, 80, 190)};

} // namespace

bool CSampleListMaker::DrawPhoto(const CString& path, int index)
{
    CBitmapEx image;
    if (!image.Create(320, 240, 24)) {
        return false;
    }
    {
        Canvas dc(image);
        const COLORREF color = kPhotoColors[index % std::size(kPhotoColors)];
        dc.FillRect(CRect(0, 0, 320, 240), RGB(245, 242, 235));
        dc.FillRect(CRect(0, 180, 320, 240), RGB(200, 190, 170));
        dc.SelectPen(Canvas::Pen{PS_SOLID, 3, RGB(40, 40, 40)});
        dc.SelectBrush(Canvas::Brush::Solid(color));
        if (index % 2 == 0) {
            dc.Ellipse(CRect(90, 40, 230, 180));
        } else {
            dc.Rectangle(70, 60, 250, 190);
        }
        LogFont font;
        font.faceName = "ＭＳ ゴシック";
        font.height = 28;
        dc.SelectFont(font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(20, 20, 20));
        CString label;
        label.Format("No.%d", index + 1);
        dc.TextOut(12, 8, label);
    }
    return image.SaveJpeg(path, 90);
}

void CSampleListMaker::DefineColumns(CZantobyDoc& doc) const
{
    doc.columnCount = static_cast<int>(std::size(kColumns));
    for (int j = 0; j < doc.columnCount; ++j) {
        ColumnRecord& column = doc.GetColumn(j);
        column.type = kColumns[j].type;
        column.name = kColumns[j].name;
        column.subName = kColumns[j].subName;
        column.width = kColumns[j].width;
        column.align = kColumns[j].align;
        column.thousands = column.type == kTypeNumber;
    }
    doc.GetColumn(2).dropType = 1;
    doc.GetColumn(7).multiLine = true;
    doc.GetColumn(0).remark = "商品の名前";
    doc.BuildColumnMap();
}

void CSampleListMaker::FillRow(CZantobyDoc& doc, int row, int index) const
{
    ProductRecord& record = doc.GetRow(row);
    auto set = [&](int column, const CString& text) {
        const ColumnRecord& definition = doc.GetColumn(column);
        CellRecord cell;
        doc.ParseCellText(column, cell, text, 0);
        record.SetCell(definition.slot, definition.type, cell);
    };
    CString text;
    text.Format("%s %d", kNames[index % std::size(kNames)], index + 1);
    set(0, text);
    set(1, index % 3 == 0 ? "0" : "1");
    set(2, kMarks[index % std::size(kMarks)]);
    text.Format("%d", 100 + (index * 37) % 5000);
    set(3, text);
    text.Format("2024/%02d/%02d", 1 + index % 12, 1 + index % 28);
    set(4, text);
    text.Format("%d", 10 + index % 90);
    set(5, text);
    text.Format("%d", 5 + index % 40);
    set(6, text);
    if (index % 4 == 1) {
        set(7, "色違いあり。まとめ買いの割引は店頭でお問い合わせください。");
    }
    if (index == 2) {
        record.EditCells().SetColors(doc.GetColumn(0).slot, RGB(200, 0, 0), kDefaultColor);
        record.EditCells().SetColors(doc.GetColumn(3).slot, kDefaultColor, RGB(255, 255, 180));
    }
}

bool CSampleListMaker::Make(const CString& path, int rows, int photoRows, const CString& title)
{
    CZantobyDoc doc(m_host);
    const CString full = FileSystem::GetFullPath(path);
    doc.listFolder = GetFolderOfPath(full);
    doc.photoFolderName = CListFileNames::StandardPhotoFolderName(full);
    std::error_code error;
    for (const char* sub : {"org", "m", "s", "draw"}) {
        std::filesystem::create_directories(
            FileSystem::ToNative(doc.listFolder + "/" + doc.photoFolderName + "/" + sub), error);
        if (error) {
            return false;
        }
    }
    doc.title = title;
    doc.sample = m_sample;
    DefineColumns(doc);
    doc.photoColumns = 3;
    for (int index = 0; index < rows && index < kMaxRows; ++index) {
        const int row = doc.AllocProductRecord();
        FillRow(doc, row, index);
    }
    doc.ShowAllRows();
    const CString drawn = doc.listFolder + "/zantoby-sample-photo.jpg";
    for (int line = 0, photo = 0; line < photoRows && line < rows; ++line) {
        for (int k = 0; k <= line % 3; ++k, ++photo) {
            if (!DrawPhoto(drawn, photo)) {
                return false;
            }
            const int slot = doc.ImportPhotoImage(drawn, -1, CString(), 0);
            if (slot < 0 || !doc.AddPhotoToRow(line, -1, slot, 0)) {
                return false;
            }
            doc.GetPhoto(slot).name.Format("写真%d", photo + 1);
        }
    }
    std::filesystem::remove(FileSystem::ToNative(drawn), error);
    for (int j = 0; j < doc.columnCount; ++j) {
        doc.RebuildAutoDropList(j);
    }
    doc.currentColumn = 0;
    doc.currentRow = 0;
    doc.SetModifiedFlag();
    return doc.WriteListFile(full, true);
}
