#include "app/testing/ui/FullListFile.h"

#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"

bool WriteFullListFile(const CString& folder, const CString& path)
{
    FakeListHost host;
    CZantobyDoc doc(host);
    doc.listFolder = folder;
    doc.photoFolderName = "Photo-full";
    FileSystem::CreateFolder(folder);
    FileSystem::CreateFolder(folder + "/Photo-full");
    doc.columnCount = kMaxColumns;
    for (int j = 0; j < kMaxColumns; ++j) {
        doc.GetColumn(j).type = j % 8 == 3 ? kTypeNumber : kTypeText;
        doc.GetColumn(j).name.Format("項目%d", j + 1);
    }
    doc.BuildColumnMap();
    for (int row = 0; row < kMaxRows; ++row) {
        ProductRecord& record = doc.GetRow(row);
        record.inUse = true;
        for (int j = 0; j < kMaxColumns; ++j) {
            const ColumnRecord& column = doc.GetColumn(j);
            CellRecord cell;
            if (column.type == kTypeNumber) {
                cell.number.SetInteger(row * 7 + j);
            } else {
                cell.text.Format("商品%d-%d", row, j);
            }
            record.SetCell(column.slot, column.type, cell);
        }
    }
    doc.ShowAllRows();
    return doc.WriteListFile(path, true);
}
