#include "photo/ui/EditPhotoFrame.h"

#include "platform/ui/PointerCapture.h"
#include "shell/ui/MenuBuilder.h"
#include "shell/ui/ResourceBitmaps.h"

CEditPhotoFrame::CEditPhotoFrame(wxDocument* doc, wxView* view, wxMDIParentFrame* parent)
    : wxDocMDIChildFrame(doc, view, parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                         wxDEFAULT_FRAME_STYLE | wxMAXIMIZE)
{
    SetIcons(CResourceBitmaps::GetProgramIcons());
    SetMenuBar(CMenuBuilder::CreateMenuBar(IDR_EDITPHOTOTYPE));
}

bool CEditPhotoFrame::Destroy()
{
    PointerCapture::EndWithin(*this);
    return wxDocMDIChildFrame::Destroy();
}
