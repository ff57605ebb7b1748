#include "list/PhotoRenderer.h"

#include "list/drawing/DrawingData.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/ImageOps.h"

#include <algorithm>
#include <utility>

namespace {

// A plain copy when the sizes agree, else the exact area average.
Bitmap Resample(const Bitmap& source, int reduction, const CRect& from, CSize size)
{
    if (reduction == 1 && from.Size() == size) {
        return ImageOps::Crop(source, from);
    }
    return ImageOps::AreaAverage(source, reduction, from, size.cx, size.cy);
}

bool SaveJpeg(const Bitmap& image, const CString& path, CString& error)
{
    CBitmapEx file;
    static_cast<Bitmap&>(file) = image;
    if (!file.WriteJpeg(path, CPhotoRenderer::kJpegQuality)) {
        error.Format("写真ﾌｧｲﾙを保存できません\n\n%s", path.GetString());
        return false;
    }
    return true;
}

} // namespace

CSize CPhotoRenderer::LimitSize(int width, int height, int limit, int percent) const
{
    bool byWidth = m_sizes.shortSide && width < height;
    int limited = byWidth ? width : height;
    CSize size(width, height);
    if (limit < MulDiv(limited, percent, 100)) {
        size = CSize(MulDiv(width, percent, 100), MulDiv(height, percent, 100));
    } else if (limit < limited) {
        size =
            byWidth ? CSize(limit, MulDiv(height, limit, width)) : CSize(MulDiv(width, limit, height), limit);
    }
    // A very narrow photo would otherwise lose its short side altogether.
    return CSize(std::max(size.cx, 1), std::max(size.cy, 1));
}

CSize CPhotoRenderer::StandardSize(int width, int height) const
{
    return LimitSize(width, height, m_sizes.standardSize, m_sizes.standardPercent);
}

CSize CPhotoRenderer::ThumbnailSize(int width, int height) const
{
    return LimitSize(width, height, m_sizes.thumbnailSize, 0);
}

int CPhotoRenderer::ChooseReduction(CSize photo, const CRect& frame) const
{
    const CSize standard = StandardSize(frame.Width(), frame.Height());
    const int largest = std::min(frame.Width() / standard.cx, frame.Height() / standard.cy);
    return CBitmapEx::ChooseJpegReduction(photo, largest);
}

bool CPhotoRenderer::ApplyDrawing(CBitmapEx& image, const CDrawingData& drawing, CRect& frame, CString& error,
                                  int reduction)
{
    if (drawing.mirrorVert) {
        ImageOps::FlipHorizontal(image);
    }
    if (drawing.mirrorHorz) {
        ImageOps::FlipVertical(image);
    }
    int turns = CDrawShape::NormalizeQuarterTurns(drawing.rot);
    if (turns != 0) {
        Bitmap turned = ImageOps::Rotate(image, turns);
        if (turned.IsEmpty()) {
            error = "ﾋﾞｯﾄﾏｯﾌﾟを回転または反転できません";
            return false;
        }
        static_cast<Bitmap&>(image) = std::move(turned);
    }
    image.AdjustColors({drawing.bright, drawing.shade, drawing.red, drawing.green, drawing.blue});
    if (drawing.shapes.GetSize() > 0) {
        Canvas dc(image, reduction);
        if (!dc.IsValid()) {
            error = "ﾋﾞｯﾄﾏｯﾌﾟをDIBにｺﾋﾟｰできません";
            return false;
        }
        drawing.shapes.DrawAll(dc);
    }
    frame = drawing.GetCropRect(CRect(0, 0, image.Width() * reduction, image.Height() * reduction));
    return true;
}

bool CPhotoRenderer::WriteImages(const Bitmap& rendering, const CRect& frame, const CString& standardPath,
                                 const CString& thumbnailPath, CString& error, int reduction) const
{
    Bitmap standard = Resample(rendering, reduction, frame, StandardSize(frame.Width(), frame.Height()));
    if (standard.IsEmpty()) {
        error = "標準ｻｲｽﾞのﾋﾞｯﾄﾏｯﾌﾟを作成できません";
        return false;
    }
    if (!SaveJpeg(standard, standardPath, error)) {
        return false;
    }
    // The thumbnail comes from the standard image, which is far cheaper than the photo.
    Bitmap thumbnail = Resample(standard, 1, CRect(0, 0, standard.Width(), standard.Height()),
                                ThumbnailSize(frame.Width(), frame.Height()));
    if (thumbnail.IsEmpty()) {
        error = "ｻﾑﾈｰﾙのﾋﾞｯﾄﾏｯﾌﾟを作成できません";
        return false;
    }
    return SaveJpeg(thumbnail, thumbnailPath, error);
}
