#include "photo/EditPhotoModel.h"

#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "list/ListLimits.h"
#include "list/PhotoRenderer.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawArea.h"
#include "photo/IPhotoEditorHost.h"
#include "photo/ListPhotoProperties.h"
#include "platform/SystemText.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/ImageOps.h"

#include <cerrno>
#include <exception>

namespace {

constexpr char kSource[] = "EditPhotoDoc";

CString SystemText(int error)
{
    return error != 0 ? SystemErrorText(error) : CString();
}

// A photo index is decimal digits alone; anything else is no index.
int ParseIndex(const CString& text)
{
    if (text.IsEmpty() || text.GetLength() > 5) {
        return -1;
    }
    int value = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

void TurnImage(CBitmapEx& image, int quarterTurns)
{
    if (CDrawShape::NormalizeQuarterTurns(quarterTurns) != 0) {
        static_cast<Bitmap&>(image) = ImageOps::Rotate(image, quarterTurns);
    }
}

} // namespace

CEditPhotoModel::CEditPhotoModel(IPhotoEditorHost& host) : m_host(host) {}

CZantobyDoc* CEditPhotoModel::FindList() const
{
    return listPath.IsEmpty() ? nullptr : m_host.FindListDocument(listPath);
}

bool CEditPhotoModel::Open(const CString& path)
{
    const int question = path.Find('?');
    if (question < 0) {
        listPath.Empty();
        photoIndex = -1;
        originalPath = path;
        drawing.path.Empty();
    } else {
        try {
            if (!ReadFromList(path, question)) {
                return false;
            }
        } catch (const std::exception& e) {
            m_host.ReportError(e.what(), kSource, __LINE__);
            return false;
        }
    }

    try {
        errno = 0;
        if (!m_original.LoadJpeg(originalPath)) {
            // The editor needs every pixel; a photo beyond that is not the file's fault.
            JpegHeader header;
            if (CBitmapEx::ReadJpegHeader(originalPath, header) &&
                !CBitmapEx::FitsInMemory(CSize(header.width, header.height), 1)) {
                m_host.ShowErrorMessage(40208, CString());
            } else {
                m_host.ShowErrorMessage(41002, originalPath + "\n" + SystemText(errno));
            }
            return false;
        }
        imageWidth = m_original.Width();
        imageHeight = m_original.Height();
        if (!drawing.path.GetPath().IsEmpty() && !drawing.Read(drawing.path.GetPath(), m_host)) {
            return false;
        }
        BuildWorkingBitmap();
        ResetUndo();
        SetModifiedFlag(false);
        RenderImage();
        return true;
    } catch (const std::exception& e) {
        m_host.ReportError(e.what(), kSource, __LINE__);
        return false;
    }
}

bool CEditPhotoModel::ReadFromList(const CString& path, int question)
{
    listPath = path.Left(question);
    photoIndex = ParseIndex(path.Mid(question + 1));
    CZantobyDoc* list = FindList();
    if (list == nullptr) {
        m_host.ShowErrorMessage(41000, CString());
        return false;
    }
    if (photoIndex < 0 || photoIndex >= kMaxPhotos || !list->GetPhoto(photoIndex).inUse) {
        m_host.ShowErrorMessage(41001, CString());
        return false;
    }
    originalPath = list->GetOriginalPhotoPath(photoIndex);
    drawing.path.SetPath(list->GetDrawingPath(photoIndex));
    standardPath = list->GetMiddlePhotoPath(photoIndex);
    thumbnailPath = list->GetThumbnailPath(photoIndex);
    sizes = list->photoSizes;
    comment = list->GetPhoto(photoIndex).name;
    return true;
}

void CEditPhotoModel::BuildWorkingBitmap()
{
    m_working = m_original;
    if (drawing.mirrorVert) {
        ImageOps::FlipHorizontal(m_working);
    }
    if (drawing.mirrorHorz) {
        ImageOps::FlipVertical(m_working);
    }
    TurnImage(m_working, drawing.rot);
}

CSize CEditPhotoModel::GetDisplaySize() const
{
    return drawing.rot % 2 == 0 ? CSize(imageWidth, imageHeight) : CSize(imageHeight, imageWidth);
}

void CEditPhotoModel::RenderImage()
{
    ++m_renderCount;
    m_rendering = m_working;
    m_rendering.AdjustColors({drawing.bright, drawing.shade, drawing.red, drawing.green, drawing.blue});
    if (drawing.shapes.GetSize() > 0 && !m_rendering.IsEmpty()) {
        Canvas dc(m_rendering);
        if (dc.IsValid()) {
            drawing.shapes.DrawAll(dc);
        }
    }
}

// Modified flag and undo

void CEditPhotoModel::SetModifiedFlag(bool modified)
{
    m_modified = modified;
    m_undo.Record(drawing, m_host.GetVersionString());
}

void CEditPhotoModel::ResetUndo()
{
    m_undo.Reset(m_host.GetTempFolder());
}

bool CEditPhotoModel::Undo()
{
    if (!m_undo.StepBack()) {
        return false;
    }
    drawing.bright = drawing.shade = drawing.red = drawing.green = drawing.blue = 0;
    m_undo.LoadCurrent(drawing);
    // Built again from the photo as loaded: toggling single mirrors on a turned photo would
    // mirror it about the wrong axis.
    BuildWorkingBitmap();
    return true;
}

bool CEditPhotoModel::Redo()
{
    if (!m_undo.StepForward()) {
        return false;
    }
    drawing.bright = drawing.shade = drawing.red = drawing.green = drawing.blue = 0;
    m_undo.LoadCurrent(drawing);
    BuildWorkingBitmap();
    return true;
}

// Whole-photo flips and turns

void CEditPhotoModel::FlipPhoto(bool leftRight)
{
    const CSize shown = GetDisplaySize();
    const CRect frame(0, 0, shown.cx - 1, shown.cy - 1);
    if (leftRight) {
        ImageOps::FlipHorizontal(m_working);
    } else {
        ImageOps::FlipVertical(m_working);
    }
    // On a photo turned by a quarter, a mirror on screen is the other mirror of the photo.
    if ((drawing.rot % 2 == 0) == leftRight) {
        drawing.mirrorVert = !drawing.mirrorVert;
    } else {
        drawing.mirrorHorz = !drawing.mirrorHorz;
    }
    for (int i = 0; i < drawing.shapes.GetSize(); ++i) {
        if (leftRight) {
            drawing.shapes.GetShape(i)->FlipHorizontal(frame);
        } else {
            drawing.shapes.GetShape(i)->FlipVertical(frame);
        }
    }
}

void CEditPhotoModel::RotatePhoto(int quarterTurns)
{
    const CSize shown = GetDisplaySize();
    const CRect frame(0, 0, shown.cx - 1, shown.cy - 1);
    TurnImage(m_working, quarterTurns);
    for (int i = 0; i < drawing.shapes.GetSize(); ++i) {
        drawing.shapes.GetShape(i)->Rotate(quarterTurns, frame);
    }
    drawing.rot = CDrawShape::NormalizeQuarterTurns(drawing.rot + quarterTurns);
}

// Saving and closing

CRect CEditPhotoModel::GetDerivedCropRect() const
{
    CRect crop = GetDisplayRect();
    if (drawing.shapes.hasArea) {
        for (int i = 0; i < drawing.shapes.GetSize(); ++i) {
            const CDrawShape* shape = drawing.shapes.GetShape(i);
            if (shape->KindName() == DrawKind::kArea) {
                CRect area = shape->GetRect();
                area.NormalizeRect();
                crop.IntersectRect(crop, area);
            }
        }
    }
    return crop.IsRectEmpty() ? CRect() : crop;
}

void CEditPhotoModel::WriteDerivedImages()
{
    const CRect crop = GetDerivedCropRect();
    if (crop.IsRectEmpty() || standardPath.IsEmpty()) {
        return;
    }
    RenderImage();
    CString error;
    CPhotoRenderer renderer(sizes);
    try {
        if (!renderer.WriteImages(m_rendering, crop, standardPath, thumbnailPath, error)) {
            // The list would go on showing the old pictures without a word.
            m_host.ReportError(error.GetString(), "EditPhotoView", __LINE__);
        }
    } catch (const std::exception& e) {
        m_host.ReportError(e.what(), "EditPhotoView", __LINE__);
    }
}

bool CEditPhotoModel::Save()
{
    CZantobyDoc* list = FindList();
    if (list != nullptr && list->readOnly) {
        m_host.ShowWarningMessage(30205, CString(), CString());
        return false;
    }
    try {
        if (!CListPhotoProperties::WriteDrawingFile(drawing, m_host)) {
            return false;
        }
    } catch (const std::exception& e) {
        m_host.ReportError(e.what(), kSource, __LINE__);
        return false;
    }

    WriteDerivedImages();

    if (list != nullptr) {
        try {
            PhotoRecord& slot = list->GetPhoto(photoIndex);
            slot.name = comment;
            CRect shown = GetDisplayRect();
            CRect area = drawing.GetAreaRect();
            area.NormalizeRect();
            if (!area.IsRectEmpty()) {
                shown.IntersectRect(shown, area);
            }
            slot.width = shown.Width();
            slot.height = shown.Height();
            list->OnPhotoEdited(photoIndex);
        } catch (const std::exception& e) {
            m_host.ReportError(e.what(), kSource, __LINE__);
            return false;
        }
    }
    m_modified = false;
    return true;
}

void CEditPhotoModel::Close()
{
    try {
        if (CZantobyDoc* list = FindList()) {
            list->OnPhotoEditorClosed(photoIndex);
        }
    } catch (const std::exception& e) {
        m_host.ReportError(e.what(), kSource, __LINE__);
    }
    ResetUndo();
}
