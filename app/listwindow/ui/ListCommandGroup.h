#pragma once

class CGridView;
class CListGrid;
class CZantobyDoc;

// What a group of a list window's menu commands acts on: the grid view, its grid and its list.
class CListCommandGroup
{
  protected:
    explicit CListCommandGroup(CGridView& view) : m_view(view) {}

    // Null once the list has closed.
    CListGrid* Grid() const;
    CZantobyDoc* List() const;
    // Both the grid and the list are there.
    bool HasList() const { return Grid() != nullptr && List() != nullptr; }

    CGridView& m_view;
};
