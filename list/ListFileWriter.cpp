#include "list/ListFileWriter.h"

#include "foundation/TextHelper.h"
#include "list/CellCodec.h"
#include "list/IListHost.h"
#include "list/ListFileFormat.h"
#include "list/OutputSortEntry.h"
#include "list/ZantobyDoc.h"
#include "platform/File.h"
#include "platform/FileException.h"

#include <algorithm>
#include <cerrno>

namespace {

using FileFormat = CListFileFormat;

const char kRule[] =
    ";-----------------------------------------------------------------------------------------";

// Bytes of a row line besides its texts (quotes, commas, numbers, dates, the change time), and
// of the sections before the rows, as reserved ahead.
constexpr size_t kRowOverheadBytes = 6 * kMaxColumns + 64;
constexpr size_t kSettingsBytes = 64 * 1024;

const char* TrueFalse(bool value)
{
    return value ? "true" : "false";
}

// A limit or serial number of a number column: decimal text without separators, zero shown.
CString NumberText(const CNumber& number, int decimals)
{
    return number.FormatStored(false, decimals, true);
}

const char* const kProgressTexts[CListFileFormat::kSectionCount] = {
    "ﾀｲﾄﾙ,基本情報を保存中", "列情報を保存中",  "表示設定を保存中", "Web出力設定を保存中",
    "ﾍﾟｰｼﾞ設定を保存中",     "ﾘｽﾄﾃﾞｰﾀを保存中", "写真ﾃﾞｰﾀを保存中"};

CString SortEntryLine(int index, const OutputSortEntry& entry)
{
    CString line;
    line.Format("sort%d=%d,%s,%s,%s,%s,%s,%s,%s", index, entry.column, entry.descending ? "desc" : "asc",
                TrueFalse(entry.options[0]), TrueFalse(entry.options[1]), TrueFalse(entry.options[2]),
                TrueFalse(entry.options[3]), CListFileFormat::QuoteEscaped(entry.texts[0]).GetString(),
                CListFileFormat::QuoteEscaped(entry.texts[1]).GetString());
    return line;
}

} // namespace

void CListFileWriter::Line(const char* text)
{
    if (*text != '\0') {
        m_out += text;
    }
    m_out += "\r\n";
}

void CListFileWriter::SectionStart(int section)
{
    m_doc.Host().SetProgressText(kProgressTexts[section]);
    Line(kRule);
    Line(CListFileFormat::kSectionHeaders[section]);
    Line();
}

std::string CListFileWriter::Format(const CString& path)
{
    m_out.clear();
    // Room for the rows at once: a full list's text would otherwise be copied each time it
    // outgrows its buffer.
    size_t rowBytes = 0;
    for (int row = 0; row < m_doc.RowReach(); ++row) {
        if (const ProductRecord& record = m_doc.GetRow(row); record.inUse) {
            rowBytes += record.Cells().TextBytes() + kRowOverheadBytes;
        }
    }
    m_out.reserve(rowBytes + kSettingsBytes);
    m_doc.BuildColumnMap();
    m_doc.Host().SetProgressText(kProgressTexts[0]);
    WriteHead(path);
    WriteInformations();
    WriteColumns();
    WriteEditor();
    WriteOutput();
    WritePage();
    WriteProducts();
    WritePhotos();
    return std::move(m_out);
}

bool CListFileWriter::Write(const CString& path)
{
    std::string text = Format(path);
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) {
        return false;
    }
    size_t length = text.size();
    if (failAfterBytes >= 0 && static_cast<std::uint64_t>(failAfterBytes) < length) {
        file.Write(text.data(), static_cast<unsigned>(failAfterBytes));
        file.Flush();
        CFileException::ThrowOsError(ENOSPC, path);
    }
    constexpr size_t kChunk = 1 << 20;
    for (size_t done = 0; done < length; done += kChunk) {
        file.Write(text.data() + done, static_cast<unsigned>(std::min(kChunk, length - done)));
    }
    file.Close();
    return true;
}

