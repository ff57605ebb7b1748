#include "web/site/LinkTagParams.h"

#include "foundation/TextHelper.h"
#include "web/site/PhotoTagParams.h"
#include "web/site/WebTagScope.h"

namespace {

const char* const kModeNames[] = {"nextlist", "prevlist",  "firstlist", "lastlist", "nextpage",
                                  "prevpage", "firstpage", "lastpage",  "photo",    "page"};
const int kModeCodes[] = {CLinkTagParams::kNextList,  CLinkTagParams::kPrevList, CLinkTagParams::kFirstList,
                          CLinkTagParams::kLastList,  CLinkTagParams::kNextPage, CLinkTagParams::kPrevPage,
                          CLinkTagParams::kFirstPage, CLinkTagParams::kLastPage, CLinkTagParams::kPhoto,
                          CLinkTagParams::kPage};

} // namespace

bool CLinkTagParams::Parse(const CString& tagText)
{
    bool known = ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key == "mode") {
            int found = CTextHelper(value).FindInList(kModeNames, std::size(kModeNames));
            if (found < 0) {
                return false;
            }
            mode = kModeCodes[found];
        } else if (key == "rec") {
            rec = ToInt(value);
        } else if (key == "no") {
            no = ToInt(value);
        } else if (key == "icon") {
            icon = value;
        } else if (key == "size" && (value == "mid" || value == "small")) {
            size = value == "mid" ? CPhotoTagParams::kMiddle : CPhotoTagParams::kSmall;
        } else {
            return false;
        }
        return true;
    });
    return known && mode != kNone;
}

const char* CLinkTagParams::BuildAnchor(const CWebTagScope& scope, CString& anchor) const
{
    const WebPageContext& page = scope.Page();
    const WebOutputSettings& web = scope.Settings();
    const WebExpansionWindow& window = scope.Window();
    anchor.Empty();
    auto toListPage = [&](int index) { anchor = "<A href=" + scope.ListPageName(index) + ">"; };
    auto toSinglePage = [&](int position) {
        int record = scope.RecordAt(position);
        anchor = "<A href=" + scope.SinglePageName(record) + ">";
    };
    bool listPage = page.singlePage == 0;
    switch (mode) {
    case kNextList:
        if (!listPage) {
            return "mode=nextlist は一覧表作成でしか使用できません\n\n%s";
        }
        if (page.currentPage < page.pageCount - 1) {
            anchor.Format("<A href=%s%d.%s>", web.listName.GetString(), page.currentPage + 1,
                          web.extList.GetString());
        }
        break;
    case kPrevList:
        if (!listPage) {
            return "mode=prevlist は一覧表作成でしか使用できません\n\n%s";
        }
        if (page.currentPage > 0) {
            toListPage(page.currentPage - 1);
        }
        break;
    case kFirstList:
        if (!listPage) {
            return "mode=firstlist は一覧表作成でしか使用できません\n\n%s";
        }
        toListPage(0);
        break;
    case kLastList:
        if (!listPage) {
            return "mode=lastlist は一覧表作成でしか使用できません\n\n%s";
        }
        toListPage(page.pageCount - 1);
        break;
    case kPage:
        if (!listPage) {
            return "mode=page は一覧表作成でしか使用できません\n\n%s";
        }
        if (!scope.RowInWindow(rec)) {
            return "有効範囲にないﾚｺｰﾄﾞが指定されています\n\n%s";
        }
        // Without single pages there is no page to lead to: the body stands alone.
        if (int record = scope.RecordAt(window.firstRow + rec); record >= 0 && web.pageView != 0) {
            if (web.pageView == 2) {
                anchor.Format("<A href=%s.%s?mode=page&id=%d>", web.listName.GetString(),
                              web.extCgi.GetString(), record);
            } else {
                anchor = "<A href=p/" + scope.SinglePageName(record) + ">";
            }
        }
        break;
    case kNextPage:
    case kPrevPage:
    case kFirstPage:
    case kLastPage: {
        static const char* const failures[] = {"mode=nextpage は単票作成でしか使用できません\n\n%s",
                                               "mode=prevpage は単票作成でしか使用できません\n\n%s",
                                               "mode=firstpage は単票作成でしか使用できません\n\n%s",
                                               "mode=lastpage は単票作成でしか使用できません\n\n%s"};
        if (listPage) {
            return failures[mode - kNextPage];
        }
        int count = page.RowCount();
        if (mode == kNextPage && window.firstRow + 1 < count) {
            toSinglePage(window.firstRow + 1);
        } else if (mode == kPrevPage && window.firstRow >= 1) {
            toSinglePage(window.firstRow - 1);
        } else if (mode == kFirstPage && count > 0) {
            toSinglePage(0);
        } else if (mode == kLastPage && count > 0) {
            toSinglePage(count - 1);
        }
        break;
    }
    case kPhoto: {
        if (!scope.PhotoInWindow(no)) {
            return "有効範囲にない写真番号が指定されています\n\n%s";
        }
        int slot = scope.PhotoSlotOf(scope.RecordAt(window.firstRow), window.firstPhoto + no);
        if (slot >= 0) {
            anchor = "<A href=" + CPhotoTagParams::PhotoAddress(slot, size, page.singlePage != 0) + ">";
        }
        break;
    }
    default:
        break;
    }
    return nullptr;
}
