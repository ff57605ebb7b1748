#include "app/frame/ToolbarChoice.h"

CToolbarChoice::Visibility CToolbarChoice::Choose(int kind, bool listStillOpen,
                                                  const Visibility& current) const
{
    Visibility shown = {false, false, false, false};
    switch (kind) {
    case kNoDocument:
        if (listStillOpen) {
            return current;
        }
        shown[kOpenBar] = m_wanted[kOpenBar];
        break;
    case kList:
        shown[kMainBar] = m_wanted[kMainBar];
        break;
    case kPhotoEditor:
        shown[kEditorBar] = m_wanted[kEditorBar];
        shown[kFormatBar] = m_wanted[kFormatBar];
        break;
    default:
        break;
    }
    return shown;
}
