#include "tutorial/TutorialPlacement.h"

CRect CTutorialPlacement::Place(const CRect& window, const CRect& workArea)
{
    const int width = window.Width();
    const int height = window.Height() * 3 / 2;
    // By the work area's edges, so that a panel on the left or at the top does not push the
    // window away from the corner.
    const int right = workArea.right - 20;
    const int bottom = workArea.bottom - 30;
    return CRect(right - width, bottom - height, right, bottom);
}
