#include "photo/batch/SizeCheckGeometry.h"

CRect CSizeCheckGeometry::PictureRect(CSize client)
{
    int width = client.cx;
    int height = client.cy;
    if (width < height * 3 / 2) {
        height = width * 2 / 3;
    } else {
        width = height * 3 / 2;
    }
    return CRect(0, 0, width, height);
}

CRect CSizeCheckGeometry::RestRect(CSize client)
{
    const CRect picture = PictureRect(client);
    if (picture.right < client.cx) {
        return CRect(picture.right, 0, client.cx, client.cy);
    }
    return CRect(0, picture.bottom, client.cx, client.cy);
}
