#include "app/editing/ui/RowDragSource.h"

#include <wx/utils.h>

bool CRowDragSource::GiveFeedback(wxDragResult)
{
    if (m_cursor.IsOk()) {
        wxSetCursor(m_cursor);
    }
    return true;
}
