#include "list/ListFileReader.h"

#include "foundation/PathName.h"
#include "foundation/StringArrayEx.h"
#include "list/GlobalFindSettings.h"
#include "list/IListHost.h"
#include "list/ListFileFormat.h"
#include "list/ListFileShape.h"
#include "list/ListSettingLimits.h"
#include "list/ZantobyDoc.h"
#include "list/reading/ListColumnSlotRepair.h"
#include "list/reading/ListLockClaim.h"
#include "list/reading/ListPhotoRepair.h"
#include "platform/File.h"
#include "platform/FileSystem.h"

#include <exception>
#include <string>

namespace {

constexpr char kReadingText[] = "ﾘｽﾄﾃﾞｰﾀを読込中";

enum Section
{
    kHead,
    kInformations,
    kColumns,
    kEditor,
    kOutput,
    kPage,
    kProducts,
    kPhotos,
};

} // namespace

CListFileReader::CListFileReader(CZantobyDoc& doc)
    : m_doc(doc), m_photoFiles(doc), m_columns(doc, m_line), m_editor(doc, m_line),
      m_output(doc, m_line, m_path), m_page(doc, m_line), m_rows(doc, m_line),
      m_photos(doc, m_line, m_path, m_photoFiles, m_repairs)
{
}

bool CListFileReader::Read(const CString& path, int flags)
{
    IListHost& host = m_doc.Host();
    m_path = FileSystem::GetFullPath(path);
    m_flags = flags;
    m_lineNumber = 0;
    m_repairs.clear();
    m_photoFiles.Forget();
    host.SetProgressText(kReadingText);
    struct ClearProgress
    {
        IListHost& host;
        ~ClearProgress() { host.ClearProgressText(); }
    } clearProgress{host};

    if (flags & ReadSettings) {
        m_doc.listFolder = GetFolderOfPath(m_path);
    }
    bool newer = false;
    bool cut = false;
    int wholeLines = 0;
    try {
        std::string text;
        {
            CFile file;
            if (!file.Open(m_path, CFile::modeRead | CFile::typeBinary)) {
                host.ShowErrorMessage(40205, 0, path.GetString());
                return false;
            }
            // Read to its end rather than by its length, which a list coming through a pipe
            // does not have.
            char chunk[1 << 16];
            for (unsigned got; (got = file.Read(chunk, sizeof chunk)) > 0;) {
                text.append(chunk, got);
            }
        }
        const CListFileShape shape(text);
        if (!shape.IsList()) {
            host.ShowErrorMessage(40211, 0, path.GetString());
            return false;
        }
        newer = shape.Version() > host.GetVersionNumber();
        cut = shape.EndedEarly();
        wholeLines = shape.WholeLines();
        // A save would write over the file with less than it holds: what today's parsers do
        // not know of a newer layout, or the part of a cut file that is missing.
        if ((flags & ReadRows) && (newer || cut)) {
            m_doc.readOnly = true;
        }
        // Only opening a list claims it; a template is read for its settings alone.
        if ((flags & ReadRows) && !CListLockClaim(m_doc).Take(m_path)) {
            return false;
        }
        // Only the holder of the list may clear what its own killed saves left beside it.
        if ((flags & ReadRows) && !m_doc.readOnly) {
            FileSystem::RemoveReplaceLeftovers(m_path);
        }
        m_line.version = shape.Version();
        m_section = kHead;
        m_doc.columnCount = 0;
        ReadLines(text);
        m_line.fields.clear(); // they point into the text
        m_lineNumber = 0;
        if (flags & ReadSettings) {
            CListSettingLimits::Apply(m_doc);
        }

        RepairColumnSlots();
        if (!(flags & ReadPhotos)) {
            for (int row = 0; row < m_doc.RowReach(); ++row) {
                ProductRecord& record = m_doc.GetRow(row);
                record.photos.fill(-1);
                record.photoCount = 0;
            }
        } else if (flags & ReadRows) {
            CListPhotoRepair repair(m_doc, m_photoFiles, m_repairs);
            repair.RepairReferences();
            repair.RebuildMissingPictures();
        }
        m_doc.fileVersion = m_line.version;
        m_doc.BuildColumnMap();
        for (int i = 0; i < kMaxColumns; ++i) {
            if (m_doc.GetColumn(i).dropType == 1) {
                m_doc.RebuildAutoDropList(i);
            }
        }
        ApplyDisplayOrder();
    } catch (const std::exception&) {
        if (m_lineNumber > 0) {
            CString message;
            message.Format("ﾌｧｲﾙ[%s]の%d行目で読込ｴﾗｰが発生しました", path.GetString(), m_lineNumber);
            host.ReportError(message, "ZantobyDoc", __LINE__);
        } else {
            host.ReportError(nullptr, "ZantobyDoc", __LINE__);
        }
        return false;
    }
    if (flags & ReadRows) {
        m_doc.folderIdentity.Remember(m_doc.listFolder, m_doc.listFolder + "/" + m_doc.photoFolderName);
    }
    if ((flags & ReadRows) && newer) {
        host.ShowWarningMessage(30218, 0, path.GetString(), m_line.version, host.GetVersionNumber());
    } else if ((flags & ReadRows) && cut) {
        host.ShowWarningMessage(30219, 0, path.GetString(), wholeLines);
    }
    if (!m_repairs.empty()) {
        CString details;
        for (const CString& repair : m_repairs) {
            details += repair + "\n";
        }
        host.ShowWarningMessage(30217, 0, path.GetString(), details.GetString());
    }
    return true;
}

