#pragma once

struct ListFindSettings;
class CListGrid;

// Find next in the list grid: the next cell after the document's current one whose text (a photo
// cell's: its photo's name) matches the find settings becomes the current cell, alone selected.
class CListGridFind
{
  public:
    explicit CListGridFind(CListGrid& grid) : m_grid(grid) {}

    void FindNext();

  private:
    // The settings of find next: the application's find dialog's, shared by every list window.
    static ListFindSettings& Settings();

    CListGrid& m_grid;
};
