#include "web/site/SimpleListTable.h"

#include "foundation/TextHelper.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "web/site/WebColors.h"

#include <vector>

namespace {

constexpr const char* kMarker = "<!--$TABLE-->";

CString Escaped(const CString& text)
{
    CTextHelper escaped(text);
    escaped.EscapeHtml();
    return escaped.IsEmpty() ? CString("&nbsp;") : CString(escaped);
}

// Column names are never HTML of their own.
CString EscapedName(const CString& text)
{
    CTextHelper escaped(text);
    escaped.EscapeHtmlText();
    return escaped.IsEmpty() ? CString("&nbsp;") : CString(escaped);
}

void Append(std::string& out, const CString& text)
{
    out.append(text.view());
}

} // namespace

CSimpleListTable::CSimpleListTable(const CZantobyDoc& doc, const WebPageContext& page)
    : m_doc(doc), m_page(page), m_web(doc.web)
{
}

bool CSimpleListTable::HasOneMarker(const CString& text) const
{
    const char* failure = nullptr;
    int at = text.Find(kMarker);
    if (at < 0) {
        failure = "TABLE ﾀｸﾞが見付かりません";
    } else if (text.Find(kMarker, at + 1) >= 0) {
        failure = "TABLE ﾀｸﾞが2ｹ所以上見付かりました";
    }
    if (failure != nullptr) {
        m_doc.Host().ShowErrorMessage(41202, MB_OK, (CString("list.htm\n") + failure).GetString());
        return false;
    }
    return true;
}

void CSimpleListTable::MarkColumns(bool allColumns)
{
    m_marks.fill(0);
    m_shownCount = 0;
    for (const OutputSortEntry& entry : m_web.sortEntries) {
        int c = entry.column;
        if ((!entry.options[OutputSortEntry::kInList] && !allColumns) || c < 0 || c >= kMaxColumns ||
            m_doc.GetColumn(c).type == kTypeNone) {
            continue;
        }
        // A column named by two entries is still one column of the table.
        if ((m_marks[static_cast<size_t>(c)] & kShown) == 0) {
            ++m_shownCount;
        }
        m_marks[static_cast<size_t>(c)] |= kShown;
        if (entry.options[OutputSortEntry::kWrap]) {
            m_marks[static_cast<size_t>(c)] |= kWrap;
        }
    }
    m_groupEntries = GroupEntryCount(m_web);
    for (int i = 0; i < m_groupEntries; ++i) {
        int c = m_web.sortEntries[static_cast<size_t>(i)].column;
        if (c >= 0 && c < kMaxColumns) {
            m_marks[static_cast<size_t>(c)] |= kGroup;
        }
    }
}

CString CSimpleListTable::BuildTable(bool allColumns)
{
    MarkColumns(allColumns);
    const WebListStyle& style = m_web.style;
    m_linkText.Empty();
    if (m_web.pageView != 0) {
        m_linkText = style.pageMark.IsEmpty() ? CString("●") : Escaped(style.pageMark);
    }

    std::string out;
    CString start = "<TABLE" + TableAttributes(style);
    Append(out, start + ">\n<TBODY>\n");
    if (style.topView) {
        AppendHeading(out);
    }

    // The texts of the current row and of the one before, used in turn; the tab of the first
    // previous texts equals no escaped text, so every page opens with a group row.
    std::vector<Texts> texts(2);
    texts[1].fill("\t");
    int current = 0;
    int rowCount = m_page.RowCount();
    int perPage = m_web.rowCount;
    int onPage = perPage != 0 ? perPage : rowCount;
    for (int j = 0; j < onPage; ++j) {
        long long position = j + static_cast<long long>(m_page.currentPage) * perPage;
        if (position >= rowCount) {
            break;
        }
        int record = m_page.rows[static_cast<size_t>(position)];
        Texts& now = texts[static_cast<size_t>(current)];
        const Texts& before = texts[static_cast<size_t>(1 - current)];
        if (record < 0 || record >= kMaxRows || !m_doc.GetRow(record).inUse) {
            now.fill(CString());
            AppendEmptyRow(out);
            current = 1 - current;
            continue;
        }
        const ProductRecord& row = m_doc.GetRow(record);
        for (int c = 0; c < kMaxColumns; ++c) {
            const ColumnRecord& column = m_doc.GetColumn(c);
            CString text;
            if (m_marks[static_cast<size_t>(c)] != 0 && column.slot >= 0 && column.slot < kMaxColumns) {
                text = m_doc.FormatCellForOutput(c, row.GetCell(column.slot), kOutputWeb);
            }
            now[static_cast<size_t>(c)] = Escaped(text);
        }
        bool groupChanged = false;
        for (int i = 0; i < m_groupEntries; ++i) {
            int c = m_web.sortEntries[static_cast<size_t>(i)].column;
            if (c >= 0 && c < kMaxColumns && now[static_cast<size_t>(c)] != before[static_cast<size_t>(c)]) {
                groupChanged = true;
            }
        }
        if (groupChanged) {
            CTextHelper joined;
            for (int i = 0; i < m_groupEntries; ++i) {
                int c = m_web.sortEntries[static_cast<size_t>(i)].column;
                if (c >= 0 && c < kMaxColumns) {
                    joined.AppendWithSeparator(" / ", now[static_cast<size_t>(c)]);
                }
            }
            AppendRowStart(out, style.headBackColor);
            CString cell;
            cell.Format("    <TD colspan=%d>%s</TD>\n", SpannedColumns(),
                        InColor(joined, style.headTextColor).GetString());
            Append(out, cell + "  </TR>\n");
        }
        AppendRecordRow(out, record, now);
        current = 1 - current;
    }
    out += "</TBODY>\n</TABLE>\n";
    return CString(std::move(out));
}