void CListFileWriter::WriteHead(const CString& path)
{
    IListHost& host = m_doc.Host();
    CString line;
    line.Format("ver=%d", host.GetVersionNumber());
    Line(line);
    Line(kRule);
    line.Format("; Zantoby Version %s", host.GetVersionString().GetString());
    Line(line);
    // A line break in the path would start a line that readers take for a key.
    CString comment = "; " + path;
    comment.Replace('\r', ' ');
    comment.Replace('\n', ' ');
    Line(comment);
    Line("; Zantoby Web Site : https://zantoby.example/");
    Line();
}

void CListFileWriter::WriteInformations()
{
    SectionStart(0);
    if (m_doc.sample) {
        Line("sample=true");
    }
    Line("title=" + FileFormat::QuoteEscaped(m_doc.title));
    Line();
}

CString CListFileWriter::ColumnLine(const ColumnRecord& column) const
{
    CString line;
    line.Format("%s,%d,%s,%s,%s,%s,%s,%s,%d,%s", FileFormat::kTypeWords[column.type], column.slot,
                FileFormat::QuoteEscaped(column.name).GetString(),
                FileFormat::QuoteEscaped(column.subName).GetString(),
                FileFormat::QuoteEscaped(column.remark).GetString(), TrueFalse(column.unique),
                TrueFalse(column.required), FileFormat::FormatAlignment(column.align).GetString(),
                column.width, FileFormat::FormatDropKind(column.dropType).GetString());
    switch (column.type) {
    case kTypeYesNo:
        for (const CString* text : {&column.yesHtml, &column.noHtml, &column.yesPrint, &column.noPrint}) {
            line += "," + FileFormat::QuoteEscaped(*text);
        }
        break;
    case kTypeText:
        line.AppendFormat(",%s,%s", TrueFalse(column.multiLine),
                          FileFormat::FormatImeMode(column.inputMode).GetString());
        break;
    case kTypeNumber: {
        int decimals = std::clamp(column.decimals, 0, 4);
        line.AppendFormat(",%s,%s,%d,%s,%s,%s,%s,%s,%s", TrueFalse(column.showZero),
                          TrueFalse(column.thousands), decimals, TrueFalse(column.hasMax),
                          NumberText(column.maxValue, decimals).GetString(), TrueFalse(column.hasMin),
                          NumberText(column.minValue, decimals).GetString(),
                          NumberText(column.serialStep, decimals).GetString(),
                          NumberText(column.nextSerial, decimals).GetString());
        break;
    }
    case kTypeDate:
        line.AppendFormat(",%s,%s,%s,%s,%s,%s,%s,%s", FileFormat::FormatDateKind(column.dateKind).GetString(),
                          FileFormat::QuoteEscaped(column.datePattern).GetString(),
                          FileFormat::QuoteEscaped(column.dateHtmlPattern).GetString(),
                          FileFormat::QuoteEscaped(column.datePrintPattern).GetString(),
                          TrueFalse(column.hasMaxDate),
                          FileFormat::FormatLimitDate(column.maxDate, column.dateKind).GetString(),
                          TrueFalse(column.hasMinDate),
                          FileFormat::FormatLimitDate(column.minDate, column.dateKind).GetString());
        break;
    default:
        break;
    }
    return line;
}

