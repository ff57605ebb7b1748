#include "list/reading/ListOutputReader.h"

#include "foundation/PathName.h"
#include "list/ListFileFormat.h"
#include "list/ZantobyDoc.h"
#include "list/reading/ListFileLine.h"

namespace {

COLORREF ToColour(int value)
{
    return static_cast<COLORREF>(value);
}

} // namespace

void CListOutputReader::Read()
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
    switch (m_line.MatchKey(patterns)) {
    case 0:
        web.outputMode = m_line.FieldView(0) == "normal" ? 1 : m_line.FieldView(0) == "free" ? 2 : 9;
        break;
    case 1:
        web.webFolder = m_line.Field(0);
        break;
    case 2:
        web.listName = m_line.Field(0);
        break;
    case 3:
        web.fullName = m_line.Field(0);
        break;
    case 4:
        web.webTitle = m_line.Text(0);
        break;
    case 5:
        web.rowCount = m_line.Int(0);
        break;
    case 6: {
        CTextHelper message(m_line.Field(0));
        message.UnescapeBackslash();
        web.message = message;
        break;
    }
    case 7:
        web.style.widthUnit = m_line.FieldView(0) == "percent" ? 1 : 0;
        break;
    case 8:
        web.style.listWidth = m_line.Int(0);
        break;
    case 9:
        web.style.cellSpace = m_line.Int(0);
        break;
    case 10:
        web.style.cellBlank = m_line.Int(0);
        break;
    case 11:
        web.style.borderWidth = m_line.Int(0);
        break;
    case 12:
        web.style.topView = m_line.Bool(0);
        break;
    case 13:
        web.style.listBackColor = ToColour(m_line.Int(0));
        break;
    case 14:
        web.style.pageTop = m_line.Text(0);
        break;
    case 15:
        web.style.pageMark = m_line.Text(0);
        break;
    case 16:
        web.style.pageNew = m_line.Bool(0);
        break;
    case 17:
        web.style.topTextColor = ToColour(m_line.Int(0));
        break;
    case 18:
        web.style.topBackColor = ToColour(m_line.Int(0));
        break;
    case 19:
        web.style.headTextColor = ToColour(m_line.Int(0));
        break;
    case 20:
        web.style.headBackColor = ToColour(m_line.Int(0));
        break;
    case 21:
        web.style.detailTextColor = ToColour(m_line.Int(0));
        break;
    case 22:
        web.style.detailBackColor = ToColour(m_line.Int(0));
        break;
    case 23:
        web.style.photoView = m_line.Bool(0);
        break;
    case 24:
        web.style.photoMaxCount = m_line.Int(0);
        break;
    case 25:
    case 26:
        web.style.photoWrapCount = m_line.Int(0);
        break;
    case 27:
        web.style.photoBlankX = m_line.Int(0);
        break;
    case 28:
        web.style.photoBlankY = m_line.Int(0);
        break;
    case 29:
        web.extList = m_line.Field(0);
        break;
    case 30:
        web.extPage = m_line.Field(0);
        break;
    case 31:
        web.extCgi = m_line.Field(0);
        break;
    case 32:
        web.findWord = m_line.Bool(0);
        break;
    case 33:
        web.findCase = m_line.Bool(0);
        break;
    case 34:
        web.findMulti = m_line.FieldView(0) == "or" ? 1 : 0;
        break;
    case 35: {
        int view = CTextHelper::FindInList(m_line.FieldView(0), CListFileFormat::kPageViewWords, 3);
        if (view >= 0) {
            web.pageView = view;
        }
        break;
    }
    case 36:
        ReadWebSortEntry(true);
        break;
    default:
        break;
    }
}

void CListOutputReader::ReadOlder()
{
    static const char* const patterns[] = {"mode*",     "fullcgi*",       "folder*",        "pageview*",
                                           "rowcount*", "headtextcolor*", "headbackcolor*", "listext*",
                                           "pageext*",  "cgiext*",        "sort*",          "msg*"};
    WebOutputSettings& web = m_doc.web;
    switch (m_line.MatchKey(patterns)) {
    case 0:
        web.outputMode = m_line.Int(0) == 0 ? 1 : 9;
        break;
    case 1:
        web.fullName = m_line.Field(0);
        web.listName = GetBaseNameOfPath(m_path);
        break;
    case 2:
        web.webFolder = m_line.Field(0);
        break;
    case 3:
        web.pageView = m_line.Bool(0) ? 1 : 0;
        break;
    case 4:
        web.rowCount = m_line.Int(0);
        break;
    case 5:
        web.style.headTextColor = ToColour(m_line.Int(0));
        break;
    case 6:
        web.style.headBackColor = ToColour(m_line.Int(0));
        break;
    case 7:
        web.extList = m_line.Field(0);
        break;
    case 8:
        web.extPage = m_line.Field(0);
        break;
    case 9:
        web.extCgi = m_line.Field(0);
        break;
    case 10:
        ReadWebSortEntry(false);
        break;
    case 11:
        if (!web.message.IsEmpty()) {
            web.message += "\r\n";
        }
        web.message += m_line.Field(0);
        break;
    default:
        break;
    }
}

void CListOutputReader::ReadWebSortEntry(bool eightFields)
{
    int index = m_line.KeyNumber(4);
    if (index < 0 || index >= kMaxColumns) {
        return;
    }
    OutputSortEntry& entry = m_doc.web.sortEntries[index];
    entry.column = m_line.Int(0);
    entry.descending = m_line.FieldView(1) == "desc" || m_line.Bool(1);
    entry.options[0] = m_line.Bool(2);
    entry.options[1] = m_line.Bool(3);
    if (eightFields) {
        entry.options[2] = m_line.Bool(4);
        entry.options[3] = m_line.Bool(5);
        entry.texts[0] = m_line.Text(6);
        entry.texts[1] = m_line.Text(7);
    } else {
        entry.options[2] = entry.options[1];
        entry.options[3] = true;
        entry.texts[0].Empty();
        entry.texts[1].Empty();
    }
}
