#include "shell/ui/ResourceBitmaps.h"

#include "platform/Bitmap.h"
#include "platform/ui/WxBitmap.h"
#include "res/images/BitmapArt.h"
#include "res/images/IconPainter.h"
#include "res/images/ToolbarArt.h"

#include <wx/icon.h>

wxBitmap CResourceBitmaps::FromImage(const Bitmap& image)
{
    return ToWxBitmap(image, CIconPainter::kTransparent);
}

wxBitmap CResourceBitmaps::GetToolbarImage(int toolbarId, int index)
{
    return FromImage(CToolbarArt::DrawImage(toolbarId, index));
}

wxBitmap CResourceBitmaps::GetBitmap(int bitmapId)
{
    return FromImage(CBitmapArt::Draw(bitmapId));
}

wxIconBundle CResourceBitmaps::GetProgramIcons()
{
    wxIconBundle icons;
    for (int size : {16, 32, 48}) {
        wxIcon icon;
        icon.CopyFromBitmap(FromImage(CBitmapArt::DrawIcon(size)));
        icons.AddIcon(icon);
    }
    return icons;
}
