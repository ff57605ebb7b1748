#include "WebTestList.h"

WebTestList::WebTestList() : doc(std::make_unique<CZantobyDoc>(host))
{
    doc->tempFolder = temp.Path();
    doc->listFolder = Folder();
    doc->photoFolderName = "Photo-test";
    doc->title = "テスト";
    const struct
    {
        const char* name;
        const char* subName;
        int type;
    } columns[] = {{"品名", "", kTypeText},
                   {"寸法", "幅", kTypeNumber},
                   {"寸法", "高さ", kTypeNumber},
                   {"備考", "", kTypeMark}};
    doc->columnCount = 4;
    for (int i = 0; i < 4; ++i) {
        ColumnRecord& column = doc->GetColumn(i);
        column.name = columns[i].name;
        column.subName = columns[i].subName;
        column.type = columns[i].type;
        column.slot = i;
    }
    doc->BuildColumnMap();
    doc->web.listName = "list";
}

int WebTestList::AddRow(std::initializer_list<const char*> texts)
{
    int record = doc->AllocProductRecord();
    int column = 0;
    for (const char* text : texts) {
        CellRecord cell;
        doc->ParseCellText(column, cell, text, kOutputGrid);
        doc->GetRow(record).SetCell(doc->GetColumn(column).slot, doc->GetColumn(column).type, cell);
        ++column;
    }
    return record;
}

void WebTestList::AddPhoto(int record, int slot, const char* name)
{
    PhotoRecord& photo = doc->GetPhoto(slot);
    photo.inUse = true;
    photo.name = name;
    ProductRecord& row = doc->GetRow(record);
    row.photos[static_cast<size_t>(row.photoCount++)] = slot;
}

CString WebTestList::Folder() const
{
    return temp.Path().Left(temp.Path().GetLength() - 1);
}
