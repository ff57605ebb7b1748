// Clipboard contents from outside: the input read as the private format and as plain text,
// each pasted into a list with a column of every type. The private format that a table gives,
// and the plain text that a table read from text gives, must read back to the same cells.
#include "app/editing/ListGridTransfer.h"
#include "list/ClipTable.h"
#include "list/ZantobyDoc.h"
#include "list/tests/support/FakeListHost.h"
#include "list/tests/support/TempFolder.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A paste costs by its rows; a longer text only brings more lines of the kinds two hundred
// already bring, so the input is cut after this many line feeds.
constexpr size_t kMaxLines = 200;

// Whether a table read back from what another wrote holds the same cells, as same() compares
// them; a missing cell and an empty one are the same cell.
template <typename Same>
void CheckReadsBack(const CClipTable& table, const CClipTable& reread, Same same, const char* what)
{
    // The column count is read once: it is counted over every row.
    const int columns = table.GetColumnCount();
    bool equal = reread.GetRowCount() == table.GetRowCount();
    for (int row = 0; equal && row < table.GetRowCount(); ++row) {
        for (int column = 0; equal && column < columns; ++column) {
            equal = same(column, row);
        }
    }
    if (!equal) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// The private format gives every cell back; a lead byte that lost its trail byte and a NUL are
// not written.
void CheckPrivateFormat(const CClipTable& table)
{
    CClipTable reread;
    reread.ReadPrivateFormat(table.ToPrivateFormat());
    CheckReadsBack(
        table, reread,
        [&](int column, int row) {
            std::string written = Cp932::WithoutBrokenLeadBytes(table.GetCell(column, row).view());
            std::erase(written, '\0');
            return reread.GetCell(column, row).view() == written;
        },
        "the private format reads back changed");
}

// Our own plain text of cells read from plain text gives the same texts again.
void CheckText(const CClipTable& table)
{
    CClipTable reread;
    reread.ReadText(table.ToText());
    CheckReadsBack(
        table, reread,
        [&](int column, int row) { return reread.GetText(column, row) == table.GetText(column, row); },
        "the plain text reads back changed");
}

// Pastes at the new-row line of an empty list. One document serves every input, and only what
// the last input changed is reset: its rows and lines. Undo is off: its snapshots are the list's
// own images, which the undo tests check, and would cost many times what the paste costs.
void Paste(const CClipTable& table)
{
    static TempFolder temp;
    static FakeListHost host;
    static CZantobyDoc doc(host);
    static const bool ready = [] {
        doc.SwitchUndoOff();
        doc.listFolder = temp.Path() + "list";
        doc.photoFolderName = "Photo";
        FileSystem::CreateFolder(doc.listFolder);
        doc.SetPathName(doc.listFolder + "/list.zbk", false);
        // Every type refuses texts its own way.
        const int types[] = {kTypeText, kTypeYesNo, kTypeMark, kTypeNumber, kTypeDate};
        doc.columnCount = static_cast<int>(std::size(types));
        for (int j = 0; j < doc.columnCount; ++j) {
            doc.GetColumn(j).type = types[j];
        }
        doc.BuildColumnMap();
        return true;
    }();
    (void)ready;
    host = FakeListHost();
    for (int line = 0; line < doc.displayCount; ++line) {
        if (const int row = doc.displayOrder[line]; row >= 0) {
            doc.GetRow(row).Reset();
        }
    }
    doc.HideAllRows();
    CListGridTransfer transfer(doc);
    transfer.ReportLeftOut(
        transfer.PasteTable(table, nullptr, 0, doc.displayCount - 1, CListGridTransfer::kCopy));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    size_t end = 0;
    for (size_t lines = 0; end < input.size() && lines < kMaxLines; ++lines) {
        end = std::min(input.find('\n', end), input.size() - 1) + 1;
    }
    const CString text(input.substr(0, end));

    CClipTable table;
    table.ReadPrivateFormat(text);
    CheckPrivateFormat(table);
    Paste(table);

    table.ReadText(text);
    CheckPrivateFormat(table);
    CheckText(table);
    Paste(table);
    return 0;
}
