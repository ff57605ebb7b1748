#include "res/images/BitmapArt.h"

#include "res/images/IconPainter.h"

#include "platform/canvas/LogFont.h"

#include <array>

namespace {

constexpr std::array<COLORREF, 8> kSwatchColors = {RGB(0, 0, 0),     RGB(255, 0, 0),    RGB(0, 128, 0),
                                                   RGB(255, 255, 0), RGB(0, 0, 255),    RGB(255, 0, 255),
                                                   RGB(0, 255, 255), RGB(255, 255, 255)};

Bitmap ColorSwatch(COLORREF color)
{
    Bitmap image = CIconPainter::MakeTransparent(16, 16);
    CIconPainter(image).Box(CRect(1, 2, 15, 14), CIconPainter::kGrey, color);
    return image;
}

Bitmap WidthSwatch(int width)
{
    Bitmap image;
    image.Create(CBitmapArt::kSwatchWidth, CBitmapArt::kSwatchHeight, 32);
    CIconPainter painter(image);
    painter.Fill(CRect(0, 0, CBitmapArt::kSwatchWidth, CBitmapArt::kSwatchHeight), RGB(255, 255, 255));
    const int middle = CBitmapArt::kSwatchHeight / 2;
    if (width == 0) {
        // No line: a faint dotted trace where the line would be.
        for (int x = 4; x < CBitmapArt::kSwatchWidth - 4; x += 3) {
            painter.Pixel(x, middle, CIconPainter::kLight);
        }
        return image;
    }
    const int top = middle - width / 2;
    painter.Fill(CRect(4, top, CBitmapArt::kSwatchWidth - 4, top + width), RGB(0, 0, 0));
    return image;
}

Bitmap TransparentPattern()
{
    Bitmap image;
    image.Create(CBitmapArt::kSwatchWidth, CBitmapArt::kSwatchHeight, 32);
    CIconPainter painter(image);
    for (int y = 0; y < CBitmapArt::kSwatchHeight; y += 4) {
        for (int x = 0; x < CBitmapArt::kSwatchWidth; x += 4) {
            const bool dark = ((x + y) / 4) % 2 != 0;
            painter.Fill(CRect(x, y, x + 4, y + 4), dark ? RGB(204, 204, 204) : RGB(255, 255, 255));
        }
    }
    return image;
}

Bitmap Splash()
{
    constexpr int width = 246;
    constexpr int height = 126;
    Bitmap image;
    image.Create(width, height, 32);
    CIconPainter painter(image);
    for (int y = 0; y < height; ++y) {
        const int shade = 40 + 90 * y / height;
        painter.Fill(CRect(0, y, width, y + 1), RGB(shade / 2, shade, 80 + shade));
    }
    // A row of photos along the bottom, as in a list.
    for (int i = 0; i < 5; ++i) {
        painter.Photo(CRect(14 + 46 * i, 82, 52 + 46 * i, 112));
    }
    Canvas& canvas = painter.GetCanvas();
    canvas.SetBkMode(TRANSPARENT);
    LogFont font;
    font.faceName = "Arial Black";
    font.height = 40;
    font.weight = FW_BOLD;
    canvas.SelectFont(font);
    canvas.SetTextColor(RGB(255, 255, 255));
    CRect title(0, 18, width, 66);
    canvas.DrawText("Zantoby", title, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    painter.Frame(CRect(0, 0, width, height), RGB(20, 30, 70));
    return image;
}

Bitmap MoveArrow(bool up)
{
    Bitmap image = CIconPainter::MakeTransparent(16, 16);
    CIconPainter painter(image);
    if (up) {
        painter.Polygon({{8, 2}, {14, 9}, {2, 9}}, CIconPainter::kBlue, CIconPainter::kBlue);
        painter.Fill(CRect(6, 9, 11, 14), CIconPainter::kBlue);
    } else {
        painter.Polygon({{8, 13}, {14, 6}, {2, 6}}, CIconPainter::kBlue, CIconPainter::kBlue);
        painter.Fill(CRect(6, 1, 11, 6), CIconPainter::kBlue);
    }
    return image;
}

// A navigator picture: a sheet of a list on a light ground, with a pencil (a list made by
// hand) or a folder (a file to choose) over it.
Bitmap NavigatorPicture(bool chooseFile)
{
    constexpr int size = 96;
    Bitmap image;
    image.Create(size, size, 32);
    CIconPainter painter(image);
    painter.Fill(CRect(0, 0, size, size), RGB(236, 236, 236));
    painter.Page(CRect(18, 10, 70, 80));
    painter.Rows(CRect(24, 22, 64, 70), 8);
    if (chooseFile) {
        painter.Folder(56, 62);
        painter.Magnifier(72, 28);
    } else {
        painter.Line(78, 14, 52, 66, CIconPainter::kYellow, 6);
        painter.Line(52, 66, 49, 74, CIconPainter::kInk, 2);
    }
    return image;
}

} // namespace

COLORREF CBitmapArt::GetSwatchColor(int bitmapId)
{
    if (bitmapId < kFirstColorSwatch || bitmapId > kLastColorSwatch) {
        return kDefaultColor;
    }
    return kSwatchColors[static_cast<size_t>(bitmapId - kFirstColorSwatch)];
}

Bitmap CBitmapArt::Draw(int bitmapId)
{
    if (bitmapId >= kFirstColorSwatch && bitmapId <= kLastColorSwatch) {
        return ColorSwatch(GetSwatchColor(bitmapId));
    }
    if (bitmapId >= kFirstWidthSwatch && bitmapId <= kLastWidthSwatch) {
        return WidthSwatch(bitmapId - kFirstWidthSwatch);
    }
    switch (bitmapId) {
    case kTransparentPattern:
        return TransparentPattern();
    case kSplash:
    case kAboutPicture:
        return Splash();
    case kMoveDown:
    case kMoveUp:
        return MoveArrow(bitmapId == kMoveUp);
    case kManualList:
    case kChooseFile:
        return NavigatorPicture(bitmapId == kChooseFile);
    case kProgramIcon:
        return DrawIcon(32);
    default:
        return Bitmap();
    }
}

Bitmap CBitmapArt::DrawIcon(int size)
{
    // A list sheet with a heading row and a photo in its first row, drawn on a 32 x 32 grid and
    // scaled to the size asked for.
    Bitmap large = CIconPainter::MakeTransparent(32, 32);
    CIconPainter painter(large);
    painter.Box(CRect(2, 3, 30, 29), CIconPainter::kInk, CIconPainter::kPaper);
    painter.Fill(CRect(3, 4, 29, 9), CIconPainter::kBlue);
    for (int y = 15; y < 29; y += 6) {
        painter.Line(3, y, 28, y, CIconPainter::kLight);
    }
    painter.Line(13, 9, 13, 28, CIconPainter::kLight);
    painter.Photo(CRect(4, 10, 12, 16));
    painter.Photo(CRect(4, 17, 12, 22));
    painter.Photo(CRect(4, 23, 12, 28));
    for (int y = 12; y < 27; y += 6) {
        painter.Line(15, y, 26, y, CIconPainter::kGrey);
    }
    if (size == 32) {
        return large;
    }
    Bitmap scaled = CIconPainter::MakeTransparent(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            scaled.Row(y)[x] = large.Row(y * 32 / size)[x * 32 / size];
        }
    }
    return scaled;
}