void CListFileWriter::WriteColumns()
{
    SectionStart(1);
    CString line;
    line.Format("locks=%d", m_doc.lockedColumns);
    Line(line);
    Line();
    for (int i = 0; i < kMaxColumns; ++i) {
        m_out += 'c';
        CTextHelper::AppendInt(m_out, i);
        m_out += '=';
        const ColumnRecord& column = m_doc.GetColumn(i);
        if (column.type < kTypeYesNo || column.type > kTypeDate) {
            // A column without a type keeps only its slot.
            m_out += "none,";
            CTextHelper::AppendInt(m_out, column.slot);
            Line();
        } else {
            Line(ColumnLine(column));
        }
    }
    // Manual drop-down choices, ten a line; a column without a type keeps none.
    bool first = true;
    for (int i = 0; i < kMaxColumns; ++i) {
        const ColumnRecord& column = m_doc.GetColumn(i);
        if (column.type == kTypeNone || column.dropType != 2) {
            continue;
        }
        const CStringArray& entries = column.dropEntries;
        for (int start = 0; start < entries.GetSize(); start += 10) {
            if (first) {
                Line();
                first = false;
            }
            line.Format("m%d=", i);
            for (int k = start; k < std::min(start + 10, static_cast<int>(entries.GetSize())); ++k) {
                if (k > start) {
                    line += ",";
                }
                line += FileFormat::QuoteEscaped(entries[k]);
            }
            Line(line);
        }
    }
    Line();
}

void CListFileWriter::WriteEditor()
{
    SectionStart(2);
    CString line;
    line.Format("cursor=%d,%d", m_doc.currentColumn, m_doc.currentRow);
    Line(line);
    line.Format("splity=%d", m_doc.splitterPosition);
    Line(line);
    const PhotoSizeSettings& sizes = m_doc.photoSizes;
    line.Format("photosize=%d,%d,%d,%s", sizes.standardSize, sizes.standardPercent, sizes.thumbnailSize,
                sizes.shortSide ? "shortside" : "height");
    Line(line);
    m_out += "sort=";
    for (int i = 0; i < kMaxColumns; ++i) {
        if (i > 0) {
            m_out += ',';
        }
        m_out += m_doc.sortKeys[i].descending ? '-' : '+';
        CTextHelper::AppendInt(m_out, m_doc.sortKeys[i].column);
    }
    Line();
    const InputCheckSwitches& checks = m_doc.inputChecks;
    const std::pair<const char*, bool> switches[] = {
        {"requirecheck", checks.required}, {"uniquecheck", checks.unique}, {"gaijicheck", checks.gaiji},
        {"specialcheck", checks.special},  {"kanacheck", checks.kana},     {"filecheck", checks.files}};
    for (const auto& [key, on] : switches) {
        line.Format("%s=%s", key, TrueFalse(on));
        Line(line);
    }
    Line(CString("backup=") + TrueFalse(m_doc.backupOn) + "," + FileFormat::QuoteEscaped(m_doc.backupFolder));
    Line();
}

