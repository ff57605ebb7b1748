#include "web/exchange/CsvImporter.h"

#include "foundation/AppBase.h"
#include "foundation/PathName.h"
#include "foundation/ProgressPace.h"
#include "foundation/TextHelper.h"
#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "web/exchange/CsvExportShape.h"
#include "web/exchange/CsvHeading.h"
#include "web/exchange/CsvRecordReader.h"
#include "web/exchange/CsvText.h"

#include <algorithm>
#include <exception>

namespace {

constexpr int kPreviewPieces = 20;
constexpr unsigned kPreviewPieceSize = 1024;

// Undoes only the pairs the CSV export writes (its escapes and the escaped delimiter). Any other
// backslash stays: in Japanese text it is the yen sign ("\1,000").
std::string UnescapeExportedField(std::string_view text, char delimiter)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t length = Cp932::CharLength(text, i);
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (length == 1 && text[i] == '\\' && CCsvExportShape::IsEscape(next, delimiter)) {
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : next;
            i += 2;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

} // namespace

CCsvImporter::CCsvImporter(CZantobyDoc& doc, const ImportCsvSettings& settings)
    : m_doc(doc), m_settings(settings)
{
}

CString CCsvImporter::ReadPreview(const CString& path)
{
    CFile file;
    if (path.IsEmpty() || !file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) {
        return CString();
    }
    // The bytes of every piece even when each of their characters is a CR LF, read at once.
    std::string bytes(kPreviewPieces * (kPreviewPieceSize - 1) * 2, '\0');
    try {
        bytes.resize(file.Read(bytes.data(), static_cast<unsigned>(bytes.size())));
    } catch (const std::exception&) {
        return CString();
    }
    std::string text;
    size_t pos = 0;
    for (int i = 0; i < kPreviewPieces && pos < bytes.size(); ++i) {
        std::string piece;
        while (pos < bytes.size() && piece.size() + 1 < kPreviewPieceSize) {
            char ch = bytes[pos++];
            // Read as text: CR LF is one line feed.
            if (ch == '\r' && pos < bytes.size() && bytes[pos] == '\n') {
                ch = bytes[pos++];
            }
            piece += ch;
            if (ch == '\n') {
                break;
            }
        }
        // A piece is shown as a string, up to a zero byte.
        text += piece.c_str();
        if (text.empty() || text.back() != '\n') {
            text += '\n';
        }
    }
    // A UTF-8 file shows as it will be imported.
    std::string shown;
    bool lossless = true;
    CCsvText::Decode(text, shown, lossless);
    return CString(std::move(shown));
}

bool CCsvImporter::ReadText(const CString& path, std::string& text, bool& shiftJis)
{
    IListHost& host = m_doc.Host();
    std::string bytes;
    {
        CFile file;
        // The reason comes from the system's last error; an exception object would look it up
        // and put it into words before the file is even opened.
        if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) {
            CString reason = CAppBase::GetLastErrorText();
            host.ShowWarningMessage(31501, 0, path.GetString(), reason.GetString());
            return false;
        }
        bytes.resize(static_cast<size_t>(file.GetLength()));
        bytes.resize(file.Read(bytes.data(), static_cast<unsigned>(bytes.size())));
    }
    bool lossless = true;
    shiftJis = CCsvText::Decode(bytes, text, lossless) == CCsvText::Encoding::ShiftJis;
    if (lossless) {
        return true;
    }
    const CCsvText::Unheld unheld = CCsvText::FindUnheld(bytes);
    return host.AskMessage(21500, MB_YESNO, path.GetString(), unheld.codes.GetString(), unheld.line,
                           unheld.marked.GetString()) == IDYES;
}

bool CCsvImporter::IsHeading(std::span<const std::string_view> fields, bool subNames) const
{
    const int columns = m_doc.columnCount;
    if (columns <= 0 || fields.size() != static_cast<size_t>(columns)) {
        return false;
    }
    for (int i = 0; i < columns; ++i) {
        const ColumnRecord& column = m_doc.GetColumn(i);
        std::string_view expected = subNames ? column.subName.view() : column.name.view();
        // The export writes a name once for the columns that repeat it.
        if (!subNames && i > 0 && column.name == m_doc.GetColumn(i - 1).name) {
            expected = std::string_view();
        }
        if (fields[static_cast<size_t>(i)] != expected) {
            return false;
        }
    }
    return true;
}

int CCsvImporter::HeadingLines(std::string_view text, bool mayBeExport, size_t& length)
{
    length = 0;
    const int lines = mayBeExport ? CCsvHeading::AtStart(m_doc, text, m_settings.breakChar, length) : 0;
    // Only a file the export wrote is read in its syntax, and has its escapes undone: others
    // hold paths and yen signs with backslashes, and apostrophes as plain characters. An export
    // without its heading is known by the form of its rows.
    m_exportSyntax = lines > 0 || (mayBeExport && CCsvExportShape::Fits(m_doc, text, m_settings.breakChar,
                                                                        m_settings.passRows));
    return lines;
}

