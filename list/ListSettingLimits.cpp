#include "list/ListSettingLimits.h"

#include "list/ZantobyDoc.h"

#include <algorithm>

namespace {

// The widest column the column dialogs offer, in characters.
constexpr int kMaxColumnWidth = kMaxColumns;
// Printed sizes in 0.1 mm and font sizes in tenths of a point, as the page setup offers them.
constexpr int kMinFontSize = 60;
constexpr int kMaxFontSize = 120;
constexpr int kMinMargin = 30;
constexpr int kMaxMargin = 990;
// The largest printed width of a column, in millimetres; -1 is automatic, 0 not printed.
constexpr int kMaxPrintedColumnWidth = 100;
// Spacing of the simple list table, in dots; -1 writes no attribute.
constexpr int kMaxTableSpacing = 64;

void Clamp(int& value, int low, int high)
{
    value = std::clamp(value, low, high);
}

void ClampFont(HeaderFooterSettings& band)
{
    Clamp(band.fontSize, kMinFontSize, kMaxFontSize);
}

} // namespace

void CListSettingLimits::Apply(CZantobyDoc& doc)
{
    for (int i = 0; i < kMaxColumns; ++i) {
        Clamp(doc.GetColumn(i).width, 0, kMaxColumnWidth);
    }
    Clamp(doc.lockedColumns, 0, std::clamp(doc.columnCount, 0, kMaxColumns));

    PhotoSizeSettings& sizes = doc.photoSizes;
    Clamp(sizes.standardSize, 100, 1280);
    Clamp(sizes.standardPercent, 0, 100);
    Clamp(sizes.thumbnailSize, 20, 120);

    PrintSettings& print = doc.print;
    Clamp(print.listScale, 10, 100);
    Clamp(print.photosPerLine, 1, kMaxPhotosPerRow);
    Clamp(print.listFontSize, kMinFontSize, kMaxFontSize);
    Clamp(print.sheetFontSize, kMinFontSize, kMaxFontSize);
    Clamp(print.captionFontSize, kMinFontSize, kMaxFontSize);
    Clamp(print.listPhotoSize, 80, 500);
    Clamp(print.sheetPhotoSize, 200, 1000);
    for (HeaderFooterSettings* band : {&print.listHeader, &print.listFooter, &print.pageHeader, &print.pageFooter}) {
        ClampFont(*band);
    }
    for (int& margin : print.margins) {
        Clamp(margin, kMinMargin, kMaxMargin);
    }
    for (auto& pair : print.columnPairs) {
        Clamp(pair[PrintSettings::kListWidth], -1, kMaxPrintedColumnWidth);
    }

    WebOutputSettings& web = doc.web;
    Clamp(web.rowCount, 0, 100);
    WebListStyle& style = web.style;
    Clamp(style.listWidth, 0, 2048);
    for (int* spacing : {&style.cellSpace, &style.cellBlank, &style.borderWidth}) {
        Clamp(*spacing, -1, kMaxTableSpacing);
    }
    Clamp(style.photoMaxCount, 0, kMaxPhotosPerRow);
    Clamp(style.photoWrapCount, 0, kMaxPhotosPerRow);
    Clamp(style.photoBlankX, 0, kMaxTableSpacing);
    Clamp(style.photoBlankY, 0, kMaxTableSpacing);
}
