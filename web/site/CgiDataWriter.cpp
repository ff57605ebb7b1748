#include "web/site/CgiDataWriter.h"

#include "foundation/TextFile.h"
#include "foundation/TextHelper.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/WorkerPool.h"
#include "web/site/PagesAhead.h"
#include "web/site/SimpleListTable.h"
#include "web/site/WebColors.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <exception>
#include <latch>
#include <string>
#include <vector>

namespace {

// The escape of the data file's quoted values: backslash, tab, CR, LF, apostrophe and comma
// behind a backslash.
CString Esc(const CString& text)
{
    return CTextHelper::GetEscapedText(text);
}

void AppendColor(CString& out, const char* key, int index, COLORREF color)
{
    if (color != kDefaultColor) {
        out.AppendFormat(",%s%d=#%06x", key, index, ToHtmlColor(color));
    }
}

} // namespace

bool CCgiDataWriter::WriteCgiData(bool allColumns, CString& path)
{
    const WebOutputSettings& web = m_doc.web;
    if (allColumns && (web.outputMode != 1 || web.fullName.IsEmpty())) {
        return true;
    }
    path.Format("%s/%s_data.%s", web.webFolder.GetString(),
                (allColumns ? web.fullName : web.listName).GetString(), web.extCgi.GetString());
    errno = 0;
    return WriteTextFile(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary,
                         BuildText(allColumns));
}

CString CCgiDataWriter::BuildText(bool allColumns) const
{
    CString out;
    out.Format("; バージョン情報\nversion,v=%d\n", m_doc.Host().GetVersionNumber());
    out += "\n; 列情報\n";
    AppendColumns(out, allColumns);
    out += "\n; ドロップリスト設定\n";
    AppendDropLists(out);
    out += "\n; 簡単設定一覧の設定\n";
    AppendStyle(out);
    out += "\n; その他の設定\n";
    AppendSettings(out);
    out += "\n; テキストデータ\n";
    AppendRows(out);
    out += "\n; 写真データ\n";
    AppendPhotos(out);
    return out;
}

void CCgiDataWriter::AppendColumns(CString& out, bool allColumns) const
{
    const WebOutputSettings& web = m_doc.web;
    std::array<bool, kMaxColumns> inList{};
    std::array<bool, kMaxColumns> wraps{};
    std::array<bool, kMaxColumns> header{};
    for (int i = 0; i < m_doc.columnCount && i < kMaxColumns; ++i) {
        const OutputSortEntry& entry = web.sortEntries[static_cast<size_t>(i)];
        if (entry.column >= 0 && entry.column < kMaxColumns &&
            (allColumns || entry.options[OutputSortEntry::kInList])) {
            inList[static_cast<size_t>(entry.column)] = true;
            wraps[static_cast<size_t>(entry.column)] = entry.options[OutputSortEntry::kWrap];
        }
    }
    int groupEntries = CSimpleListTable::GroupEntryCount(web);
    for (int i = 0; i < groupEntries; ++i) {
        int column = web.sortEntries[static_cast<size_t>(i)].column;
        if (column >= 0 && column < kMaxColumns) {
            header[static_cast<size_t>(column)] = true;
        }
    }

    static const char* const alignments[] = {",align=left", ",align=center", ",align=right"};
    for (int c = 0; c < kMaxColumns; ++c) {
        const ColumnRecord& column = m_doc.GetColumn(c);
        if (column.type == kTypeNone) {
            continue;
        }
        out.AppendFormat("column%d,name='%s',subname='%s'", c, Esc(column.name).GetString(),
                         Esc(column.subName).GetString());
        switch (column.type) {
        case kTypeYesNo:
            out.AppendFormat(",type=bool,tstr='%s',fstr='%s'", Esc(column.yesHtml).GetString(),
                             Esc(column.noHtml).GetString());
            break;
        case kTypeText:
            out += ",type=text";
            break;
        case kTypeMark:
            out += ",type=mark";
            break;
        case kTypeNumber:
            out.AppendFormat(",type=number,format=p%d%s%s", column.decimals, column.showZero ? "z" : "",
                             column.thousands ? "c" : "");
            break;
        case kTypeDate:
            // The pages show dates in the Web pattern; the script is told the same one.
            out += ",type=date";
            if (!column.dateHtmlPattern.IsEmpty()) {
                out.AppendFormat(",format='%s'", Esc(column.dateHtmlPattern).GetString());
            }
            break;
        default:
            break;
        }
        size_t index = static_cast<size_t>(c);
        if (!inList[index]) {
            out += ",list=0";
        }
        if (inList[index] && wraps[index]) {
            out += ",wrap=1";
        }
        if (header[index]) {
            out += ",head=1";
        }
        if (column.align >= 0 && column.align <= 2) {
            out += alignments[column.align];
        }
        out += "\n";
    }
}

