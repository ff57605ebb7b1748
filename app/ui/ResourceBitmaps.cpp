#include "app/ui/ResourceBitmaps.h"

#include "platform/Bitmap.h"
#include "res/images/BitmapArt.h"
#include "res/images/IconPainter.h"
#include "res/images/ToolbarArt.h"

#include <wx/icon.h>
#include <wx/image.h>

wxBitmap CResourceBitmaps::FromImage(const Bitmap& image)
{
    if (image.IsEmpty()) {
        return wxNullBitmap;
    }
    wxImage picture(image.Width(), image.Height(), false);
    unsigned char* rgb = picture.GetData();
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Bitmap::Pixel pixel = image.GetPixel(x, y);
            *rgb++ = static_cast<unsigned char>(pixel >> 16);
            *rgb++ = static_cast<unsigned char>(pixel >> 8);
            *rgb++ = static_cast<unsigned char>(pixel);
        }
    }
    constexpr COLORREF key = CIconPainter::kTransparent;
    picture.SetMaskColour(GetRValue(key), GetGValue(key), GetBValue(key));
    // The mask becomes an alpha channel, which toolbars and menus draw reliably.
    picture.InitAlpha();
    return wxBitmap(picture);
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
