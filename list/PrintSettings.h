#pragma once

#include "list/HeaderFooterSettings.h"
#include "list/ListLimits.h"

#include <array>

// The page setup of a list for list printing and single-sheet printing. Sizes are in 0.1 mm and
// font sizes in tenths of a point unless said otherwise.
struct PrintSettings
{
    // Indexes of margins, in file order.
    enum Margin
    {
        kTopMargin,
        kBottomMargin,
        kLeftMargin,
        kRightMargin,
        kHeaderHeight, // the header band of both forms
        kFooterHeight,
    };
    // Indexes of a column's pair.
    enum ColumnEntry
    {
        kListWidth, // -1 automatic, 0 not printed, above 0 millimetres
        kOnSheet,   // 0 not printed, any other value printed
    };

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

    CString device;      // printer name; empty or unknown means the default printer
    int paper = 9;       // paper number; 9 is A4
    int orientation = 1; // 1 portrait, other landscape

    // List printing, in file order.
    int listScale = 100; // percent, 10..100; fitting to the width overwrites it
    bool fitToWidth = false;
    CString listFont = "ＭＳ 明朝";
    int listFontSize = 100;
    bool listPhotos = true; // a column of photos on list pages
    int listPhotoSize = 130;
    int photosPerLine = 20;
    HeaderFooterSettings listHeader;
    HeaderFooterSettings listFooter;

    // Single-sheet printing, in file order.
    CString sheetFont = "ＭＳ 明朝";
    int sheetFontSize = 100;
    int sheetPhotoSize = 700;
    CString captionFont = "ＭＳ 明朝"; // photo names under the photos
    int captionFontSize = 100;
    bool highQuality = false; // photos from the original files with their drawing applied
    HeaderFooterSettings pageHeader;
    HeaderFooterSettings pageFooter;

    std::array<int, 6> margins = {200, 100, 200, 100, 50, 40};
    // By a column's cell slot.
    std::array<std::array<int, 2>, kMaxColumns> columnPairs;

    // The entry of a column's cell slot; a slot out of range prints as an automatic column.
    int ColumnEntryOf(int slot, ColumnEntry entry) const
    {
        return slot >= 0 && slot < kMaxColumns ? columnPairs[slot][entry] : -1;
    }
};