void CListFileWriter::WriteOutput()
{
    SectionStart(3);
    WebOutputSettings& web = m_doc.web;
    if (m_doc.sample) {
        web.webFolder = "%Default%";
    }
    CString line;
    auto number = [&](const char* key, int value) {
        m_out += key;
        m_out += '=';
        CTextHelper::AppendInt(m_out, value);
        Line();
    };
    auto flag = [&](const char* key, bool value) {
        m_out += key;
        m_out += '=';
        Line(TrueFalse(value));
    };
    auto text = [&](const char* key, const CString& value) {
        m_out += key;
        m_out += '=';
        Line(value);
    };

    text("mode", web.outputMode == 1 ? "normal" : web.outputMode == 2 ? "free" : "construction");
    text("folder", FileFormat::QuoteRaw(web.webFolder));
    text("listname", FileFormat::QuoteRaw(web.listName));
    text("fullname", FileFormat::QuoteRaw(web.fullName));
    text("title", FileFormat::QuoteEscaped(web.webTitle));
    number("rowcount", web.rowCount);
    text("msg", FileFormat::QuoteEscaped(web.message));
    number("list.width", web.style.listWidth);
    text("list.widthunit", web.style.widthUnit == 1 ? "percent" : "dot");
    number("list.cellspace", web.style.cellSpace);
    number("list.cellblank", web.style.cellBlank);
    number("list.borderwidth", web.style.borderWidth);
    flag("list.topview", web.style.topView);
    number("list.backcolor", static_cast<int>(web.style.listBackColor));
    text("list.pagetop", FileFormat::QuoteEscaped(web.style.pageTop));
    text("list.pagemark", FileFormat::QuoteEscaped(web.style.pageMark));
    flag("list.pagenew", web.style.pageNew);
    number("list.top.textcolor", static_cast<int>(web.style.topTextColor));
    number("list.top.backcolor", static_cast<int>(web.style.topBackColor));
    number("list.head.textcolor", static_cast<int>(web.style.headTextColor));
    number("list.head.backcolor", static_cast<int>(web.style.headBackColor));
    number("list.detail.textcolor", static_cast<int>(web.style.detailTextColor));
    number("list.detail.backcolor", static_cast<int>(web.style.detailBackColor));
    flag("list.photo.view", web.style.photoView);
    number("list.photo.maxcount", web.style.photoMaxCount);
    number("list.photo.wrapcount", web.style.photoWrapCount);
    number("list.photo.blank.x", web.style.photoBlankX);
    number("list.photo.blank.y", web.style.photoBlankY);
    text("ext.list", FileFormat::QuoteRaw(web.extList));
    text("ext.page", FileFormat::QuoteRaw(web.extPage));
    text("ext.cgi", FileFormat::QuoteRaw(web.extCgi));
    text("pageview", web.pageView >= 0 && web.pageView <= 2 ? FileFormat::kPageViewWords[web.pageView] : "");
    flag("find.case", web.findCase);
    flag("find.word", web.findWord);
    text("find.multi", web.findMulti == 1 ? "or" : "and");
    // Entries of columns in use are written; any other entry only when a missing line would
    // not read back as it is. A text the line cannot hold (a lead byte without its trail byte)
    // may leave it the standard entry's line, which a missing line reads back as.
    const WebOutputSettings& standard = WebOutputSettings::Standard();
    for (int i = 0; i < kMaxColumns; ++i) {
        const OutputSortEntry& entry = web.sortEntries[i];
        const bool inUse = entry.column >= 0 && entry.column < kMaxColumns &&
                           m_doc.GetColumn(entry.column).type != kTypeNone;
        if (!inUse && entry == standard.sortEntries[i]) {
            continue;
        }
        line = SortEntryLine(i, entry);
        if (!inUse && line == SortEntryLine(i, standard.sortEntries[i])) {
            continue;
        }
        Line(line);
    }
    Line();
}

CString CListFileWriter::HeaderFooterLine(const char* key, const HeaderFooterSettings& settings) const
{
    CString line;
    line.Format("%s=%s,%s,%s,%s,%d", key, TrueFalse(settings.shown),
                FileFormat::QuoteEscaped(settings.text).GetString(),
                FileFormat::FormatAlignment(settings.align).GetString(),
                FileFormat::QuoteRaw(settings.fontName).GetString(), settings.fontSize);
    return line;
}

