#include "list/ListPhotos.h"

#include "foundation/AppBase.h"
#include "foundation/FileUtility.h"
#include "list/IListHost.h"
#include "list/PhotoPlaceholder.h"
#include "list/PhotoRenderer.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawingData.h"
#include "platform/FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <memory>

namespace {

bool IsPhotoIndex(int slot)
{
    return slot >= 0 && slot < kMaxPhotos;
}

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

CListPhotos::CListPhotos(CZantobyDoc& doc) : m_doc(doc), m_drawingHost(doc.Host()) {}

int CListPhotos::AllocPhotoRecord()
{
    for (int i = 0; i < kMaxPhotos; ++i) {
        PhotoRecord& photo = m_doc.GetPhoto(i);
        if (!photo.inUse) {
            photo.Reset();
            photo.inUse = true;
            return i;
        }
    }
    return -1;
}

bool CListPhotos::AddPhotoToRow(int displayRow, int position, int photo, int undoKind)
{
    if (displayRow < 0 || displayRow >= m_doc.displayCount || !IsPhotoIndex(photo)) {
        return false;
    }
    int row = m_doc.displayOrder[displayRow];
    if (row >= kMaxRows) {
        return false;
    }
    bool newRow = row < 0;
    if (newRow) {
        // The before image is taken while the new row is still free and the display still shows
        // the new-row line, so that undo gives both back.
        row = 0;
        while (row < kMaxRows && m_doc.GetRow(row).inUse) {
            ++row;
        }
        if (row == kMaxRows) {
            m_doc.Host().ShowErrorMessage(40200, 0);
            return false;
        }
    }
    ProductRecord& record = m_doc.GetRow(row);
    if (!newRow && record.photoCount >= kMaxPhotosPerRow) {
        m_doc.Host().ShowErrorMessage(40201, 0);
        return false;
    }
    m_doc.SaveUndoSnapshot(undoKind, row, 0);
    if (newRow) {
        m_doc.AllocProductRecord();
        m_doc.displayOrder[displayRow] = row;
    }
    int count = record.photoCount;
    if (position < 0 || position > count) {
        position = count;
    }
    for (int i = count; i > position; --i) {
        record.photos[i] = record.photos[i - 1];
    }
    record.photos[position] = photo;
    record.photoCount = count + 1;
    record.lastChange = CDateEx(COleDateTime::GetCurrentTime());
    if (undoKind == 1) {
        m_doc.SaveUndoSnapshot(1, row, 1);
    }
    return true;
}

int CListPhotos::ImportPhotoImage(const CString& source, int slot, const CString& drawing, int rotation)
{
    bool taken = false;
    if (!source.IsEmpty()) {
        if (slot == -1) {
            slot = AllocPhotoRecord();
            if (slot < 0) {
                return -1;
            }
            taken = true;
        } else if (!IsPhotoIndex(slot)) {
            return -1;
        } else if (!m_doc.GetPhoto(slot).inUse) {
            m_doc.GetPhoto(slot).Reset();
            m_doc.GetPhoto(slot).inUse = true;
            taken = true;
        }
        CString reason;
        if (!CopyIn(slot, source, drawing, reason)) {
            m_doc.Host().ShowWarningMessage(30200, 0, reason.GetString());
            if (taken) {
                GiveBack(slot);
            }
            return -1;
        }
    } else if (!IsPhotoIndex(slot) || !m_doc.GetPhoto(slot).inUse) {
        return -1;
    }
    int result = -1;
    try {
        result = Render(slot, rotation);
    } catch (const std::exception&) {
        m_doc.Host().ReportError(nullptr, "ZantobyDoc", __LINE__);
    }
    // Rows may refer to a slot this call did not take, so only a new one is given back.
    if (result < 0 && taken) {
        GiveBack(slot);
    }
    return result;
}

bool CListPhotos::CopyIn(int slot, const CString& source, const CString& drawing, CString& reason)
{
    CString original = PathOf(slot, kOriginal, true);
    errno = 0;
    if (!CopySingleFile(source, original)) {
        reason = CAppBase::GetLastErrorText();
        return false;
    }
    m_doc.GetPhoto(slot).flatFiles = true;
    MakeWritable(original);
    CString drawingPath = PathOf(slot, kDrawing, true);
    if (drawing.IsEmpty()) {
        // A new photo without drawing data has none: an old file at either place must not apply.
        RemoveFile(PathOf(slot, kDrawing, false));
        RemoveFile(drawingPath);
    } else if (CopySingleFile(drawing, drawingPath)) {
        MakeWritable(drawingPath);
    }
    return true;
}

int CListPhotos::Render(int slot, int rotation)
{
    IListHost& host = m_doc.Host();
    CBitmapEx image;
    if (!image.LoadJpeg(GetOriginalPhotoPath(slot))) {
        host.ShowErrorMessage(40203, 0);
        return -1;
    }
    CRect frame(0, 0, image.Width(), image.Height());
    CString drawingPath = GetDrawingPath(slot);
    CDrawingData drawing;
    CString error;
    if (drawing.Read(drawingPath, m_drawingHost)) {
        if (rotation != 0 && !TurnDrawing(drawing, rotation, frame.Size(), drawingPath)) {
            return -1;
        }
        if (!CPhotoRenderer::ApplyDrawing(image, drawing, frame, error)) {
            host.ReportError(error.GetString(), "ZantobyDoc", __LINE__);
            return -1;
        }
    } else if (rotation != 0) {
        // Without its drawing data the turn could not be kept; the failure was reported.
        return -1;
    }
    PhotoRecord& photo = m_doc.GetPhoto(slot);
    photo.width = frame.Width();
    photo.height = frame.Height();
    CPhotoRenderer renderer(m_doc.photoSizes);
    if (!renderer.WriteImages(image, frame, GetMiddlePhotoPath(slot), GetThumbnailPath(slot), error)) {
        host.ReportError(error.GetString(), "ZantobyDoc", __LINE__);
        return -1;
    }
    return slot;
}

bool CListPhotos::TurnDrawing(CDrawingData& drawing, int rotation, CSize photo, const CString& path)
{
    int turns = CDrawShape::NormalizeQuarterTurns(drawing.rot);
    // The shapes lie on the photo as it is shown now.
    CRect shown = turns % 2 == 0 ? CRect(0, 0, photo.cx, photo.cy) : CRect(0, 0, photo.cy, photo.cx);
    for (int i = 0; i < drawing.shapes.GetSize(); ++i) {
        drawing.shapes.GetShape(i)->Rotate(rotation, shown);
    }
    drawing.rot = CDrawShape::NormalizeQuarterTurns(turns + rotation);
    return drawing.Write(path, m_drawingHost);
}

void CListPhotos::GiveBack(int slot)
{
    for (FileKind kind : {kOriginal, kStandard, kThumbnail, kDrawing}) {
        RemoveFile(PathOf(slot, kind, true));
    }
    m_doc.GetPhoto(slot).Reset();
}

CString CListPhotos::PathOf(int slot, FileKind kind, bool flat) const
{
    static const char* const kSubfolders[] = {"org", "m", "s", "draw"};
    static const char* const kEndings[] = {".jpg", "m.jpg", "s.jpg", ".drw"};
    CString path;
    if (!IsPhotoIndex(slot)) {
        return path;
    }
    if (flat) {
        path.Format("%s/%s/%04d%s", m_doc.listFolder.GetString(), m_doc.photoFolderName.GetString(), slot,
                    kEndings[kind]);
    } else {
        path.Format("%s/%s/%s/%04d%s", m_doc.listFolder.GetString(), m_doc.photoFolderName.GetString(),
                    kSubfolders[kind], slot, kEndings[kind]);
    }
    return path;
}

CString CListPhotos::PathOf(int slot, FileKind kind) const
{
    return PathOf(slot, kind, IsPhotoIndex(slot) && m_doc.GetPhoto(slot).flatFiles);
}

CString CListPhotos::GetOriginalPhotoPath(int slot) const
{
    return PathOf(slot, kOriginal);
}

CString CListPhotos::GetMiddlePhotoPath(int slot) const
{
    return PathOf(slot, kStandard);
}

CString CListPhotos::GetThumbnailPath(int slot) const
{
    return PathOf(slot, kThumbnail);
}

CString CListPhotos::GetDrawingPath(int slot) const
{
    return PathOf(slot, kDrawing);
}

CBitmapEx* CListPhotos::GetThumbnailBitmap(int slot)
{
    if (!IsPhotoIndex(slot) || !m_doc.GetPhoto(slot).inUse) {
        return nullptr;
    }
    PhotoRecord& photo = m_doc.GetPhoto(slot);
    if (!photo.thumbnail || photo.thumbnail->IsEmpty()) {
        auto thumbnail = std::make_unique<CBitmapEx>();
        if (!thumbnail->LoadJpeg(GetThumbnailPath(slot))) {
            CPhotoPlaceholder::Draw(*thumbnail, m_doc.photoSizes.thumbnailSize);
        }
        photo.thumbnail = std::move(thumbnail);
    }
    return photo.thumbnail.get();
}
