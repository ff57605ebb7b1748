#include "web/site/WebTagScope.h"

#include "foundation/TextHelper.h"
#include "list/ZantobyDoc.h"

#include <utility>

const WebOutputSettings& CWebTagScope::Settings() const
{
    return m_doc.web;
}

int CWebTagScope::RecordAt(int position) const
{
    return position >= 0 && position < m_page.RowCount() ? m_page.rows[static_cast<size_t>(position)] : -1;
}

const ProductRecord* CWebTagScope::RowInUse(int record) const
{
    if (record < 0 || record >= kMaxRows || !m_doc.GetRow(record).inUse) {
        return nullptr;
    }
    return &m_doc.GetRow(record);
}

int CWebTagScope::PhotoSlotOf(int record, int photoIndex) const
{
    const ProductRecord* row = RowInUse(record);
    if (row == nullptr || photoIndex < 0 || photoIndex >= row->photoCount || photoIndex >= kMaxPhotosPerRow) {
        return -1;
    }
    int slot = row->photos[static_cast<size_t>(photoIndex)];
    return slot >= 0 && slot < kMaxPhotos && m_doc.GetPhoto(slot).inUse ? slot : -1;
}

const char* CWebTagScope::FindPhoto(int rec, int no, int& slot) const
{
    slot = -1;
    if (!RowInWindow(rec)) {
        return kRecordOutOfRange;
    }
    if (!PhotoInWindow(no)) {
        return kNumberOutOfRange;
    }
    slot = PhotoSlotOf(RecordAt(m_window.firstRow + rec), m_window.firstPhoto + no);
    return nullptr;
}

CString CWebTagScope::ListPageName(int page) const
{
    const WebOutputSettings& web = Settings();
    CString name;
    if (page > 0) {
        name.Format("%s%d.%s", web.listName.GetString(), page, web.extList.GetString());
    } else {
        name.Format("%s.%s", web.listName.GetString(), web.extList.GetString());
    }
    return name;
}

CString CWebTagScope::SinglePageName(int record) const
{
    CString name;
    name.Format("%04d.%s", record, Settings().extPage.GetString());
    return name;
}

CString CWebTagScope::DataText(const CString& text, const CString& def)
{
    CTextHelper escaped(text);
    escaped.EscapeHtml();
    return escaped.IsEmpty() ? def : CString(std::move(escaped));
}

CString CWebTagScope::NameText(const CString& text, const CString& def)
{
    CTextHelper escaped(text);
    escaped.EscapeHtmlText();
    return escaped.IsEmpty() ? def : CString(std::move(escaped));
}
