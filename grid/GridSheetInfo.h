#pragma once

#include "grid/CellRecord.h"
#include "grid/GridPartRects.h"
#include "grid/GridPtrList.h"
#include "grid/MemoryDataSource.h"
#include "grid/MultiSelection.h"
#include "platform/Geometry.h"

#include <vector>

struct LogFont;

class CCellDataSource;
class CGridEditWindow;

// One complete table of a grid: its columns and rows with their sizes, the scroll position, the
// current cell, the selection, its own in-memory cells and its display settings. The grid keeps
// the fields consistent; owners read them and change the behaviour settings directly.
class CGridSheetInfo
{
  public:
    struct Column
    {
        int width = 75;
        CCellDataSource* dataSource = nullptr;
        CCellRecord defaultCell;
        int dataSourceId = 0;
    };

    CGridSheetInfo();
    CGridSheetInfo(const CGridSheetInfo&) = delete;
    CGridSheetInfo& operator=(const CGridSheetInfo&) = delete;
    virtual ~CGridSheetInfo() = default;

    // Columns and horizontal position
    int colCount = 0;
    int currentColumn = -1;
    int previousColumn = -1;
    int leftColumn = 0;
    int previousLeftColumn = 0;
    int maxLeftColumn = 0;
    int defaultColumnWidth = 75;
    int lastVisibleColumn = 0;
    int cursorColumn = -1;
    std::vector<Column> columns;

    // Rows and vertical position; rowHeights is empty while heights are uniform
    int rowCount = 0;
    int currentRow = -1;
    int previousRow = -1;
    int topRow = 0;
    int previousTopRow = 0;
    int maxTopRow = 0;
    std::vector<int> rowHeights;
    int defaultRowHeight = 20;
    int uniformRowHeight = 0;
    int lastVisibleRow = 0;
    int cursorRow = -1;

    // Headings: heading row -1 is topHeadingHeights[0], -2 the next, and so on upwards; side
    // heading column -1 is sideHeadingWidths[0], -2 the next, leftwards
    std::vector<int> topHeadingHeights{20};
    std::vector<int> sideHeadingWidths{40};
    CCellRecord columnTemplate;
    CCellRecord headingDefault;
    int topHeadingHeight = 20;
    int sideHeadingWidth = 40;

    // Layout
    int vScrollBarWidth;
    int hScrollBarHeight;
    int tabBarWidth = 0;
    int areaWidth = 0;
    int areaHeight = 0;
    CGridPartRects parts;

    // Behaviour settings
    int wholeRowSelection = 0;
    int multipleSelection = 0;
    int optionBits = 1;
    int frame3dWidth = 1;
    int textMargin = 4;
    int gridLines = 1;
    int popupMenuEnabled = 0;
    int tips = 0;
    int vScrollHint = 0;
    int hScrollHint = 0;
    // Sizing by dragging heading edges: 0 none, 1 with an outline marker, else live.
    int headingResize = 1;
    // Column headings may be dragged to move their columns.
    int columnDragging = 0;
    // A double click on a column edge fits the column to its cells.
    int fitOnDoubleClick = 1;
    int joinsEnabled = 1;
    int textOverflow = 1;
    // Thumb modes of the scroll bars: 1 scrolls while the thumb is dragged; the vertical bar's 2
    // keeps the thumb in the middle of three positions.
    int vLiveScroll = 0;
    int hLiveScroll = 0;
    int autoScrollPower = 0;
    int autoScrollDelay = 200;
    int repeatDivisor = 0;
    int repeatDelay = 0;
    int lockedColumns = 0;
    int lockedRows = 0;
    int lockedWidth = 0;
    int lockedHeight = 0;
    const LogFont* defaultFont = nullptr;
    CCellDataSource* dataSource = nullptr;
    CMemoryDataSource memoryDataSource;
    int selectionTrigger = 0;
    unsigned int triggerKeyFlags = 0;
    CMultiSelection selection;
    CGridEditWindow* editWindow = nullptr;
    CGridEditWindow* maskedEditWindow = nullptr;
    CGridPtrList pointers;
    COLORREF gridLineColor = RGB(220, 220, 220);
    int floatingPlacement = 0;
    int cancelOnFocusLoss = 0;
    int clipRowFrame = 1;

    // Height of a row, heading rows (negative) included; 0 outside.
    int RowHeight(int row) const;
    // Width of a column, side heading columns (negative) included; 0 outside.
    int ColumnWidth(int column) const;
    int TopHeadingRowCount() const { return static_cast<int>(topHeadingHeights.size()); }
    int SideHeadingColumnCount() const { return static_cast<int>(sideHeadingWidths.size()); }
};
