#pragma once

#include "list/drawing/IDrawingHost.h"

class CDrawArea;
class CDrawBox;
class CDrawEllipse;
class CDrawFreeLine;
class CDrawGroup;
class CDrawLine;
class CDrawPolygon;
class CDrawShade;
class CDrawText;

// The property dialogs of the shapes, which the photo editor's document provides. Each runs its
// dialog modally over the shape and returns true when it ended with OK, after writing the edited
// values into the shape; a cancelled dialog changes nothing. A failure may be thrown; the shape
// reports it through the host.
class IDrawPropertyDialogs : public IDrawingHost
{
  public:
    virtual bool EditArea(CDrawArea& area) = 0;
    virtual bool EditBox(CDrawBox& box) = 0;
    virtual bool EditEllipse(CDrawEllipse& ellipse) = 0;
    virtual bool EditPolygon(CDrawPolygon& polygon) = 0;
    virtual bool EditLine(CDrawLine& line) = 0;
    virtual bool EditFreeLine(CDrawFreeLine& freeLine) = 0;
    virtual bool EditShade(CDrawShade& shade) = 0;
    virtual bool EditText(CDrawText& text) = 0;
    virtual bool EditGroup(CDrawGroup& group) = 0;
};
