#include "platform/ui/testing/ScreenPixels.h"

#include "platform/ui/WxBitmap.h"

#include <gdk/gdkx.h>
#include <wx/filename.h>
#include <wx/window.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>

Bitmap ScreenPixels::Of(wxWindow& window)
{
    Bitmap pixels;
    Display* display = gdk_x11_display_get_xdisplay(gdk_display_get_default());
    const wxSize size = window.GetClientSize();
    if (!window.IsShownOnScreen() || size.x <= 0 || size.y <= 0) {
        return pixels;
    }
    XSync(display, False);
    const wxPoint origin = window.ClientToScreen(wxPoint(0, 0));
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    const int width = std::min(size.x, screenWidth - origin.x);
    const int height = std::min(size.y, screenHeight - origin.y);
    if (origin.x < 0 || origin.y < 0 || width <= 0 || height <= 0) {
        return pixels;
    }
    XImage* image =
        XGetImage(display, DefaultRootWindow(display), origin.x, origin.y, static_cast<unsigned>(width),
                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr || !pixels.Create(width, height, 32)) {
        if (image != nullptr) {
            XDestroyImage(image);
        }
        return Bitmap();
    }
    for (int y = 0; y < height; ++y) {
        Bitmap::Pixel* row = pixels.Row(y);
        for (int x = 0; x < width; ++x) {
            row[x] = static_cast<Bitmap::Pixel>(XGetPixel(image, x, y) & 0xFFFFFF);
        }
    }
    XDestroyImage(image);
    return pixels;
}

long ScreenPixels::Differences(const Bitmap& shown, const Bitmap& expected, int* firstX, int* firstY)
{
    *firstX = *firstY = -1;
    if (shown.Width() != expected.Width() || shown.Height() != expected.Height()) {
        *firstX = *firstY = 0;
        return static_cast<long>(
            std::max(shown.Width() * shown.Height(), expected.Width() * expected.Height()));
    }
    long count = 0;
    for (int y = 0; y < shown.Height(); ++y) {
        const Bitmap::Pixel* a = shown.Row(y);
        const Bitmap::Pixel* b = expected.Row(y);
        for (int x = 0; x < shown.Width(); ++x) {
            if ((a[x] & 0xFFFFFF) != (b[x] & 0xFFFFFF)) {
                if (count++ == 0) {
                    *firstX = x;
                    *firstY = y;
                }
            }
        }
    }
    return count;
}

CString ScreenPixels::Save(const Bitmap& picture, const char* name)
{
    const char* folder = std::getenv("ZANTOBY_TEST_OUTPUT");
    if (folder == nullptr || picture.IsEmpty() ||
        !wxFileName::Mkdir(folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
        return CString();
    }
    const wxString path = wxString(folder) + "/" + name + ".png";
    if (!ToWxImage(picture).SaveFile(path, wxBITMAP_TYPE_PNG)) {
        return CString();
    }
    return CString(std::string(path.utf8_str()));
}
