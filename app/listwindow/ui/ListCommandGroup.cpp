#include "app/listwindow/ui/ListCommandGroup.h"

#include "app/listwindow/ui/GridView.h"

CListGrid* CListCommandGroup::Grid() const
{
    return m_view.Grid();
}

CZantobyDoc* CListCommandGroup::List() const
{
    return m_view.ListDoc();
}
