#include "web/site/PageListTagParams.h"

#include "list/ListLimits.h"
#include "web/site/WebTagScope.h"

#include <algorithm>
#include <set>

bool CPageListTagParams::Parse(const CString& tagText)
{
    bool known = ForEachParam(tagText, [this](const CString& key, const CString& value) {
        if (key == "next") {
            next = ToInt(value);
        } else if (key == "prev") {
            prev = ToInt(value);
        } else if (key == "nofirst") {
            showFirst = false;
        } else if (key == "nolast") {
            showLast = false;
        } else if (key == "f-icon") {
            firstIcon = value;
        } else if (key == "l-icon") {
            lastIcon = value;
        } else if (key == "c-icon") {
            currentIcon = value;
        } else if (key == "fc-icon") {
            firstCurrentIcon = value;
        } else if (key == "lc-icon") {
            lastCurrentIcon = value;
        } else if (key == "p-icon") {
            pageIcon = value;
        } else {
            return false;
        }
        return true;
    });
    if (!pageIcon.IsEmpty()) {
        for (CString* icon : {&firstIcon, &lastIcon, &currentIcon}) {
            if (icon->IsEmpty()) {
                *icon = pageIcon;
            }
        }
    }
    for (CString* icon : {&firstCurrentIcon, &lastCurrentIcon}) {
        if (icon->IsEmpty()) {
            *icon = currentIcon;
        }
    }
    return known;
}

CString CPageListTagParams::BuildPageList(const CWebTagScope& scope) const
{
    const WebPageContext& page = scope.Page();
    int count = page.pageCount;
    int current = page.currentPage;
    CString out;
    if (count <= 1) {
        return out;
    }
    std::set<int> pages;
    if (showFirst) {
        pages.insert(0);
    }
    if (showLast) {
        pages.insert(count - 1);
    }
    // Wide enough that no prev or next a page may hold overflows.
    long long from = std::max(static_cast<long long>(current) - prev, 0LL);
    long long to = std::min(static_cast<long long>(current) + next, static_cast<long long>(count));
    for (long long i = from; i < to; ++i) {
        pages.insert(static_cast<int>(i));
    }
    for (int i : pages) {
        int record = scope.RecordAt(i);
        if (page.singlePage == 1 && (record < 0 || record >= kMaxRows)) {
            continue;
        }
        const CString& icon = i == current ? (i == 0           ? firstCurrentIcon
                                              : i == count - 1 ? lastCurrentIcon
                                                               : currentIcon)
                                           : (i == 0           ? firstIcon
                                              : i == count - 1 ? lastIcon
                                                               : pageIcon);
        if (icon.IsEmpty() && !out.IsEmpty()) {
            out += " ";
        }
        if (i != current) {
            out +=
                "<A href=" + (page.singlePage == 1 ? scope.SinglePageName(record) : scope.ListPageName(i)) +
                ">";
        }
        if (!icon.IsEmpty()) {
            out.AppendFormat("<IMG src=%s alt=%dページ border=0>", icon.GetString(), i + 1);
        } else {
            out.AppendFormat(i == current ? "<B>%d</B>" : "%d", i + 1);
        }
        if (i != current) {
            out += "</A>";
        }
    }
    return out;
}
