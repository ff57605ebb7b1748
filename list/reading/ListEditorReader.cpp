#include "list/reading/ListEditorReader.h"

#include "list/ListFileFormat.h"
#include "list/ZantobyDoc.h"
#include "list/reading/ListFileLine.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

void CListEditorReader::Read()
{
    static const char* const patterns[] = {
        "thumbnail*",      "photoview*", "cursor*",       "splity*",      "photosize*",
        "photoprecision*", "sort*",      "requirecheck*", "uniquecheck*", "gaijicheck*",
        "specialcheck*",   "kanacheck*", "filecheck*",    "backup*"};
    InputCheckSwitches& checks = m_doc.inputChecks;
    PhotoSizeSettings& sizes = m_doc.photoSizes;
    switch (m_line.MatchKey(patterns)) {
    case 2:
        // The grid returns to this cell, and it stays the cursor until the grid moves it.
        m_doc.focusColumn = m_doc.currentColumn = m_line.Int(0);
        m_doc.focusRow = m_doc.currentRow = m_line.Int(1);
        break;
    case 3:
        m_doc.splitterPosition = m_line.Int(0);
        break;
    case 4:
        sizes.standardSize = m_line.Int(0);
        if (m_line.version >= CListFileFormat::kVersionFourPhotoSizes) {
            sizes.standardPercent = m_line.Int(1);
            sizes.thumbnailSize = m_line.Int(2);
            sizes.shortSide = m_line.FieldView(3) == "shortside";
        } else if (m_line.version >= CListFileFormat::kVersionRequiredFlag) {
            sizes.standardPercent = 0;
            sizes.thumbnailSize = m_line.Int(1);
            sizes.shortSide = m_line.FieldView(2) == "shortside";
        } else {
            sizes.standardPercent = 0;
            sizes.thumbnailSize = 60;
            sizes.shortSide = false;
        }
        break;
    case 6:
        for (int i = 0; i < std::min(m_line.FieldCount(), kMaxColumns); ++i) {
            int column = m_line.Int(i);
            m_doc.sortKeys[i].column = column == INT_MIN ? INT_MAX : std::abs(column);
            m_doc.sortKeys[i].descending = m_line.FieldView(i).starts_with('-');
        }
        break;
    case 7:
        checks.required = m_line.Bool(0);
        break;
    case 8:
        checks.unique = m_line.Bool(0);
        break;
    case 9:
        checks.gaiji = m_line.Bool(0);
        break;
    case 10:
        checks.special = m_line.Bool(0);
        break;
    case 11:
        checks.kana = m_line.Bool(0);
        break;
    case 12:
        checks.files = m_line.Bool(0);
        break;
    case 13:
        m_doc.backupOn = m_line.Bool(0);
        m_doc.backupFolder = m_line.Text(1);
        break;
    default:
        break;
    }
}
