#include "list/bench/WholeDecodeRegistration.h"

#include "foundation/BitmapEx.h"
#include "foundation/FileUtility.h"
#include "list/ListDrawingHost.h"
#include "list/PhotoRenderer.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawingData.h"

int RegisterWholeDecoded(CZantobyDoc& doc, const CString& source, const CString& drawing)
{
    const int slot = doc.AllocPhotoRecord();
    auto path = [&](CListPhotos::FileKind kind) { return doc.GetPhotoFilePath(slot, kind, true); };
    if (slot < 0 || !CopySingleFile(source, path(CListPhotos::kOriginal)) ||
        (!drawing.IsEmpty() && !CopySingleFile(drawing, path(CListPhotos::kDrawing)))) {
        return -1;
    }
    doc.GetPhoto(slot).flatFiles = true;
    CBitmapEx image;
    if (!image.LoadJpeg(path(CListPhotos::kOriginal))) {
        return -1;
    }
    CRect frame(0, 0, image.Width(), image.Height());
    CDrawingData data;
    CListDrawingHost host(doc.Host());
    CString error;
    if (data.Read(path(CListPhotos::kDrawing), host) &&
        !CPhotoRenderer::ApplyDrawing(image, data, frame, error)) {
        return -1;
    }
    doc.GetPhoto(slot).width = frame.Width();
    doc.GetPhoto(slot).height = frame.Height();
    const CPhotoRenderer renderer(doc.photoSizes);
    return renderer.WriteImages(image, frame, path(CListPhotos::kStandard), path(CListPhotos::kThumbnail),
                                error)
               ? slot
               : -1;
}
