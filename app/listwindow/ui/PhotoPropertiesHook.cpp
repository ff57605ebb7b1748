#include "app/listwindow/ui/PhotoPropertiesHook.h"

namespace {

constinit CPhotoPropertiesHook::Handler s_handler = nullptr;

} // namespace

void CPhotoPropertiesHook::Set(Handler handler)
{
    s_handler = handler;
}

bool CPhotoPropertiesHook::IsSet()
{
    return s_handler != nullptr;
}

void CPhotoPropertiesHook::Run(wxWindow* parent, CZantobyDoc& list, int photo)
{
    if (s_handler != nullptr) {
        s_handler(parent, list, photo);
    }
}
