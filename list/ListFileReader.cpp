#include "list/ListFileReader.h"

#include "foundation/BitmapEx.h"
#include "foundation/PathName.h"
#include "foundation/StringArrayEx.h"
#include "foundation/TextHelper.h"
#include "list/GlobalFindSettings.h"
#include "list/IListHost.h"
#include "list/ListFileFormat.h"
#include "list/ListFileNames.h"
#include "list/ListFileShape.h"
#include "list/ListSettingLimits.h"
#include "list/PhotoRegistration.h"
#include "list/ZantobyDoc.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/SystemText.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <exception>
#include <string>

namespace {

using FileFormat = CListFileFormat;

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

template <size_t N> int MatchKey(const CString& key, const char* const (&patterns)[N])
{
    return CTextHelper::MatchPatternList(key.view(), patterns, static_cast<int>(N));
}

// The number that follows a key's first characters ("c12" with skip 1 gives 12).
int KeyNumber(const CString& key, int skip)
{
    return CTextHelper::ToInt(key.GetString() + std::min(skip, key.GetLength()));
}

// Thousands separators are dropped first, as the expression evaluator drops them.
CNumber ParseNumber(std::string_view text)
{
    std::string digits(text);
    std::erase(digits, ',');
    COleCurrency value;
    if (!value.ParseCurrency(digits)) {
        return CNumber(0);
    }
    return CNumber(value);
}

CDateEx ParseDate(std::string_view text)
{
    CDateEx date;
    date.ParseDateTime(text);
    return date;
}

COLORREF ToColour(int value)
{
    return static_cast<COLORREF>(value);
}

bool IsSlot(int slot)
{
    return slot >= 0 && slot < kMaxColumns;
}

// A refused name in the open's report, cut short where a damaged file holds a long one.
CString Shown(const CString& value)
{
    constexpr int kShownBytes = 80;
    const CString shown = CTextHelper(value).LeftEx(kShownBytes);
    return shown.GetLength() < value.GetLength() ? shown + "..." : shown;
}

} // namespace

bool CListFileReader::Read(const CString& path, int flags)
{
    IListHost& host = m_doc.Host();
    m_path = FileSystem::GetFullPath(path);
    m_flags = flags;
    m_lineNumber = 0;
    m_repairs.clear();
    m_photoFolderLooked = false;
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
        if ((flags & ReadRows) && !TakeLock(m_path)) {
            return false;
        }
        // Only the holder of the list may clear what its own killed saves left beside it.
        if ((flags & ReadRows) && !m_doc.readOnly) {
            FileSystem::RemoveReplaceLeftovers(m_path);
        }
        m_version = shape.Version();
        m_section = kHead;
        m_doc.columnCount = 0;
        ReadLines(text);
        m_fields.clear(); // they point into the text
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
            RepairPhotoReferences();
            RebuildMissingPictures();
        }
        m_doc.fileVersion = m_version;
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
        host.ShowWarningMessage(30218, 0, path.GetString(), m_version, host.GetVersionNumber());
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

bool CListFileReader::TakeLock(const CString& path)
{
    FileSystem::Info info;
    if (FileSystem::GetInfo(path, info) && info.readOnly) {
        m_doc.readOnly = true;
    }
    m_doc.lockFile.Release();
    if (m_doc.readOnly || m_doc.lockFile.Acquire(path + "$")) {
        return true;
    }
    // Nobody holds the list, but it cannot be claimed here: its folder is read-only to this user.
    if (const int failure = m_doc.lockFile.GetFailure(); failure != 0) {
        m_doc.Host().ShowWarningMessage(30221, 0, GetFolderOfPath(path).GetString(),
                                        SystemErrorText(failure).GetString());
        m_doc.readOnly = true;
        return true;
    }
    if (m_doc.Host().ShowWarningMessage(30216, MB_YESNO) != IDYES) {
        return false;
    }
    m_doc.readOnly = true;
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
            m_doc.BuildColumnMap();
            m_typedSlots = m_doc.TypedSlots();
        }
        return;
    }
    std::string_view value;
    if (!CListFileShape::SplitKeyLine(line, m_key, value)) {
        return;
    }
    // Even an empty value gives one empty field.
    CStringArrayEx::SplitEscapedViews(value, ',', m_fields);
    Dispatch(m_key);
}

