#pragma once

#include "list/WebOutputSettings.h"
#include "platform/CString.h"
#include "web/site/WebExpansionWindow.h"
#include "web/site/WebPageContext.h"

class CZantobyDoc;
class ProductRecord;

// What a tag of an HTML base file may read while it is expanded: the list, the page being
// written and the window of rows, columns and photos that the text at hand addresses.
class CWebTagScope
{
  public:
    // Failure patterns of the range checks; "%s" takes the template text at the tag.
    static constexpr const char* kRecordOutOfRange = "有効範囲にないﾚｺｰﾄﾞ番号が指定されています\n\n%s";
    static constexpr const char* kNumberOutOfRange = "有効範囲にない項目番号が指定されています\n\n%s";

    CWebTagScope(const CZantobyDoc& doc, const WebPageContext& page, const WebExpansionWindow& window)
        : m_doc(doc), m_page(page), m_window(window)
    {
    }

    const CZantobyDoc& Doc() const { return m_doc; }
    const WebPageContext& Page() const { return m_page; }
    const WebExpansionWindow& Window() const { return m_window; }
    const WebOutputSettings& Settings() const;

    // Range checks of a tag's numbers against the windows.
    bool RowInWindow(int rec) const { return rec >= 0 && rec < m_window.rowWindow; }
    bool ColumnInWindow(int no) const { return no >= 0 && no < m_window.columnWindow; }
    bool PhotoInWindow(int no) const { return no >= 0 && no < m_window.photoWindow; }

    // The record index at a position of the row list; -1 past its end.
    int RecordAt(int position) const;
    // The row of a record index when it is in use, else null.
    const ProductRecord* RowInUse(int record) const;
    // The photo slot at a position of a record's photos when the record and the slot are in
    // use; -1 otherwise.
    int PhotoSlotOf(int record, int photoIndex) const;
    // The photo slot of a tag's row (rec) and photo position (no) within the windows, -1 when
    // there is none; null, or the failure pattern of a number outside its window.
    const char* FindPhoto(int rec, int no, int& slot) const;

    // "list.htm", "list2.htm": the list page of an index, page 0 without a number.
    CString ListPageName(int page) const;
    // "0012.htm": a record's single page, beside the other single pages.
    CString SinglePageName(int record) const;

    // A data text for the page: escaped for HTML (a text starting "$:" passes raw without those
    // two characters); the default text as it stands when nothing is left.
    static CString DataText(const CString& text, const CString& def);
    // A name, title or message for the page: always escaped, never HTML of its own; the default
    // text as it stands when nothing is left.
    static CString NameText(const CString& text, const CString& def);

  private:
    const CZantobyDoc& m_doc;
    const WebPageContext& m_page;
    const WebExpansionWindow& m_window;
};
