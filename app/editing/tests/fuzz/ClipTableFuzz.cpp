// Clipboard contents from outside: the input read as the private format and as plain text,
// each pasted into a list. The private format that a table gives must read back to the same
// cells.
#include "app/editing/ListGridTransfer.h"
#include "list/ClipTable.h"
#include "list/ZantobyDoc.h"
#include "list/tests/support/FakeListHost.h"
#include "list/tests/support/TempFolder.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// A missing cell and an empty one are the same cell; a lead byte that lost its trail byte is not
// written.
void CheckReadsBack(const CClipTable& table)
{
    CClipTable reread;
    reread.ReadPrivateFormat(table.ToPrivateFormat());
    // The column count is read once: it is counted over every row.
    const int columns = table.GetColumnCount();
    bool same = reread.GetRowCount() == table.GetRowCount();
    for (int row = 0; same && row < table.GetRowCount(); ++row) {
        for (int column = 0; same && column < columns; ++column) {
            same = reread.GetCell(column, row).view() ==
                   Cp932::WithoutBrokenLeadBytes(table.GetCell(column, row).view());
        }
    }
    if (!same) {
        std::fprintf(stderr, "the private format reads back changed\n");
        std::abort();
    }
}

// Pastes at the new-row line of an empty list. One document serves every input, reset for each
// as a new list is, since a new document costs far more.
void Paste(const CClipTable& table)
{
    static TempFolder temp;
    static FakeListHost host;
    static CZantobyDoc doc(host);
    host = FakeListHost();
    doc.ResetToNewList();
    doc.tempFolder = temp.Path();
    doc.listFolder = temp.Path() + "list";
    doc.photoFolderName = "Photo";
    FileSystem::CreateFolder(doc.listFolder);
    doc.SetPathName(doc.listFolder + "/list.zbk", false);
    CListGridTransfer(doc).PasteTable(table, nullptr, 0, doc.displayCount - 1, CListGridTransfer::kCopy);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CString text(std::string_view(reinterpret_cast<const char*>(data), size));

    CClipTable table;
    table.ReadPrivateFormat(text);
    CheckReadsBack(table);
    Paste(table);

    table.ReadText(text);
    table.ToText();
    CheckReadsBack(table);
    Paste(table);
    return 0;
}
