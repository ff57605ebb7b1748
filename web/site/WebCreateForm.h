#pragma once

#include "list/WebListStyle.h"
#include "platform/CString.h"
#include "web/site/WebColumnRow.h"

#include <vector>

// The values of the Web file creation dialog's fields: what a run checks and stores into the
// list's Web settings.
struct WebCreateForm
{
    int outputMode = 1; // 1 simple list, 2 free list, 9 construction page
    CString folder;
    CString listName;
    CString fullName; // the all-columns pages' name, simple list only
    CString title;
    CString rowsPerPage; // the field's text; the number at its start counts
    CString message;
    CString extList;
    CString extPage;
    CString extCgi;
    int pageView = 1; // single pages: 0 none, 1 HTML, 2 CGI
    bool findWord = false;
    bool findCase = false;
    int findMulti = 0; // 0 AND, 1 OR
    WebListStyle style;
    std::vector<WebColumnRow> columns; // the column grid's rows in output order
};