int CSimpleListTable::GroupEntryCount(const WebOutputSettings& web)
{
    for (int i = 0; i < kMaxColumns; ++i) {
        if (web.sortEntries[static_cast<size_t>(i)].options[OutputSortEntry::kHeader]) {
            return i + 1;
        }
    }
    return 0;
}

CString CSimpleListTable::TableAttributes(const WebListStyle& style)
{
    CString attributes;
    if (style.listWidth > 0) {
        attributes.AppendFormat(" width=%d%s", style.listWidth, style.widthUnit == 1 ? "%" : "");
    }
    if (style.cellSpace >= 0) {
        attributes.AppendFormat(" cellspacing=%d", style.cellSpace);
    }
    if (style.cellBlank >= 0) {
        attributes.AppendFormat(" cellpadding=%d", style.cellBlank);
    }
    if (style.borderWidth >= 0) {
        attributes.AppendFormat(" border=%d", style.borderWidth);
    }
    if (style.listBackColor != kDefaultColor) {
        attributes.AppendFormat(" bgcolor=#%06x", ToHtmlColor(style.listBackColor));
    }
    return attributes;
}

void CSimpleListTable::AppendHeading(std::string& out) const
{
    const WebListStyle& style = m_web.style;
    std::vector<int> shown;
    bool twoRows = false;
    for (int c = 0; c < kMaxColumns; ++c) {
        if (m_marks[static_cast<size_t>(c)] & kShown) {
            shown.push_back(c);
            twoRows = twoRows || !m_doc.GetColumn(c).subName.IsEmpty();
        }
    }
    COLORREF text = style.topTextColor;
    auto finish = [&](const CString& content) { return InColor(content, text) + "</TD>\n"; };
    std::string first;
    std::string second;
    AppendRowStart(first, style.topBackColor);
    AppendRowStart(second, style.topBackColor);
    if (m_web.pageView != 0) {
        Append(first,
               CString(twoRows ? "    <TD nowrap align=center rowspan=2>" : "    <TD nowrap align=center>") +
                   finish(Escaped(style.pageTop)));
    }
    for (size_t j = 0; j < shown.size();) {
        const CString& name = m_doc.GetColumn(shown[j]).name;
        size_t k = 1;
        while (j + k < shown.size() && m_doc.GetColumn(shown[j + k]).name == name) {
            ++k;
        }
        CString open;
        if (twoRows && k > 1) {
            open.Format("    <TD nowrap align=center colspan=%d>", static_cast<int>(k));
            for (size_t i = j; i < j + k; ++i) {
                Append(second, "    <TD nowrap align=center>" +
                                   finish(EscapedName(m_doc.GetColumn(shown[i]).subName)));
            }
        } else if (twoRows) {
            const CString& subName = m_doc.GetColumn(shown[j]).subName;
            if (subName.IsEmpty()) {
                open = "    <TD nowrap align=center rowspan=2>";
            } else {
                open = "    <TD nowrap align=center>";
                Append(second, "    <TD nowrap align=center>" + finish(EscapedName(subName)));
            }
        } else if (k > 1) {
            // One heading row: equal names still share a cell over all their columns.
            open.Format("    <TD nowrap align=center colspan=%d>", static_cast<int>(k));
        } else {
            open = "    <TD nowrap align=center>";
        }
        Append(first, open + finish(EscapedName(name)));
        j += k;
    }
    if (style.photoView) {
        first += twoRows ? "    <TD align=center rowspan=2>&nbsp;</TD>\n" : "    <TD>&nbsp;</TD>\n";
    }
    out += first + "  </TR>\n";
    if (twoRows) {
        out += second + "  </TR>\n";
    }
}

