#pragma once

#include "grid/OleDataObject.h"

#include <memory>
#include <wx/dnd.h>

class CCellGrid;
class wxDataObjectComposite;
class wxTimer;

// Lets the cell area accept drags: every drag event becomes a notification of the grid with the
// cell under the pointer, so that the owner chooses the effect and performs the drop; a drag
// resting near an edge of the cell area scrolls the grid. It offers the program's private
// formats the grid was told of, file lists, images and text.
class CGridDropTarget : public wxDropTarget
{
  public:
    CGridDropTarget(CCellGrid& grid, const CStringArray& privateFormats);
    ~CGridDropTarget() override;

    wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult def) override;
    wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult def) override;
    bool OnDrop(wxCoord x, wxCoord y) override;
    wxDragResult OnData(wxCoord x, wxCoord y, wxDragResult def) override;
    void OnLeave() override;

    // One step of scrolling for a drag resting at a point of the cell area.
    void ScrollStep();
    // The effect of a notification's answer (0 none, 1 copy, 2 move).
    static wxDragResult ToDragResult(int effect);

  private:
    // The offered formats as the owner sees them during the drag.
    void OfferFormats();
    // The dropped contents.
    void ReadContents();
    bool CellAt(wxCoord x, wxCoord y, int& column, int& row) const;

    CCellGrid& m_grid;
    wxDataObjectComposite* m_composite;
    CStringArray m_privateFormats;
    COleDataObject m_data;
    wxPoint m_point;
    std::unique_ptr<wxTimer> m_scrollTimer;
};
