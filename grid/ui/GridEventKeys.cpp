#include "grid/ui/GridEventKeys.h"

#include <wx/event.h>

namespace {

const wxKeyboardState* g_current = nullptr;

} // namespace

CGridEventKeys::CGridEventKeys(const wxEvent& event) : m_previous(g_current)
{
    if (const auto* keys = dynamic_cast<const wxKeyboardState*>(&event)) {
        g_current = keys;
    }
}

CGridEventKeys::~CGridEventKeys()
{
    g_current = m_previous;
}

const wxKeyboardState* CGridEventKeys::Current()
{
    return g_current;
}