void CListFileReader::Dispatch(const CString& key)
{
    bool settings = (m_flags & ReadSettings) != 0;
    switch (m_section) {
    case kHead: // only the version, which the file's shape gave
        break;
    case kInformations:
        if (settings) {
            ReadInformations(key);
        }
        break;
    case kColumns:
        if (settings) {
            ReadColumns(key);
        }
        break;
    case kEditor:
        if (settings) {
            ReadEditor(key);
        }
        break;
    case kOutput:
        if (settings) {
            if (m_version >= FileFormat::kVersionNewOutputKeys) {
                ReadOutput(key);
            } else {
                ReadOlderOutput(key);
            }
        }
        break;
    case kPage:
        if (settings) {
            ReadPage(key);
        }
        break;
    case kProducts:
        if ((m_flags & ReadRows) && CTextHelper::MatchPattern(key.view(), "r####*")) {
            int row = KeyNumber(key, 1);
            if (row >= 0 && row < kMaxRows) {
                ReadRow(row);
            }
        }
        break;
    case kPhotos: {
        static const char* const patterns[] = {"folder*", "r####*"};
        int match = MatchKey(key, patterns);
        if (match == 0 && settings) {
            ReadPhotoFolderName();
        } else if (match == 1 && (m_flags & ReadPhotos)) {
            int slot = KeyNumber(key, 1);
            if (slot >= 0 && slot < kMaxPhotos) {
                ReadPhoto(slot);
            }
        }
        break;
    }
    default:
        break;
    }
}

std::string_view CListFileReader::FieldView(int index) const
{
    return index >= 0 && index < FieldCount() ? m_fields[index] : std::string_view();
}

int CListFileReader::Int(int index) const
{
    return CTextHelper::ToInt(FieldView(index));
}

bool CListFileReader::Bool(int index) const
{
    return CTextHelper::ToBool(FieldView(index));
}

CString CListFileReader::Text(int index) const
{
    CTextHelper text(Field(index));
    if (m_version >= FileFormat::kVersionEscapedTexts) {
        text.UnescapeBackslash();
    }
    return text;
}

void CListFileReader::ReadInformations(const CString& key)
{
    static const char* const patterns[] = {"title*", "sample*"};
    switch (MatchKey(key, patterns)) {
    case 0:
        m_doc.title = Text(0);
        break;
    case 1:
        m_doc.sample = Bool(0);
        break;
    default:
        break;
    }
}

void CListFileReader::ReadColumns(const CString& key)
{
    static const char* const patterns[] = {"locks*", "c#*", "m#*"};
    int match = MatchKey(key, patterns);
    if (match == 0) {
        m_doc.lockedColumns = Int(0);
        return;
    }
    int index = KeyNumber(key, 1);
    if (match < 0 || index < 0 || index >= kMaxColumns) {
        return;
    }
    if (match == 1) {
        ReadColumnLine(index);
        return;
    }
    ColumnRecord& column = m_doc.GetColumn(index);
    if (column.dropType != 2) {
        return;
    }
    for (int i = 0; i < FieldCount(); ++i) {
        column.dropEntries.Add(Text(i));
    }
}

