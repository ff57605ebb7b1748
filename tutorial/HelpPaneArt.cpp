#include "tutorial/HelpPaneArt.h"

#include "res/images/IconPainter.h"

Bitmap CHelpPaneArt::DrawButton(int position)
{
    if (position < 0 || position >= kImageCount) {
        return Bitmap();
    }
    Bitmap image = CIconPainter::MakeTransparent(kImageSize, kImageSize);
    CIconPainter paint(image);
    switch (position) {
    case 0: // home
        paint.Polygon({{10, 2}, {18, 10}, {2, 10}}, CIconPainter::kInk, CIconPainter::kRed);
        paint.Box(CRect(4, 10, 17, 18), CIconPainter::kInk, CIconPainter::kPaper);
        paint.Fill(CRect(9, 13, 12, 18), CIconPainter::kBrown);
        break;
    case 1: // back
        paint.Polygon({{2, 10}, {9, 3}, {9, 7}, {17, 7}, {17, 13}, {9, 13}, {9, 17}}, CIconPainter::kInk,
                      CIconPainter::kBlue);
        break;
    case 2: // forward
        paint.Polygon({{17, 10}, {10, 3}, {10, 7}, {2, 7}, {2, 13}, {10, 13}, {10, 17}}, CIconPainter::kInk,
                      CIconPainter::kBlue);
        break;
    case 3: // print
        paint.Printer(CRect(2, 3, 18, 17));
        break;
    default: // close
        paint.Cross(4, 4, 12, CIconPainter::kRed);
        break;
    }
    return image;
}
