#pragma once

#include "platform/Arrays.h"
#include "platform/Geometry.h"

struct LogFont;
class CDropListCellType;

// The pop-down list of a drop-list cell as the cell type drives it; the window layer's list box
// implements it and reports back through the type's Choose and ListClosed.
class CGridDropListWindow
{
  public:
    virtual ~CGridDropListWindow() = default;

    // Shows the choices over rect (cell area coordinates) on the line current (-1: none of
    // them) and gives the list the focus; false when the list cannot be shown.
    virtual bool OpenList(CDropListCellType& type, const CRect& rect, const LogFont* font,
                          const CStringArray& choices, int current) = 0;
    // Closes the list without a choice.
    virtual void CloseList() = 0;
    virtual bool IsListOpen() const = 0;
    // Height in pixels of one line of the list with the font (null: the list's own font), which
    // the list widget may make taller than the font.
    virtual int GetLineHeight(const LogFont* font) = 0;
};