CCsvImporter::Records CCsvImporter::DataRecords(CCsvRecordReader& reader, int headingLines)
{
    Records records;
    std::vector<std::string_view> skipped;
    // Skipping lines by hand may take the export's heading lines or go beyond them.
    for (int line = headingLines; line < m_settings.passRows; ++line) {
        skipped.clear();
        if (!reader.Next(skipped)) {
            return records;
        }
    }
    bool hasSubNames = false;
    for (int i = 0; i < m_doc.columnCount; ++i) {
        hasSubNames = hasSubNames || !m_doc.GetColumn(i).subName.IsEmpty();
    }
    // The names line, then the sub-names line, when they stand first (as a spreadsheet writes
    // the export's heading back).
    bool namesDue = !m_exportSyntax;
    bool subNamesDue = !m_exportSyntax && hasSubNames;
    while (records.Count() < kMaxDisplayRows) {
        const size_t start = records.fields.size();
        if (!reader.Next(records.fields)) {
            break;
        }
        if (records.Count() == 0) {
            const std::span<const std::string_view> record = std::span(records.fields).subspan(start);
            bool heading = true;
            if (namesDue && IsHeading(record, false)) {
                // The sub-names may still follow.
            } else if (subNamesDue && IsHeading(record, true)) {
                subNamesDue = false;
            } else {
                subNamesDue = false;
                heading = false;
            }
            namesDue = false;
            if (heading) {
                records.fields.resize(start);
                continue;
            }
        }
        records.ends.push_back(records.fields.size());
        if (records.Count() == 1) {
            // Room for as many records like the first, made at once: growing it by steps would
            // copy the fields and take fresh memory each time.
            records.fields.reserve(std::min(records.fields.size() * kMaxDisplayRows,
                                            reader.FieldsAtMost() + records.fields.size()));
        }
    }
    // What no list can hold is only counted, for the user to be told.
    for (std::vector<std::string_view> rest; reader.Next(rest); rest.clear()) {
        ++m_leftOut.rows;
    }
    return records;
}

std::vector<int> CCsvImporter::RowsTouched(int count) const
{
    std::vector<int> rows;
    // A replacing import frees every row first and then takes the lowest ones; an adding one
    // takes the first free rows and looks no further.
    const bool replacing = m_settings.mode == 1;
    for (int row = 0; row < kMaxRows && (replacing || count > 0); ++row) {
        bool inUse = m_doc.GetRow(row).inUse;
        if (replacing ? (inUse || row < count) : (!inUse && count-- > 0)) {
            rows.push_back(row);
        }
    }
    return rows;
}

int CCsvImporter::FreeRows() const
{
    if (m_settings.mode == 1) {
        return kMaxRows;
    }
    int free = 0;
    for (int row = 0; row < kMaxRows; ++row) {
        free += m_doc.GetRow(row).inUse ? 0 : 1;
    }
    return free;
}

bool CCsvImporter::Import(const CString& path)
{
    IListHost& host = m_doc.Host();
    m_rowCount = 0;
    m_leftOut = LeftOut();
    m_leftOut.fieldsTaken = m_doc.columnCount + (m_settings.pathMode != 0 ? kMaxPhotosPerRow : 0);
    Pump();
    m_doc.UpdateAllViews(nullptr, kHintAllRows);
    if (path.IsEmpty()) {
        host.ShowWarningMessage(31500, 0);
        return false;
    }
    std::string text;
    bool shiftJis = true;
    if (!ReadText(path, text, shiftJis)) {
        return false;
    }
    CString photoFolder = m_settings.photoFolder.IsEmpty() ? GetFolderOfPath(path) : m_settings.photoFolder;
    std::vector<int> touched;
    bool stepOpen = false;
    try {
        // The export writes Shift_JIS only.
        size_t headingLength = 0;
        const int headingLines = HeadingLines(text, shiftJis, headingLength);
        CCsvRecordReader reader(std::string_view(text).substr(headingLength), m_settings.breakChar,
                                m_exportSyntax ? CCsvRecordReader::Syntax::Export
                                               : CCsvRecordReader::Syntax::Spreadsheet);
        const Records records = DataRecords(reader, headingLines);
        const int fitting = std::min(records.Count(), FreeRows());
        m_leftOut.rows += records.Count() - fitting;
        touched = RowsTouched(fitting);
        // The whole import is one step, which undo takes back as a whole.
        m_doc.SaveUndoSnapshot(1, -1, 0);
        for (int row : touched) {
            m_doc.SaveUndoSnapshot(2, row, 0);
        }
        stepOpen = true;
        if (m_settings.mode == 1) {
            for (int row = 0; row < kMaxRows; ++row) {
                m_doc.GetRow(row).Reset();
            }
        }
        // Afterwards the list shows just what was imported; added rows join the others.
        m_doc.HideAllRows();
        ReadRows(records, fitting, photoFolder);
    } catch (const std::exception&) {
        host.ReportError("CSVﾌｧｲﾙはｲﾝﾎﾟｰﾄ出来ませんでした", "ImportCsvDlg", __LINE__);
    }
    // Whatever was read stays, however the import ended, and must be saved like any change.
    if (stepOpen) {
        m_doc.SaveUndoSnapshot(1, -1, 1);
        for (int row : touched) {
            m_doc.SaveUndoSnapshot(2, row, 1);
        }
    }
    m_doc.SetModifiedFlag();
    host.ClearProgressText();
    return true;
}