void CListFileReader::ReadColumnLine(int index)
{
    ColumnRecord& column = m_doc.GetColumn(index);
    column.slot = Int(1);
    // Where the type's own fields start, by layout.
    int first;
    if (m_version >= FileFormat::kVersionSubNames) {
        first = 10;
    } else if (m_version >= FileFormat::kVersionRequiredFlag) {
        first = 9;
    } else if (m_version >= FileFormat::kVersionRemarks) {
        first = 8;
    } else {
        first = 6;
    }
    if (FieldCount() < 3) {
        column.name = ColumnRecord::DefaultName(index);
        column.align = 0;
        column.width = 0;
        column.dropType = 0;
    } else {
        int next = 2;
        column.name = Text(next++);
        if (m_version >= FileFormat::kVersionSubNames) {
            column.subName = Text(next++);
        }
        if (m_version >= FileFormat::kVersionRemarks) {
            column.remark = Text(next++);
            column.unique = Bool(next++);
            if (m_version >= FileFormat::kVersionRequiredFlag) {
                column.required = Bool(next++);
            }
        }
        column.align = FileFormat::ParseAlignment(FieldView(next++));
        column.width = Int(next++);
        column.dropType = FileFormat::ParseDropKind(FieldView(next++));
    }
    int type = CTextHelper::FindInList(FieldView(0), FileFormat::kTypeWords, 6);
    if (type == kTypeYesNo && m_version < FileFormat::kVersionRemarks) {
        type = -1; // the oldest layout has no Yes/No columns
    }
    column.type = type < 0 ? kTypeNone : type;
    if (column.type == kTypeNone) {
        // A column given again as unused no longer counts: the list ends at its last column
        // in use, as it will when the list is read again.
        while (m_doc.columnCount > 0 && m_doc.GetColumn(m_doc.columnCount - 1).type == kTypeNone) {
            --m_doc.columnCount;
        }
        return;
    }
    ReadColumnTypeFields(column, first);
    if (index >= m_doc.columnCount) {
        m_doc.columnCount = index + 1;
    }
}

void CListFileReader::ReadColumnTypeFields(ColumnRecord& column, int first)
{
    bool current = m_version >= FileFormat::kVersionRequiredFlag;
    int next = first;
    switch (column.type) {
    case kTypeYesNo:
        column.yesHtml = Text(next++);
        column.noHtml = Text(next++);
        column.yesPrint = Text(next++);
        column.noPrint = Text(next++);
        break;
    case kTypeText:
        if (current) {
            column.multiLine = Bool(next++);
        }
        FileFormat::ParseImeMode(FieldView(next++), column.inputMode);
        break;
    case kTypeNumber:
        column.showZero = Bool(next++);
        column.thousands = Bool(next++);
        column.decimals = std::clamp(Int(next++), 0, 4);
        column.hasMax = Bool(next++);
        column.maxValue = ParseNumber(FieldView(next++));
        column.hasMin = Bool(next++);
        column.minValue = ParseNumber(FieldView(next++));
        if (current) {
            column.serialStep = ParseNumber(FieldView(next++));
            column.nextSerial = ParseNumber(FieldView(next++));
        }
        break;
    case kTypeDate:
        column.dateKind = FileFormat::ParseDateKind(FieldView(next++));
        column.datePattern = Text(next++);
        if (m_version >= FileFormat::kVersionThreeDateTexts) {
            column.dateHtmlPattern = Text(next++);
            column.datePrintPattern = Text(next++);
        }
        column.hasMaxDate = Bool(next++);
        column.maxDate = ParseDate(FieldView(next++));
        column.hasMinDate = Bool(next++);
        column.minDate = ParseDate(FieldView(next++));
        break;
    default:
        break;
    }
}

void CListFileReader::ReadEditor(const CString& key)
{
    static const char* const patterns[] = {
        "thumbnail*",      "photoview*", "cursor*",       "splity*",      "photosize*",
        "photoprecision*", "sort*",      "requirecheck*", "uniquecheck*", "gaijicheck*",
        "specialcheck*",   "kanacheck*", "filecheck*",    "backup*"};
    InputCheckSwitches& checks = m_doc.inputChecks;
    PhotoSizeSettings& sizes = m_doc.photoSizes;
    switch (MatchKey(key, patterns)) {
    case 2:
        // The grid returns to this cell, and it stays the cursor until the grid moves it.
        m_doc.focusColumn = m_doc.currentColumn = Int(0);
        m_doc.focusRow = m_doc.currentRow = Int(1);
        break;
    case 3:
        m_doc.splitterPosition = Int(0);
        break;
    case 4:
        sizes.standardSize = Int(0);
        if (m_version >= FileFormat::kVersionFourPhotoSizes) {
            sizes.standardPercent = Int(1);
            sizes.thumbnailSize = Int(2);
            sizes.shortSide = FieldView(3) == "shortside";
        } else if (m_version >= FileFormat::kVersionRequiredFlag) {
            sizes.standardPercent = 0;
            sizes.thumbnailSize = Int(1);
            sizes.shortSide = FieldView(2) == "shortside";
        } else {
            sizes.standardPercent = 0;
            sizes.thumbnailSize = 60;
            sizes.shortSide = false;
        }
        break;
    case 6:
        for (int i = 0; i < std::min(FieldCount(), kMaxColumns); ++i) {
            int column = Int(i);
            m_doc.sortKeys[i].column = column == INT_MIN ? INT_MAX : std::abs(column);
            m_doc.sortKeys[i].descending = FieldView(i).starts_with('-');
        }
        break;
    case 7:
        checks.required = Bool(0);
        break;
    case 8:
        checks.unique = Bool(0);
        break;
    case 9:
        checks.gaiji = Bool(0);
        break;
    case 10:
        checks.special = Bool(0);
        break;
    case 11:
        checks.kana = Bool(0);
        break;
    case 12:
        checks.files = Bool(0);
        break;
    case 13:
        m_doc.backupOn = Bool(0);
        m_doc.backupFolder = Text(1);
        break;
    default:
        break;
    }
}

