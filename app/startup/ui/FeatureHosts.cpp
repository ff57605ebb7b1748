#include "app/startup/ui/FeatureHosts.h"

#include "app/listwindow/ui/PhotoPropertiesHook.h"
#include "app/startup/ui/EditorHost.h"
#include "app/startup/ui/EditorWindowHost.h"
#include "photo/ui/DrawPropertyDialogs.h"
#include "photo/ui/EditorServices.h"

void CFeatureHosts::Install()
{
    static CEditorHost host;
    static CEditorWindowHost windows;
    CEditorServices::Install(host, windows);
    CPhotoPropertiesHook::Set(&CDrawPropertyDialogs::EditListPhoto);
}