void CListFileWriter::WritePage()
{
    SectionStart(4);
    const PrintSettings& print = m_doc.print;
    CString line;
    Line("device=" + FileFormat::QuoteRaw(print.device));
    line.Format("paper=%d,%s", print.paper, print.orientation == 1 ? "portrait" : "landscape");
    Line(line);
    line.Format("list=%d,%s,%s,%d,%s,%d,%d", print.listScale, TrueFalse(print.fitToWidth),
                FileFormat::QuoteRaw(print.listFont).GetString(), print.listFontSize,
                TrueFalse(print.listPhotos), print.listPhotoSize, print.photosPerLine);
    Line(line);
    Line(HeaderFooterLine("lhead", print.listHeader));
    Line(HeaderFooterLine("lfoot", print.listFooter));
    line.Format("page=%s,%d,%d,%s,%d", FileFormat::QuoteRaw(print.sheetFont).GetString(), print.sheetFontSize,
                print.sheetPhotoSize, FileFormat::QuoteRaw(print.captionFont).GetString(),
                print.captionFontSize);
    Line(line);
    Line(print.highQuality ? "quality=high" : "quality=low");
    Line(HeaderFooterLine("phead", print.pageHeader));
    Line(HeaderFooterLine("pfoot", print.pageFooter));
    const auto& margins = print.margins;
    line.Format("blank=%d,%d,%d,%d,%d,%d", margins[0], margins[1], margins[2], margins[3], margins[4],
                margins[5]);
    Line(line);
    for (int i = 0; i < kMaxColumns; ++i) {
        m_out += 'c';
        CTextHelper::AppendInt(m_out, i);
        m_out += '=';
        CTextHelper::AppendInt(m_out, print.columnPairs[i][0]);
        m_out += ',';
        CTextHelper::AppendInt(m_out, print.columnPairs[i][1]);
        Line();
    }
    Line();
}

void CListFileWriter::AppendRow(int row)
{
    ProductRecord& record = m_doc.GetRow(row);
    const RowCells& cells = record.Cells();
    // One value carries each cell of the row to its text.
    CellValue value;
    char number[32];
    std::snprintf(number, sizeof(number), "r%04d=", row);
    m_out += number;
    // Each slot's field follows a comma, but the first; a slot of no column has an empty one.
    int written = 0;
    for (int slot : m_typedSlots) {
        m_out.append(static_cast<size_t>(slot - written), ',');
        written = slot;
        const ColumnRecord& column = m_doc.GetColumnOfSlot(slot);
        if (column.type == kTypeText || column.type == kTypeMark) {
            FileFormat::AppendQuoteEscaped(m_out, cells.Text(slot));
            continue;
        }
        cells.Read(slot, value);
        CString text = CCellCodec::Format(column, value, kOutputFile);
        if (column.type == kTypeNumber && column.thousands) {
            text.Remove(',');
        }
        m_out += text.str();
    }
    m_out.append(static_cast<size_t>(kMaxColumns - 1 - written), ',');
    if (!cells.HasColours()) {
        m_out.append(kMaxColumns, ',');
    } else {
        for (int slot = 0; slot < kMaxColumns; ++slot) {
            m_out += ',';
            const COLORREF textColor = cells.TextColor(slot);
            const COLORREF backColor = cells.BackColor(slot);
            if (textColor != kDefaultColor || backColor != kDefaultColor) {
                m_out += FileFormat::FormatColourField(textColor, backColor).str();
            }
        }
    }
    if (!record.lastChange.IsValid()) {
        record.lastChange = CDateEx(COleDateTime::GetCurrentTime());
    }
    m_out += ',';
    m_out += record.lastChange.Format("%Y/%m/%d %H:%M:%S").str();
    for (int i = 0; i < record.photoCount && i < kMaxPhotosPerRow; ++i) {
        std::snprintf(number, sizeof(number), ",%d", record.photos[i]);
        m_out += number;
    }
    m_out += "\r\n";
}

void CListFileWriter::WriteProducts()
{
    SectionStart(5);
    m_typedSlots = m_doc.TypedSlots();
    for (int row = 0; row < m_doc.RowReach(); ++row) {
        if (m_doc.GetRow(row).inUse) {
            AppendRow(row);
        }
    }
    Line();
}

void CListFileWriter::WritePhotos()
{
    SectionStart(6);
    Line("folder=" + FileFormat::QuoteRaw(m_doc.photoFolderName));
    Line();
    CString line;
    for (int slot = 0; slot < m_doc.PhotoReach(); ++slot) {
        const PhotoRecord& photo = m_doc.GetPhoto(slot);
        if (photo.inUse) {
            line.Format("r%04d=%d,%d,%s", slot, photo.width, photo.height,
                        FileFormat::QuoteEscaped(photo.name).GetString());
            Line(line);
        }
    }
}
