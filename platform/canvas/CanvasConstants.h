#pragma once

#include "platform/Geometry.h"

// The numbers of the drawing calls the program was written against, so that drawing code reads as
// it was designed and stored codes keep their meaning.

// Pen styles. A pen wider than one device pixel always draws solid.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

// Raster operations of pens and brushes
constexpr int R2_NOT = 6;
constexpr int R2_COPYPEN = 13;

// Background modes of text
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Polygon fill modes
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// Stretch modes of scaled blits: COLORONCOLOR picks the nearest pixel, HALFTONE averages areas.
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

// Mapping modes: pixels with y downwards, or 0.1 mm with y upwards.
constexpr int MM_TEXT = 1;
constexpr int MM_LOMETRIC = 2;

// Font weights
constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// Text alignment of TextOut and ExtTextOut
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

// ExtTextOut options
constexpr unsigned ETO_OPAQUE = 0x2;
constexpr unsigned ETO_CLIPPED = 0x4;

// DrawText formats. DT_VCENTER and DT_BOTTOM act only together with DT_SINGLELINE.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// DrawEdge: the outer and inner borders, and the sides to draw
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_ADJUST = 0x2000;

// GetPixel outside the surface or on a surface that cannot be read
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