void CCgiDataWriter::AppendDropLists(CString& out) const
{
    for (int c = 0; c < kMaxColumns; ++c) {
        const ColumnRecord& column = m_doc.GetColumn(c);
        int count = column.dropEntries.GetSize();
        if (column.type == kTypeNone || column.dropType == 0) {
            continue;
        }
        for (int first = 0; first < count; first += 10) {
            out.AppendFormat("drop%d", c);
            for (int i = first; i < first + 10 && i < count; ++i) {
                out.AppendFormat(",v%d='%s'", i, Esc(column.dropEntries[i]).GetString());
            }
            out += "\n";
        }
    }
}

void CCgiDataWriter::AppendStyle(CString& out) const
{
    const WebOutputSettings& web = m_doc.web;
    const WebListStyle& style = web.style;
    CString attributes = CSimpleListTable::TableAttributes(style);
    CString first;
    if (!attributes.IsEmpty()) {
        first = ",tb='" + Esc(attributes) + "'";
    }
    if (style.photoView) {
        first += ",pv=1";
    }
    const std::pair<const char*, int> photoNumbers[] = {{",hs=%d", style.photoBlankX},
                                                        {",vs=%d", style.photoBlankY},
                                                        {",pmax=%d", style.photoMaxCount},
                                                        {",pwrap=%d", style.photoWrapCount}};
    for (const auto& [pattern, value] : photoNumbers) {
        if (value > 0) {
            first.AppendFormat(pattern, value);
        }
    }
    CString colors;
    const std::pair<const char*, COLORREF> colorKeys[] = {
        {"ttc", style.topTextColor},  {"tbc", style.topBackColor},    {"htc", style.headTextColor},
        {"hbc", style.headBackColor}, {"dtc", style.detailTextColor}, {"dbc", style.detailBackColor}};
    for (const auto& [key, color] : colorKeys) {
        if (color != kDefaultColor) {
            colors.AppendFormat(",%s=#%06x", key, ToHtmlColor(color));
        }
    }
    CString third;
    if (style.topView) {
        third = ",tv=1";
    }
    if (web.pageView != 0) {
        third += ",pm='" + Esc(style.pageMark.IsEmpty() ? CString("●") : style.pageMark) + "'";
        if (!style.pageTop.IsEmpty()) {
            third += ",pt='" + Esc(style.pageTop) + "'";
        }
        if (style.pageNew) {
            third += ",pn=1";
        }
    }
    for (const CString* line : {&first, &colors, &third}) {
        if (!line->IsEmpty()) {
            out += "table" + *line + "\n";
        }
    }
}

