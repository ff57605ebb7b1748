#include "list/reading/ListPageReader.h"

#include "list/ListFileFormat.h"
#include "list/ZantobyDoc.h"
#include "list/reading/ListFileLine.h"

void CListPageReader::Read()
{
    // The column lines, most of the section, are looked for first; no other key starts with "c".
    static const char* const patterns[] = {"c*",     "device*", "paper*",   "mode*",  "list*",  "lhead*",
                                           "lfoot*", "page*",   "quality*", "phead*", "pfoot*", "blank*"};
    PrintSettings& print = m_doc.print;
    switch (m_line.MatchKey(patterns)) {
    case 0: {
        int position = m_line.KeyNumber(1);
        if (position >= 0 && position < kMaxColumns) {
            print.columnPairs[position] = {m_line.Int(0), m_line.Int(1)};
        }
        break;
    }
    case 1:
        print.device = m_line.Field(0);
        break;
    case 2:
        print.paper = m_line.Int(0);
        print.orientation = m_line.FieldView(1) == "portrait" ? 1 : 2;
        break;
    case 4:
        print.listScale = m_line.Int(0);
        print.fitToWidth = m_line.Bool(1);
        print.listFont = m_line.Field(2);
        print.listFontSize = m_line.Int(3);
        if (m_line.version >= CListFileFormat::kVersionSevenListValues) {
            print.listPhotos = m_line.Bool(4);
            print.listPhotoSize = m_line.Int(5);
            print.photosPerLine = m_line.Int(6);
        } else {
            print.listPhotoSize = m_line.Int(4);
            if (m_line.FieldCount() >= 6) {
                print.photosPerLine = m_line.Int(5);
            }
        }
        break;
    case 5:
        ReadHeaderFooter(print.listHeader);
        break;
    case 6:
        ReadHeaderFooter(print.listFooter);
        break;
    case 7:
        print.sheetFont = m_line.Field(0);
        print.sheetFontSize = m_line.Int(1);
        print.sheetPhotoSize = m_line.Int(2);
        if (m_line.FieldCount() >= 4) {
            print.captionFont = m_line.Field(3);
            print.captionFontSize = m_line.Int(4);
        }
        break;
    case 8:
        print.highQuality = m_line.FieldView(0) == "high";
        break;
    case 9:
        ReadHeaderFooter(print.pageHeader);
        break;
    case 10:
        ReadHeaderFooter(print.pageFooter);
        break;
    case 11:
        for (int i = 0; i < 6; ++i) {
            print.margins[i] = m_line.Int(i);
        }
        break;
    default:
        break;
    }
}

void CListPageReader::ReadHeaderFooter(HeaderFooterSettings& settings)
{
    settings.shown = m_line.Bool(0);
    settings.text = m_line.Text(1);
    settings.align = CListFileFormat::ParseAlignment(m_line.FieldView(2));
    settings.fontName = m_line.Field(3);
    settings.fontSize = m_line.Int(4);
}