void CCsvImporter::ReadRows(const Records& records, int count, const CString& photoFolder)
{
    bool photoRead = false;
    m_freeRowFrom = 0;
    CProgressPace pace;
    for (int position = 0; position < count; ++position) {
        if ((position % 100 == 0 || photoRead) && pace.IsDue()) {
            CString progress;
            progress.Format("CSVﾌｧｲﾙを読込中...%d行目", position);
            m_doc.Host().SetProgressText(progress);
            Pump();
        }
        photoRead = false;
        LineResult result = ImportLine(records[position], position, photoFolder, photoRead);
        if (HasRowAt(position)) {
            ++m_rowCount;
            m_doc.AppendNewRowLine();
        }
        if (result == LineResult::Stop) {
            return;
        }
    }
}

CCsvImporter::LineResult CCsvImporter::ImportLine(std::span<const std::string_view> fields, int position,
                                                  const CString& photoFolder, bool& photoRead)
{
    const int columns = m_doc.columnCount;
    const int count = std::min(static_cast<int>(fields.size()), m_leftOut.fieldsTaken);
    for (size_t k = static_cast<size_t>(count); k < fields.size(); ++k) {
        m_leftOut.fields += fields[k].empty() ? 0 : 1;
    }
    std::string unescaped;
    for (int k = 0; k < count; ++k) {
        std::string_view text = fields[static_cast<size_t>(k)];
        // Only a backslash begins an escape.
        if (m_exportSyntax && text.find('\\') != std::string_view::npos) {
            unescaped = UnescapeExportedField(text, m_settings.breakChar);
            text = unescaped;
        }
        if (k < columns) {
            m_doc.StoreCellText(k, position, text, m_freeRowFrom);
            if (k == 0 && !HasRowAt(position)) {
                return LineResult::Stop; // no row could be made for the line
            }
        } else if (!text.empty()) {
            photoRead = true;
            CString photoPath = m_settings.pathMode == 2 ? photoFolder + "/" + CString(text) : CString(text);
            if (AttachPhoto(photoPath, position, k - columns) == LineResult::Stop) {
                return LineResult::Stop;
            }
        }
    }
    return LineResult::Next;
}

CCsvImporter::LineResult CCsvImporter::AttachPhoto(const CString& path, int position, int photoIndex)
{
    // A missing file is asked about at once rather than after a second box about the copy.
    int slot = FileSystem::Exists(path) ? m_doc.ImportPhotoImage(path, -1, CString(), 0) : -1;
    if (slot < 0) {
        return m_doc.Host().AskMessage(31502, MB_YESNO, path.GetString()) == IDYES ? LineResult::Next
                                                                                   : LineResult::Stop;
    }
    if (!m_doc.AddPhotoToRow(position, photoIndex, slot, 0)) {
        return LineResult::Stop;
    }
    int row = m_doc.displayOrder[position];
    m_doc.photoColumns =
        std::min(std::max(m_doc.photoColumns, m_doc.GetRow(row).photoCount), kMaxPhotosPerRow);
    return LineResult::Next;
}

void CCsvImporter::ReportLeftOut(IListHost& host, const LeftOut& left)
{
    CString parts;
    if (left.rows > 0) {
        parts.Format("最後の %d 行", left.rows);
    }
    if (left.fields > 0) {
        CString fields;
        fields.Format("%s各行の %d 個目より後にある %d 個のﾌｨｰﾙﾄﾞ", parts.IsEmpty() ? "" : "と、",
                      left.fieldsTaken, left.fields);
        parts += fields;
    }
    if (!parts.IsEmpty()) {
        host.ShowWarningMessage(31503, 0, parts.GetString());
    }
}

bool CCsvImporter::HasRowAt(int position) const
{
    return position < m_doc.displayCount && m_doc.displayOrder[position] >= 0;
}

void CCsvImporter::Pump()
{
    if (m_pump) {
        m_pump();
    }
}
