#pragma once

#include <wx/docmdi.h>

class IListPanes;
class wxSplitterWindow;

// The window of one open list inside the main window: a splitter with the grid above the strip
// of the current row's photos, its tab titled with the list's file name and its full path as the
// tab's tip, always shown maximised, with the list menus.
class CZantobyFrame : public wxDocMDIChildFrame
{
  public:
    static constexpr int kSplitterId = 0xE900;
    static constexpr int kMinimumPaneHeight = 20;

    CZantobyFrame(wxDocument* doc, wxView* view, wxMDIParentFrame* parent);
    ~CZantobyFrame() override;

    // A drag in the list ends as its window closes.
    bool Destroy() override;

    // The splitter with the list window's grid above and its photo strip below; false when a
    // pane could not be made.
    bool CreateClient(IListPanes& panes);
    wxSplitterWindow* Splitter() const { return m_splitter; }

    // The grid pane's height; the splitter keeps it within the window, and a height asked for
    // before the window has its size is applied once it has.
    void SetGridPaneHeight(int height);
    // -1 when the photo pane has no height.
    int GetGridPaneHeight() const;

    // The tab's title and tip from the list's path.
    void UpdateTitle();

  private:
    void OnSplitterSize(wxSizeEvent& event);

    wxSplitterWindow* m_splitter = nullptr;
    int m_pendingHeight = -1;
};