void CListFileReader::ReadOutput(const CString& key)
{
    static const char* const patterns[] = {"mode*",
                                           "folder*",
                                           "listname*",
                                           "fullname*",
                                           "title*",
                                           "rowcount*",
                                           "msg*",
                                           "list.widthunit*",
                                           "list.width*",
                                           "list.cellspace*",
                                           "list.cellblank*",
                                           "list.borderwidth*",
                                           "list.topview*",
                                           "list.backcolor*",
                                           "list.pagetop*",
                                           "list.pagemark*",
                                           "list.pagenew*",
                                           "list.top.textcolor*",
                                           "list.top.backcolor*",
                                           "list.head.textcolor*",
                                           "list.head.backcolor*",
                                           "list.detail.textcolor*",
                                           "list.detail.backcolor*",
                                           "list.photo.view*",
                                           "list.photo.maxcount*",
                                           "list.photo.wrapcount*",
                                           "list.photo.wrapwidth*",
                                           "list.photo.blank.x*",
                                           "list.photo.blank.y*",
                                           "ext.list*",
                                           "ext.page*",
                                           "ext.cgi*",
                                           "find.word*",
                                           "find.case*",
                                           "find.multi*",
                                           "pageview*",
                                           "sort*"};
    WebOutputSettings& web = m_doc.web;
    switch (MatchKey(key, patterns)) {
    case 0:
        web.outputMode = FieldView(0) == "normal" ? 1 : FieldView(0) == "free" ? 2 : 9;
        break;
    case 1:
        web.webFolder = Field(0);
        break;
    case 2:
        web.listName = Field(0);
        break;
    case 3:
        web.fullName = Field(0);
        break;
    case 4:
        web.webTitle = Text(0);
        break;
    case 5:
        web.rowCount = Int(0);
        break;
    case 6: {
        CTextHelper message(Field(0));
        message.UnescapeBackslash();
        web.message = message;
        break;
    }
    case 7:
        web.style.widthUnit = FieldView(0) == "percent" ? 1 : 0;
        break;
    case 8:
        web.style.listWidth = Int(0);
        break;
    case 9:
        web.style.cellSpace = Int(0);
        break;
    case 10:
        web.style.cellBlank = Int(0);
        break;
    case 11:
        web.style.borderWidth = Int(0);
        break;
    case 12:
        web.style.topView = Bool(0);
        break;
    case 13:
        web.style.listBackColor = ToColour(Int(0));
        break;
    case 14:
        web.style.pageTop = Text(0);
        break;
    case 15:
        web.style.pageMark = Text(0);
        break;
    case 16:
        web.style.pageNew = Bool(0);
        break;
    case 17:
        web.style.topTextColor = ToColour(Int(0));
        break;
    case 18:
        web.style.topBackColor = ToColour(Int(0));
        break;
    case 19:
        web.style.headTextColor = ToColour(Int(0));
        break;
    case 20:
        web.style.headBackColor = ToColour(Int(0));
        break;
    case 21:
        web.style.detailTextColor = ToColour(Int(0));
        break;
    case 22:
        web.style.detailBackColor = ToColour(Int(0));
        break;
    case 23:
        web.style.photoView = Bool(0);
        break;
    case 24:
        web.style.photoMaxCount = Int(0);
        break;
    case 25:
    case 26:
        web.style.photoWrapCount = Int(0);
        break;
    case 27:
        web.style.photoBlankX = Int(0);
        break;
    case 28:
        web.style.photoBlankY = Int(0);
        break;
    case 29:
        web.extList = Field(0);
        break;
    case 30:
        web.extPage = Field(0);
        break;
    case 31:
        web.extCgi = Field(0);
        break;
    case 32:
        web.findWord = Bool(0);
        break;
    case 33:
        web.findCase = Bool(0);
        break;
    case 34:
        web.findMulti = FieldView(0) == "or" ? 1 : 0;
        break;
    case 35: {
        int view = CTextHelper::FindInList(FieldView(0), FileFormat::kPageViewWords, 3);
        if (view >= 0) {
            web.pageView = view;
        }
        break;
    }
    case 36:
        ReadWebSortEntry(key, true);
        break;
    default:
        break;
    }
}

