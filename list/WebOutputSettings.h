#pragma once

#include "list/ListLimits.h"
#include "list/OutputSortEntry.h"
#include "list/WebListStyle.h"
#include "platform/Geometry.h"

#include <array>

// How the Web output of a list lays out its pages, and in which order it lists the rows.
struct WebOutputSettings
{
    WebOutputSettings()
    {
        for (int i = 0; i < kMaxColumns; ++i) {
            sortEntries[i].column = i;
        }
    }

    // The settings of a new list, made once: lists are reset and saved far more often than
    // their 128 sort entries change.
    static const WebOutputSettings& Standard()
    {
        static const WebOutputSettings standard;
        return standard;
    }

    int outputMode = 1; // 1 normal, 2 free, other construction
    CString webFolder;
    CString listName;
    CString fullName;
    CString webTitle;
    int rowCount = 0;
    CString message;
    WebListStyle style;
    CString extList = "htm";
    CString extPage = "htm";
    CString extCgi = "cgi";
    int pageView = 1; // 0 none, 1 html, 2 cgi
    std::array<OutputSortEntry, kMaxColumns> sortEntries;
    bool findCase = false;
    bool findWord = false;
    int findMulti = 0; // 1 or, other and
};
