// A CSV file from outside imported into a list of every column type. The first byte picks the
// dialog's choices: the delimiter (bits 0-1), adding or replacing (bit 2), photo names in the
// extra fields (bit 3), skipped lines (bits 4-5); the rest is the file.
#include "platform/FileSystem.h"
#include "web/exchange/CsvImporter.h"
#include "web/exchange/testing/ExchangeList.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// One list with a row of its own serves every input. After an input, only what an import
// changes is put back (its rows, photos and photo files, the display), since a new list or a
// reset of all of its 10,000 rows and photos costs many times the import. Undo stays off: its
// snapshots write whole rows and the display to files, many times the import's own work, and
// hold nothing of the file's syntax.
class ImportedList
{
  public:
    ImportedList()
    {
        list.UseAllTypes();
        m_row = list.AddRow({"既存", "1"});
        CZantobyDoc& doc = *list.doc;
        m_cells = doc.GetRow(m_row).Cells();
        m_lastChange = doc.GetRow(m_row).lastChange;
        doc.SwitchUndoOff();
        doc.SetModifiedFlag(false);
    }

    CZantobyDoc& Doc() { return *list.doc; }

    // Rows are only taken where the import shows them, and photos only registered when the
    // extra fields name them.
    void PutBack(bool photosNamed)
    {
        CZantobyDoc& doc = *list.doc;
        list.host = ExchangeHost();
        for (int position = 0; position < doc.displayCount; ++position) {
            if (doc.displayOrder[position] >= 0) {
                doc.GetRow(doc.displayOrder[position]).Reset();
            }
            doc.displayOrder[position] = kNewRowLine;
        }
        ProductRecord& own = doc.GetRow(m_row);
        own.Reset();
        own.inUse = true;
        own.EditCells() = m_cells;
        own.lastChange = m_lastChange;
        doc.displayOrder[0] = m_row;
        doc.displayCount = 2;
        bool photos = false;
        for (int photo = 0; photosNamed && photo < kMaxPhotos; ++photo) {
            if (doc.GetPhoto(photo).inUse) {
                doc.GetPhoto(photo).Reset();
                photos = true;
            }
        }
        if (photos) {
            std::filesystem::remove_all(FileSystem::ToNative(list.PhotoFolder()));
            FileSystem::CreateFolder(list.PhotoFolder());
        }
        doc.photoColumns = 3;
        doc.SetModifiedFlag(false);
    }

    ExchangeList list;

  private:
    int m_row = -1;
    RowCells m_cells;
    CDateEx m_lastChange;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    static ImportedList imported;
    const unsigned choices = data[0];
    ImportCsvSettings settings;
    settings.breakChar = ",\t; "[choices & 3];
    settings.mode = (choices >> 2) & 1;
    settings.pathMode = (choices & 8) != 0 ? 2 : 0;
    settings.photoFolder = imported.list.temp.Path();
    settings.passRows = (choices >> 4) & 3;

    // Written plainly: the program's replacing write would cost more than the import.
    const CString path = imported.list.temp.Path() + "入力.csv";
    if (FILE* file = FileSystem::OpenStream(path, "wb")) {
        std::fwrite(data + 1, 1, size - 1, file);
        std::fclose(file);
    }
    CCsvImporter(imported.Doc(), settings).Import(path);
    CCsvImporter::ReadPreview(path);
    imported.PutBack(settings.pathMode != 0);
    return 0;
}
