#include "list/PhotoRegistration.h"

#include "foundation/AppBase.h"
#include "foundation/BitmapEx.h"
#include "foundation/FileUtility.h"
#include "list/PhotoRenderer.h"
#include "list/drawing/DrawingData.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <exception>
#include <filesystem>

namespace {

// A copied photo may come from a read-only medium; the list must be able to replace it later.
void MakeWritable(const CString& path)
{
    std::error_code error;
    std::filesystem::permissions(FileSystem::ToNative(path), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, error);
}

void RemoveFile(const CString& path)
{
    std::error_code error;
    std::filesystem::remove(FileSystem::ToNative(path), error);
}

} // namespace

void CPhotoRegistration::Fail(Outcome kind, int where)
{
    outcome = kind;
    line = where;
}

void CPhotoRegistration::Run()
{
    outcome = Outcome::kDone;
    size = CSize();
    try {
        if (!source.IsEmpty() && !CopyIn()) {
            return;
        }
        Render();
    } catch (const std::exception&) {
        Fail(Outcome::kException, __LINE__);
    }
}

bool CPhotoRegistration::CopyIn()
{
    errno = 0;
    if (!CopySingleFile(source, originalPath)) {
        reason = CAppBase::GetLastErrorText();
        Fail(Outcome::kNotCopied, __LINE__);
        return false;
    }
    MakeWritable(originalPath);
    if (drawingSource.IsEmpty()) {
        // A new photo without drawing data has none: an old file at either place must not apply.
        RemoveFile(otherDrawingPath);
        RemoveFile(drawingPath);
    } else if (CopySingleFile(drawingSource, drawingPath)) {
        MakeWritable(drawingPath);
    }
    return true;
}

bool CPhotoRegistration::TurnDrawing(CDrawingData& drawing, CSize photo)
{
    const int turns = CDrawShape::NormalizeQuarterTurns(drawing.rot);
    // The shapes lie on the photo as it is shown now.
    const CRect shown = turns % 2 == 0 ? CRect(0, 0, photo.cx, photo.cy) : CRect(0, 0, photo.cy, photo.cx);
    for (int i = 0; i < drawing.shapes.GetSize(); ++i) {
        drawing.shapes.GetShape(i)->Rotate(rotation, shown);
    }
    drawing.rot = CDrawShape::NormalizeQuarterTurns(turns + rotation);
    return drawing.Write(drawingPath, drawingReports);
}

void CPhotoRegistration::Render()
{
    JpegHeader header;
    if (!CBitmapEx::ReadJpegHeader(originalPath, header)) {
        Fail(Outcome::kUnreadable, __LINE__);
        return;
    }
    const CSize photo(header.width, header.height);
    CDrawingData drawing;
    const bool hasDrawing = drawing.Read(drawingPath, drawingReports);
    // A camera's orientation counts for a new photo that brings no drawing of its own: it
    // becomes the photo's first turn and mirror, kept like the user's own.
    if (!source.IsEmpty() && drawingSource.IsEmpty() && header.orientation != 1) {
        drawing.SetOrientation(header.orientation);
        if (!drawing.Write(drawingPath, drawingReports)) {
            Fail(Outcome::kReported, __LINE__);
            return;
        }
    }
    if (rotation != 0 && (!hasDrawing || !TurnDrawing(drawing, photo))) {
        // Without its drawing data the turn could not be kept; the failure was reported.
        Fail(Outcome::kReported, __LINE__);
        return;
    }

    const bool turned = hasDrawing && drawing.rot % 2 != 0;
    const CRect shown = turned ? CRect(0, 0, photo.cy, photo.cx) : CRect(0, 0, photo.cx, photo.cy);
    CRect frame = hasDrawing ? drawing.GetCropRect(shown) : shown;
    CPhotoRenderer renderer(sizes);
    const int reduction = renderer.ChooseReduction(photo, frame);
    if (!CBitmapEx::FitsInMemory(photo, reduction)) {
        Fail(Outcome::kTooLarge, __LINE__);
        return;
    }
    CBitmapEx image;
    if (!image.ReadJpeg(originalPath, reduction)) {
        Fail(Outcome::kUnreadable, __LINE__);
        return;
    }
    if (hasDrawing && !CPhotoRenderer::ApplyDrawing(image, drawing, frame, error, reduction)) {
        Fail(Outcome::kFailed, __LINE__);
        return;
    }
    size = frame.Size();
    if (!renderer.WriteImages(image, frame, standardPath, thumbnailPath, error, reduction)) {
        Fail(Outcome::kFailed, __LINE__);
    }
}