void CListFileReader::ReadOlderOutput(const CString& key)
{
    static const char* const patterns[] = {"mode*",     "fullcgi*",       "folder*",        "pageview*",
                                           "rowcount*", "headtextcolor*", "headbackcolor*", "listext*",
                                           "pageext*",  "cgiext*",        "sort*",          "msg*"};
    WebOutputSettings& web = m_doc.web;
    switch (MatchKey(key, patterns)) {
    case 0:
        web.outputMode = Int(0) == 0 ? 1 : 9;
        break;
    case 1:
        web.fullName = Field(0);
        web.listName = GetBaseNameOfPath(m_path);
        break;
    case 2:
        web.webFolder = Field(0);
        break;
    case 3:
        web.pageView = Bool(0) ? 1 : 0;
        break;
    case 4:
        web.rowCount = Int(0);
        break;
    case 5:
        web.style.headTextColor = ToColour(Int(0));
        break;
    case 6:
        web.style.headBackColor = ToColour(Int(0));
        break;
    case 7:
        web.extList = Field(0);
        break;
    case 8:
        web.extPage = Field(0);
        break;
    case 9:
        web.extCgi = Field(0);
        break;
    case 10:
        ReadWebSortEntry(key, false);
        break;
    case 11:
        if (!web.message.IsEmpty()) {
            web.message += "\r\n";
        }
        web.message += Field(0);
        break;
    default:
        break;
    }
}

void CListFileReader::ReadWebSortEntry(const CString& key, bool eightFields)
{
    int index = KeyNumber(key, 4);
    if (index < 0 || index >= kMaxColumns) {
        return;
    }
    OutputSortEntry& entry = m_doc.web.sortEntries[index];
    entry.column = Int(0);
    entry.descending = FieldView(1) == "desc" || Bool(1);
    entry.options[0] = Bool(2);
    entry.options[1] = Bool(3);
    if (eightFields) {
        entry.options[2] = Bool(4);
        entry.options[3] = Bool(5);
        entry.texts[0] = Text(6);
        entry.texts[1] = Text(7);
    } else {
        entry.options[2] = entry.options[1];
        entry.options[3] = true;
        entry.texts[0].Empty();
        entry.texts[1].Empty();
    }
}

