#pragma once

#include "list/HeaderFooterSettings.h"
#include "list/ListLimits.h"

#include <array>

// The page setup of a list for list printing and single-sheet printing. The plain numbered values
// belong to the page setup dialog, which gives them their meaning; the list only keeps them.
struct PrintSettings
{
    PrintSettings()
    {
        listHeader.text = "&t &Y/&M/&D";
        listFooter.text = "- &p / &P -";
        pageHeader.text = "&Y/&M/&D";
        pageFooter.text = "- &p / &P -";
        for (auto& pair : columnPairs) {
            pair = {-1, -1};
        }
    }

    CString device;
    int paper = 9;
    int orientation = 1; // 1 portrait, other landscape

    // The seven values of list printing, in file order.
    int listValue1 = 100;
    bool listFlag1 = false;
    CString listFont = "ＭＳ 明朝";
    int listValue2 = 100;
    bool listFlag2 = true;
    int listValue3 = 130;
    int listValue4 = 20;
    HeaderFooterSettings listHeader;
    HeaderFooterSettings listFooter;

    // The five values of single-sheet printing, in file order.
    CString pageFont1 = "ＭＳ 明朝";
    int pageValue1 = 100;
    int pageValue2 = 700;
    CString pageFont2 = "ＭＳ 明朝";
    int pageValue3 = 100;
    bool highQuality = false;
    HeaderFooterSettings pageHeader;
    HeaderFooterSettings pageFooter;

    std::array<int, 6> margins = {200, 100, 200, 100, 50, 40};
    std::array<std::array<int, 2>, kMaxColumns> columnPairs;
};
