#pragma once

#include "platform/Geometry.h"

class CCellGridCore;

// Where the pointer stands for sizing and dragging: the edges of the selection block in the cell
// area and the sizing edges of the headings and the corner button. Coordinates are those of the
// part concerned.
class CGridHitZones
{
  public:
    // How near (pixels) the pointer must be to a column or row edge of a heading.
    static constexpr int kEdgeReach = 2;
    // Depth of the selection block's edge zone.
    static constexpr int kBlockEdgeDepth = 7;
    // Depth of the corner button's sizing edges.
    static constexpr int kCornerEdgeDepth = 4;

    enum class Block
    {
        None,
        Edge,
        Corner
    };
    // The pointer against the selection's first block: within kBlockEdgeDepth inside an edge,
    // or of the bottom-right corner (which wins).
    static Block BlockZone(const CRect& block, CPoint point);

    enum class Sizing
    {
        None,
        Column,        // a column's width (top heading)
        HeadingRow,    // a top heading row's height
        Row,           // a row's height (side heading)
        HeadingColumn, // a side heading column's width
    };
    struct Hit
    {
        Sizing mode = Sizing::None;
        int index = 0; // the column, row, heading row or heading column
    };
    // The top heading: column edges first (within the cell area's width), then heading rows.
    static Hit TopHeading(CCellGridCore& grid, CPoint point);
    // The side heading: heading column edges first, then row edges.
    static Hit SideHeading(CCellGridCore& grid, CPoint point);

    // The heading cell under a point of the top (GridSection::TopHeading) or side heading, with
    // its rectangle (the whole join when joined); false off the cells.
    static bool HeadingCell(CCellGridCore& grid, int section, CPoint point, int& column, int& row,
                            CRect& rect);

    // The corner button's sizing edges: width when the pointer is within its right kCornerEdgeDepth
    // pixels, else height within its bottom ones (each only when the grid allows it).
    enum Corner
    {
        CornerNone = 0,
        CornerWidth = 1,
        CornerHeight = 2
    };
    static int CornerZone(CCellGridCore& grid, CSize corner, CPoint point);
};