void CListFileReader::ReadPage(const CString& key)
{
    // The column lines, most of the section, are looked for first; no other key starts with "c".
    static const char* const patterns[] = {"c*",     "device*", "paper*",   "mode*",  "list*",  "lhead*",
                                           "lfoot*", "page*",   "quality*", "phead*", "pfoot*", "blank*"};
    PrintSettings& print = m_doc.print;
    switch (MatchKey(key, patterns)) {
    case 0: {
        int position = KeyNumber(key, 1);
        if (position >= 0 && position < kMaxColumns) {
            print.columnPairs[position] = {Int(0), Int(1)};
        }
        break;
    }
    case 1:
        print.device = Field(0);
        break;
    case 2:
        print.paper = Int(0);
        print.orientation = FieldView(1) == "portrait" ? 1 : 2;
        break;
    case 4:
        print.listScale = Int(0);
        print.fitToWidth = Bool(1);
        print.listFont = Field(2);
        print.listFontSize = Int(3);
        if (m_version >= FileFormat::kVersionSevenListValues) {
            print.listPhotos = Bool(4);
            print.listPhotoSize = Int(5);
            print.photosPerLine = Int(6);
        } else {
            print.listPhotoSize = Int(4);
            if (FieldCount() >= 6) {
                print.photosPerLine = Int(5);
            }
        }
        break;
    case 5:
        ReadHeaderFooter(print.listHeader);
        break;
    case 6:
        ReadHeaderFooter(print.listFooter);
        break;
    case 7:
        print.sheetFont = Field(0);
        print.sheetFontSize = Int(1);
        print.sheetPhotoSize = Int(2);
        if (FieldCount() >= 4) {
            print.captionFont = Field(3);
            print.captionFontSize = Int(4);
        }
        break;
    case 8:
        print.highQuality = FieldView(0) == "high";
        break;
    case 9:
        ReadHeaderFooter(print.pageHeader);
        break;
    case 10:
        ReadHeaderFooter(print.pageFooter);
        break;
    case 11:
        for (int i = 0; i < 6; ++i) {
            print.margins[i] = Int(i);
        }
        break;
    default:
        break;
    }
}

void CListFileReader::ReadHeaderFooter(HeaderFooterSettings& settings)
{
    settings.shown = Bool(0);
    settings.text = Text(1);
    settings.align = FileFormat::ParseAlignment(FieldView(2));
    settings.fontName = Field(3);
    settings.fontSize = Int(4);
}

void CListFileReader::ReadRow(int row)
{
    int cellCount;
    int colourCount = 0;
    bool unescape;
    if (m_version >= FileFormat::kVersionSubNames) {
        cellCount = kMaxColumns;
        colourCount = kMaxColumns;
        unescape = true;
    } else if (m_version >= FileFormat::kVersionTwentyCells) {
        cellCount = 20;
        colourCount = m_version >= FileFormat::kVersionRowColours ? 20 : 0;
        unescape = m_version >= FileFormat::kVersionRequiredFlag;
    } else {
        cellCount = 10;
        unescape = false;
    }

    // A row that stands twice is the later line's.
    ProductRecord& record = m_doc.GetRow(row);
    record.Reset();
    // The row's cells grow once: their values are at most its filled fields, and its texts at
    // most the bytes of those fields.
    // Each slot's value is the field of its number; the slots are in order.
    const int cells = std::min(cellCount, FieldCount());
    const auto typedEnd = std::lower_bound(m_typedSlots.begin(), m_typedSlots.end(), cells);
    int values = 0;
    size_t textBytes = 0;
    for (auto slot = m_typedSlots.begin(); slot != typedEnd; ++slot) {
        if (!m_fields[*slot].empty()) {
            const int type = m_doc.GetColumnOfSlot(*slot).type;
            ++values;
            textBytes += (type == kTypeText || type == kTypeMark) ? m_fields[*slot].size() : 0;
        }
    }
    if (values > 0) {
        record.EditCells().Reserve(values, textBytes);
    }
    for (auto typed = m_typedSlots.begin(); typed != typedEnd; ++typed) {
        const int slot = *typed;
        const ColumnRecord& column = m_doc.GetColumnOfSlot(slot);
        const std::string_view field = m_fields[slot];
        if (field.empty()) {
            continue;
        }
        RowCells& cells = record.EditCells();
        switch (column.type) {
        case kTypeYesNo:
            cells.SetYesNo(slot, CTextHelper::ToBool(field));
            break;
        case kTypeNumber:
            cells.SetNumber(slot, ParseNumber(field).GetValue());
            break;
        case kTypeDate:
            cells.SetDate(slot, ParseDate(field).GetValue());
            break;
        default: {
            if (unescape) {
                CTextHelper text(field);
                text.UnescapeBackslash();
                cells.SetText(slot, text.view());
            } else {
                cells.SetText(slot, field);
            }
            break;
        }
        }
    }
    int next = cellCount;
    for (int slot = 0; slot < colourCount; ++slot, ++next) {
        if (next >= FieldCount() || m_fields[next].empty()) {
            continue;
        }
        COLORREF text = kDefaultColor;
        COLORREF back = kDefaultColor;
        FileFormat::ParseColourField(m_fields[next], text, back);
        if (text != kDefaultColor || back != kDefaultColor) {
            record.EditCells().SetColors(slot, text, back);
        }
    }
    record.lastChange = ParseDate(FieldView(next++));
    record.photoCount = 0;
    for (; next < FieldCount() && record.photoCount < kMaxPhotosPerRow; ++next) {
        const std::string_view field = m_fields[next];
        if (field.empty()) {
            continue;
        }
        const int photo = CTextHelper::ToInt(field);
        if (photo >= 0 && photo < kMaxPhotos) {
            record.photos[record.photoCount++] = photo;
        }
    }
    m_doc.photoColumns = std::min(std::max(m_doc.photoColumns, record.photoCount + 1), kMaxPhotosPerRow);
    record.inUse = true;
}