void CCgiDataWriter::AppendSettings(CString& out) const
{
    const WebOutputSettings& web = m_doc.web;
    out += web.outputMode == 1   ? "etc,mode=list"
           : web.outputMode == 2 ? "etc,mode=free"
                                 : "etc,mode=construct";
    if (web.rowCount > 0) {
        out.AppendFormat(",count=%d", web.rowCount);
    }
    out += ",date=" + COleDateTime::GetCurrentTime().Format("%Y/%m/%d %H:%M:%S") + "\n";
    const CString& title = web.webTitle.IsEmpty() ? m_doc.title : web.webTitle;
    if (!title.IsEmpty()) {
        out += "etc,title='" + Esc(title) + "'\n";
    }
    if (!web.message.IsEmpty()) {
        out += "etc,msg='" + Esc(web.message) + "'\n";
    }
}

void CCgiDataWriter::AppendRows(CString& out) const
{
    // A line for every row, for every cell of the list: the rows are written in pieces on
    // worker threads, joined in their order.
    const int threads = CPagesAhead::MakerThreads();
    const size_t count = m_page.rows.size();
    const size_t pieceRows = count / static_cast<size_t>(threads * 4) + 1;
    const size_t pieceCount = (count + pieceRows - 1) / pieceRows;
    std::vector<std::string> pieces(pieceCount);
    std::vector<std::exception_ptr> errors(pieceCount);
    std::latch written(static_cast<std::ptrdiff_t>(pieceCount));
    {
        WorkerPool pool(threads);
        for (size_t piece = 0; piece < pieceCount; ++piece) {
            pool.Submit([&, piece] {
                try {
                    const size_t end = std::min(count, (piece + 1) * pieceRows);
                    for (size_t i = piece * pieceRows; i < end; ++i) {
                        AppendRow(pieces[piece], m_page.rows[i]);
                    }
                } catch (...) {
                    errors[piece] = std::current_exception();
                }
                written.count_down();
            });
        }
        written.wait();
    }
    for (size_t piece = 0; piece < pieceCount; ++piece) {
        if (errors[piece]) {
            std::rethrow_exception(errors[piece]);
        }
        out.str() += pieces[piece];
    }
}

void CCgiDataWriter::AppendRow(std::string& out, int record) const
{
    if (record < 0 || record >= kMaxRows || !m_doc.GetRow(record).inUse) {
        return;
    }
    const ProductRecord& row = m_doc.GetRow(record);
    CString pieces;
    for (int c = 0; c < kMaxColumns; ++c) {
        const ColumnRecord& column = m_doc.GetColumn(c);
        if (column.type == kTypeNone || column.slot < 0 || column.slot >= kMaxColumns) {
            continue;
        }
        const CellRecord& cell = row.GetCell(column.slot);
        CString text = m_doc.FormatCellForOutput(c, cell, kOutputCgi);
        if (!text.IsEmpty()) {
            std::string& line = pieces.str();
            line += ",v";
            line += std::to_string(c);
            line += "='";
            line += Esc(text).view();
            line += '\'';
        }
        AppendColor(pieces, "tc", c, cell.textColor);
        AppendColor(pieces, "bc", c, cell.backColor);
    }
    CTextHelper photos;
    for (int i = 0; i < row.photoCount && i < kMaxPhotosPerRow; ++i) {
        int slot = row.photos[static_cast<size_t>(i)];
        if (slot >= 0 && slot < kMaxPhotos && m_doc.GetPhoto(slot).inUse) {
            CString number;
            number.Format("%d", slot);
            photos.AppendWithSeparator("+", number);
        }
    }
    if (!photos.IsEmpty()) {
        pieces += ",p=" + photos;
    }
    if (!pieces.IsEmpty()) {
        out += "text";
        out += std::to_string(record);
        out += pieces.view();
        out += '\n';
    }
}

void CCgiDataWriter::AppendPhotos(CString& out) const
{
    for (int slot = 0; slot < kMaxPhotos; ++slot) {
        const PhotoRecord& photo = m_doc.GetPhoto(slot);
        if (photo.inUse && !photo.name.IsEmpty()) {
            out.AppendFormat("photo%d,c='%s'\n", slot, Esc(photo.name).GetString());
        }
    }
}
