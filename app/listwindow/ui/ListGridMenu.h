#pragma once

class CListGrid;
class wxMenu;

// The list grid's context menus: the commands each part of the grid (cells, photo cells,
// headings, corner) offers, enabled as the list allows, and where each chosen command goes.
class CListGridMenu
{
  public:
    explicit CListGridMenu(CListGrid& grid) : m_grid(grid) {}

    // Fills the grid's popup menu for a press in a section; 0 when no menu shows.
    int Start(int column, int row, int section);
    void Command(int column, int row, int section, unsigned int id);

  private:
    static void AddItem(wxMenu& menu, int id, const char* text, bool enabled);

    CListGrid& m_grid;
};
