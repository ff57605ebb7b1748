// A CSV file from outside imported into a list of every column type. The first byte picks the
// dialog's choices: the delimiter (bits 0-1), adding or replacing (bit 2), photo names in the
// extra fields (bit 3), skipped lines (bits 4-5); the rest is the file.
#include "list/tests/support/FileBytes.h"
#include "platform/FileSystem.h"
#include "web/exchange/CsvImporter.h"
#include "web/exchange/testing/ExchangeList.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace {

// One list serves every input, reset for each as a new list is and with its photo folder
// emptied, since a new document costs far more.
CZantobyDoc& FreshList(ExchangeList& list)
{
    list.host = ExchangeHost();
    CZantobyDoc& doc = *list.doc;
    doc.ResetToNewList();
    doc.tempFolder = list.temp.Path();
    doc.listFolder = list.temp.Path() + "list";
    doc.photoFolderName = "Photo-商品";
    std::filesystem::remove_all(FileSystem::ToNative(list.PhotoFolder()));
    FileSystem::CreateFolder(list.PhotoFolder());
    doc.SetPathName(list.ListPath(), false);
    list.UseAllTypes();
    list.AddRow({"既存", "1"});
    return doc;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    static ExchangeList list;
    CZantobyDoc& doc = FreshList(list);
    const unsigned choices = data[0];
    ImportCsvSettings settings;
    settings.breakChar = ",\t; "[choices & 3];
    settings.mode = (choices >> 2) & 1;
    settings.pathMode = (choices & 8) != 0 ? 2 : 0;
    settings.photoFolder = list.temp.Path();
    settings.passRows = (choices >> 4) & 3;

    const CString path = list.temp.Path() + "入力.csv";
    WriteFileBytes(path, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    CCsvImporter(doc, settings).Import(path);
    CCsvImporter::ReadPreview(path);
    return 0;
}