bool CListFileReader::PhotoFileExists(const CString& path)
{
    // A list without photos on disk has no photo folder: one look at the folder answers for
    // every file of every photo.
    const CString folder = m_doc.listFolder + "/" + m_doc.photoFolderName;
    if (!m_photoFolderLooked || folder != m_photoFolder) {
        m_photoFolder = folder;
        m_photoFolderLooked = true;
        m_photoFolderExists = FileSystem::Exists(folder);
    }
    return m_photoFolderExists && FileSystem::Exists(path);
}

CString CListFileReader::Original(int slot, bool flat) const
{
    return m_doc.GetPhotoFilePath(slot, CListPhotos::kOriginal, flat);
}

void CListFileReader::MeasurePhoto(int slot)
{
    PhotoRecord& photo = m_doc.GetPhoto(slot);
    CBitmapEx bitmap;
    if (bitmap.LoadJpeg(m_doc.GetOriginalPhotoPath(slot))) {
        photo.width = bitmap.Width();
        photo.height = bitmap.Height();
    } else {
        photo.width = -1;
        photo.height = -1;
    }
}

void CListFileReader::ReadPhotoFolderName()
{
    // Rows' photos are looked for there from the next line on, so the name is judged at once.
    const CString name = Field(0);
    m_doc.photoFolderName = CListFileNames::PhotoFolderNameToFollow(name, m_path);
    if (m_doc.photoFolderName == name) {
        return;
    }
    CString repair;
    repair.Format("写真保存用ﾌｫﾙﾀﾞ名[%s]はﾘｽﾄと同じﾌｫﾙﾀﾞの中の名前ではないため、標準の[%s]にしました",
                  Shown(name).GetString(), m_doc.photoFolderName.GetString());
    m_repairs.push_back(repair);
}

void CListFileReader::ReadPhoto(int slot)
{
    PhotoRecord& photo = m_doc.GetPhoto(slot);
    photo.Reset();
    // Files that a save could not move into the subfolders still lie in the photo folder.
    photo.flatFiles = !PhotoFileExists(Original(slot, false)) && PhotoFileExists(Original(slot, true));
    if (m_version >= FileFormat::kVersionPhotoSizes) {
        photo.width = Int(0);
        photo.height = Int(1);
        photo.name = Text(2);
        if (photo.width == 0 || photo.height == 0) {
            MeasurePhoto(slot);
        }
    } else {
        photo.name = Field(0);
        MeasurePhoto(slot);
    }
    photo.inUse = true;
}

void CListFileReader::RepairColumnSlots()
{
    // Columns with a type claim their slots first, in display order; a column whose slot is
    // outside the row or already taken gets the lowest free one.
    std::array<bool, kMaxColumns> taken{};
    std::vector<int> homeless;
    for (bool typed : {true, false}) {
        for (int i = 0; i < kMaxColumns; ++i) {
            const ColumnRecord& column = m_doc.GetColumn(i);
            if ((column.type != kTypeNone) != typed) {
                continue;
            }
            if (IsSlot(column.slot) && !taken[column.slot]) {
                taken[column.slot] = true;
            } else {
                homeless.push_back(i);
            }
        }
    }
    for (int i : homeless) {
        ColumnRecord& column = m_doc.GetColumn(i);
        int slot = static_cast<int>(std::find(taken.begin(), taken.end(), false) - taken.begin());
        taken[slot] = true;
        CString repair;
        repair.Format("%d 番目の項目[%s]の格納位置 %d を %d に直しました", i + 1, column.name.GetString(),
                      column.slot, slot);
        m_repairs.push_back(repair);
        column.slot = slot;
    }
}

