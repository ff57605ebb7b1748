#pragma once

class wxWindow;

// What the frame of a list window asks of the list window it shows: the two panes of its
// splitter, the grid above and the photo strip below.
class IListPanes
{
  public:
    virtual ~IListPanes() = default;

    // Makes both panes as children of parent; false when a pane could not be made.
    virtual bool CreatePanes(wxWindow* parent, wxWindow*& upper, wxWindow*& lower) = 0;
};