void CSimpleListTable::AppendEmptyRow(std::string& out) const
{
    AppendRowStart(out, m_web.style.detailBackColor);
    int cells = m_shownCount + (m_web.pageView != 0 ? 1 : 0) + (m_web.style.photoView ? 1 : 0);
    for (int i = 0; i < cells; ++i) {
        out += "    <TD>&nbsp;</TD>\n";
    }
    out += "  </TR>\n";
}

void CSimpleListTable::AppendRecordRow(std::string& out, int record, const Texts& texts) const
{
    const WebListStyle& style = m_web.style;
    const ProductRecord& row = m_doc.GetRow(record);
    AppendRowStart(out, style.detailBackColor);
    CString target = style.pageNew ? " target=_blank" : "";
    if (m_web.pageView != 0) {
        Append(out, "    <TD nowrap>" +
                        InColor(SinglePageLink(record, target, m_linkText), style.topTextColor) + "</TD>\n");
    }
    static const char* const alignments[] = {" align=left", " align=center", " align=right"};
    for (int c = 0; c < kMaxColumns; ++c) {
        unsigned char mark = m_marks[static_cast<size_t>(c)];
        if ((mark & kShown) == 0) {
            continue;
        }
        const ColumnRecord& column = m_doc.GetColumn(c);
        const CellRecord& cell = row.GetCell(column.slot >= 0 && column.slot < kMaxColumns ? column.slot : 0);
        COLORREF textColor = cell.textColor != kDefaultColor ? cell.textColor : style.detailTextColor;
        CString attributes;
        if (cell.backColor != kDefaultColor) {
            attributes.Format(" bgcolor=#%06x", ToHtmlColor(cell.backColor));
        }
        if (column.align >= 0 && column.align <= 2) {
            attributes += alignments[column.align];
        }
        // Straight into the page: a list page has a cell for every row and column shown.
        out += "    <TD";
        Append(out, attributes);
        out += (mark & kWrap) ? ">" : " nowrap>";
        Append(out, InColor(texts[static_cast<size_t>(c)], textColor));
        out += "</TD>\n";
    }
    if (style.photoView) {
        AppendPhotoCell(out, record, target);
    }
    out += "  </TR>\n";
}

void CSimpleListTable::AppendPhotoCell(std::string& out, int record, const CString& target) const
{
    const WebListStyle& style = m_web.style;
    const ProductRecord& row = m_doc.GetRow(record);
    CString images;
    for (int k = 0;
         k < row.photoCount && k < kMaxPhotosPerRow && (style.photoMaxCount <= 0 || k < style.photoMaxCount);
         ++k) {
        int slot = row.photos[static_cast<size_t>(k)];
        if (slot < 0 || slot >= kMaxPhotos || !m_doc.GetPhoto(slot).inUse) {
            continue;
        }
        images.AppendFormat("<IMG src=s/%04ds.jpg border=0 hspace=%d vspace=%d>", slot, style.photoBlankX,
                            style.photoBlankY);
        if (style.photoWrapCount > 0 && (k + 1) % style.photoWrapCount == 0) {
            images += "<BR>";
        }
    }
    if (images.IsEmpty()) {
        out += "    <TD>&nbsp;</TD>\n";
    } else if (m_web.pageView != 0) {
        Append(out, "    <TD nowrap>" + SinglePageLink(record, target, images) + "</TD>\n");
    } else {
        Append(out, "    <TD nowrap>" + images + "</TD>\n");
    }
}

void CSimpleListTable::AppendRowStart(std::string& out, COLORREF color)
{
    if (color == kDefaultColor) {
        out += "  <TR>\n";
        return;
    }
    CString start;
    start.Format("  <TR bgcolor=#%06x>\n", ToHtmlColor(color));
    Append(out, start);
}

CString CSimpleListTable::InColor(const CString& content, COLORREF color)
{
    if (color == kDefaultColor) {
        return content;
    }
    CString colored;
    colored.Format("<FONT color=#%06x>%s</FONT>", ToHtmlColor(color), content.GetString());
    return colored;
}

CString CSimpleListTable::SinglePageLink(int record, const CString& target, const CString& content) const
{
    CString link;
    if (m_web.pageView == 2) {
        link.Format("<A href=%s.%s?mode=page&id=%d%s>%s</A>", m_web.listName.GetString(),
                    m_web.extCgi.GetString(), record, target.GetString(), content.GetString());
    } else {
        link.Format("<A href=p/%04d.%s%s>%s</A>", record, m_web.extPage.GetString(), target.GetString(),
                    content.GetString());
    }
    return link;
}

int CSimpleListTable::SpannedColumns() const
{
    return m_shownCount + (m_web.style.photoView ? 1 : 0) + (m_web.pageView != 0 ? 1 : 0);
}
