#include "photo/ui/EditorServices.h"

#include <cassert>

namespace {

IPhotoEditorHost* s_host = nullptr;
IEditorWindowHost* s_windows = nullptr;

} // namespace

void CEditorServices::Install(IPhotoEditorHost& host, IEditorWindowHost& windows)
{
    s_host = &host;
    s_windows = &windows;
}

IPhotoEditorHost& CEditorServices::Host()
{
    assert(s_host != nullptr);
    return *s_host;
}

IEditorWindowHost& CEditorServices::Windows()
{
    assert(s_windows != nullptr);
    return *s_windows;
}
