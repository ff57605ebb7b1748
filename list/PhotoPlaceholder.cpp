#include "list/PhotoPlaceholder.h"

#include "platform/canvas/Canvas.h"

#include <algorithm>

void CPhotoPlaceholder::Draw(Bitmap& image, int height)
{
    const int h = std::max(height, 16);
    const int w = h * 4 / 3;
    image.Create(w, h, 24);
    Canvas dc(image);
    dc.FillRect(CRect(0, 0, w, h), RGB(236, 236, 236));
    dc.FrameRect(CRect(0, 0, w, h), RGB(150, 150, 150));

    // The picture: sky, sun and two hills inside a frame.
    const int m = h / 8;
    CRect picture(m, m, w - m, h - m);
    dc.FillRect(picture, RGB(198, 222, 244));
    dc.SelectPen({PS_NULL, 0, 0});
    dc.SelectBrush(Canvas::Brush::Solid(RGB(250, 196, 64)));
    int sun = picture.Height() / 4;
    dc.Ellipse(CRect(picture.right - 2 * sun, picture.top + sun / 2, picture.right - sun,
                     picture.top + sun * 3 / 2));
    const CPoint farHill[] = {{picture.left + picture.Width() / 3, picture.top + picture.Height() / 3},
                              {picture.right, picture.bottom - picture.Height() / 4},
                              {picture.right, picture.bottom},
                              {picture.left, picture.bottom}};
    dc.SelectBrush(Canvas::Brush::Solid(RGB(120, 168, 104)));
    dc.Polygon(farHill, 4);
    const CPoint nearHill[] = {{picture.left, picture.top + picture.Height() / 2},
                               {picture.left + picture.Width() / 2, picture.bottom - picture.Height() / 6},
                               {picture.right, picture.bottom},
                               {picture.left, picture.bottom}};
    dc.SelectBrush(Canvas::Brush::Solid(RGB(76, 128, 72)));
    dc.Polygon(nearHill, 4);
    dc.FrameRect(picture, RGB(110, 110, 110));

    // Crossed out: the photo itself is missing.
    dc.SelectPen({PS_SOLID, std::max(h / 16, 2), RGB(220, 40, 40)});
    dc.MoveTo(picture.left + m, picture.top + m);
    dc.LineTo(picture.right - m, picture.bottom - m);
    dc.MoveTo(picture.right - m, picture.top + m);
    dc.LineTo(picture.left + m, picture.bottom - m);
}