void CListFileReader::ReadLines(const std::string& text)
{
    IListHost& host = m_doc.Host();
    std::string_view rest = text;
    std::string scratch;
    std::string_view line;
    CString progress = kReadingText;
    while (CListFileShape::NextLine(rest, scratch, line)) {
        ++m_lineNumber;
        if (m_lineNumber % 100 == 0) {
            progress += '.';
            host.SetProgressText(progress);
        }
        HandleLine(line);
    }
}

void CListFileReader::HandleLine(std::string_view line)
{
    if (line.empty() || line[0] == ';') {
        return;
    }
    if (const int section = CListFileShape::SectionOf(line); section > 0) {
        m_section = section;
        if (m_section == kProducts) {
            // Rows find the column of each cell slot through the map, and walk only the slots
            // that a column uses; the columns change no more until the next section.
            RepairColumnSlots();
            m_rows.BeginRows();
        }
        return;
    }
    std::string_view value;
    if (!CListFileShape::SplitKeyLine(line, m_line.key, value)) {
        return;
    }
    // Even an empty value gives one empty field.
    CStringArrayEx::SplitEscapedViews(value, ',', m_line.fields);
    Dispatch();
}

void CListFileReader::Dispatch()
{
    bool settings = (m_flags & ReadSettings) != 0;
    switch (m_section) {
    case kHead: // only the version, which the file's shape gave
        break;
    case kInformations:
        if (settings) {
            m_columns.ReadInformation();
        }
        break;
    case kColumns:
        if (settings) {
            m_columns.ReadColumns();
        }
        break;
    case kEditor:
        if (settings) {
            m_editor.Read();
        }
        break;
    case kOutput:
        if (settings) {
            if (m_line.version >= CListFileFormat::kVersionNewOutputKeys) {
                m_output.Read();
            } else {
                m_output.ReadOlder();
            }
        }
        break;
    case kPage:
        if (settings) {
            m_page.Read();
        }
        break;
    case kProducts:
        if (m_flags & ReadRows) {
            m_rows.Read();
        }
        break;
    case kPhotos: {
        static const char* const patterns[] = {"folder*", "r####*"};
        int match = m_line.MatchKey(patterns);
        if (match == 0 && settings) {
            m_photos.ReadFolderName();
        } else if (match == 1 && (m_flags & ReadPhotos)) {
            m_photos.ReadPhoto();
        }
        break;
    }
    default:
        break;
    }
}

void CListFileReader::RepairColumnSlots()
{
    CListColumnSlotRepair(m_doc, m_repairs).Run();
}

void CListFileReader::ApplyDisplayOrder()
{
    if (!(m_flags & ApplyDisplay)) {
        m_doc.HideAllRows();
        return;
    }
    IListHost& host = m_doc.Host();
    GlobalFindSettings* find = host.GetGlobalFindSettings();
    if (find != nullptr && find->IsActive()) {
        m_doc.ExtractByGlobalKeywords();
        m_doc.SortDisplayRows();
    } else if (host.GetAutoView()) {
        m_doc.ShowAllRows();
        m_doc.SortDisplayRows();
    } else {
        m_doc.HideAllRows();
    }
}
