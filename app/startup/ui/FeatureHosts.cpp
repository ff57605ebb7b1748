#include "app/ui/FeatureHosts.h"

#include "app/ui/EditorHost.h"
#include "app/ui/EditorWindowHost.h"
#include "app/ui/PhotoPropertiesHook.h"
#include "photo/ui/DrawPropertyDialogs.h"
#include "photo/ui/EditorServices.h"

void CFeatureHosts::Install()
{
    static CEditorHost host;
    static CEditorWindowHost windows;
    CEditorServices::Install(host, windows);
    CPhotoPropertiesHook::Set(&CDrawPropertyDialogs::EditListPhoto);
}
