#include "ExchangeList.h"

#include "platform/FileSystem.h"

ExchangeList::ExchangeList() : doc(std::make_unique<CZantobyDoc>(host))
{
    doc->tempFolder = temp.Path();
    doc->listFolder = temp.Path() + "list";
    doc->photoFolderName = "Photo-商品";
    FileSystem::CreateFolder(doc->listFolder);
    FileSystem::CreateFolder(PhotoFolder());
    doc->SetPathName(ListPath(), false);
}

void ExchangeList::UseAllTypes()
{
    struct Column
    {
        const char* name;
        int type;
    };
    const Column columns[] = {
        {"品名", kTypeText},  {"価格", kTypeNumber}, {"入荷", kTypeDate},
        {"在庫", kTypeYesNo}, {"記号", kTypeMark},
    };
    doc->columnCount = 0;
    for (const Column& column : columns) {
        ColumnRecord& record = doc->GetColumn(doc->columnCount);
        record.slot = doc->columnCount++;
        record.name = column.name;
        record.type = column.type;
    }
    doc->GetColumn(1).thousands = true;
    doc->GetColumn(2).dateKind = 2;
    doc->BuildColumnMap();
}

int ExchangeList::AddRow(std::initializer_list<const char*> texts)
{
    int position = doc->displayCount - 1;
    int column = 0;
    for (const char* text : texts) {
        doc->SetCellTextAt(column++, position, text);
    }
    int row = doc->displayOrder[position];
    doc->AppendNewRowLine();
    return row;
}