void CListFileReader::RepairPhotoReferences()
{
    int restored = 0;
    int dropped = 0;
    for (int row = 0; row < m_doc.RowReach(); ++row) {
        ProductRecord& record = m_doc.GetRow(row);
        if (!record.inUse) {
            continue;
        }
        int kept = 0;
        for (int i = 0; i < record.photoCount; ++i) {
            int slot = record.photos[i];
            PhotoRecord& photo = m_doc.GetPhoto(slot);
            if (!photo.inUse) {
                // A photo whose line is missing comes back when its original is still there.
                for (bool flat : {false, true}) {
                    if (!photo.inUse && PhotoFileExists(Original(slot, flat))) {
                        photo.flatFiles = flat;
                        MeasurePhoto(slot);
                        photo.inUse = true;
                        ++restored;
                    }
                }
            }
            if (photo.inUse) {
                record.photos[kept++] = slot;
            } else {
                ++dropped;
            }
        }
        std::fill(record.photos.begin() + kept, record.photos.end(), -1);
        record.photoCount = kept;
    }
    CString repair;
    if (restored > 0) {
        repair.Format("登録の抜けていた写真 %d 枚を登録し直しました", restored);
        m_repairs.push_back(repair);
    }
    if (dropped > 0) {
        repair.Format("登録されていない写真への参照 %d 件を削除しました", dropped);
        m_repairs.push_back(repair);
    }
}

void CListFileReader::RebuildMissingPictures()
{
    // Older saves killed while they moved loose photos into the subfolders left photos without
    // their standard picture or thumbnail, and half-written copies beside them; a folder that
    // went missing takes every picture of its kind with it. All are made again from the
    // originals.
    if (m_doc.readOnly) {
        return;
    }
    m_doc.RemovePhotoWriteLeftovers();
    bool foldersMade = false;
    int rebuilt = 0;
    std::vector<CString> unreadable;
    for (int slot = 0; slot < m_doc.PhotoReach(); ++slot) {
        if (!m_doc.GetPhoto(slot).inUse ||
            (PhotoFileExists(m_doc.GetMiddlePhotoPath(slot)) &&
             PhotoFileExists(m_doc.GetThumbnailPath(slot))) ||
            !PhotoFileExists(m_doc.GetOriginalPhotoPath(slot))) {
            continue;
        }
        if (!foldersMade) {
            m_doc.MakePhotoSubfolders();
            foldersMade = true;
        }
        CPhotoRegistration registration(m_doc.Host().GetVersionString());
        if (m_doc.PrepareRegistration(CString(), slot, CString(), 0, registration)) {
            registration.Run();
            using Outcome = CPhotoRegistration::Outcome;
            if (registration.outcome == Outcome::kDone) {
                ++rebuilt;
            } else if (registration.outcome == Outcome::kUnreadable || registration.outcome == Outcome::kTooLarge) {
                unreadable.push_back(GetFileNameOfPath(m_doc.GetOriginalPhotoPath(slot)));
            }
        }
    }
    CString repair;
    if (rebuilt > 0) {
        repair.Format("標準とｻﾑﾈｲﾙの画像が欠けていた写真 %d 枚の画像を作り直しました", rebuilt);
        m_repairs.push_back(repair);
    }
    if (!unreadable.empty()) {
        constexpr size_t kNamed = 10;
        CString names;
        for (size_t i = 0; i < std::min(unreadable.size(), kNamed); ++i) {
            names += (i > 0 ? ", " : "") + unreadable[i];
        }
        if (unreadable.size() > kNamed) {
            names.AppendFormat(" ほか %d 枚", static_cast<int>(unreadable.size() - kNamed));
        }
        repair.Format("元の写真が読めないため、標準とｻﾑﾈｲﾙの画像を作れなかった写真が %d 枚あります: %s",
                      static_cast<int>(unreadable.size()), names.GetString());
        m_repairs.push_back(repair);
    }
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
