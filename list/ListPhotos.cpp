#include "list/ListPhotos.h"

#include "list/IListHost.h"
#include "list/PhotoPlaceholder.h"
#include "list/PhotoRegistration.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawingData.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string_view>

namespace {

bool IsPhotoIndex(int slot)
{
    return slot >= 0 && slot < kMaxPhotos;
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
    CPhotoRegistration registration(m_doc.Host().GetVersionString());
    if (!PrepareRegistration(source, slot, drawing, rotation, registration)) {
        return -1;
    }
    registration.Run();
    return FinishRegistration(registration);
}

bool CListPhotos::PrepareRegistration(const CString& source, int slot, const CString& drawing, int rotation,
                                      CPhotoRegistration& registration)
{
    registration.takenSlot = false;
    if (!source.IsEmpty()) {
        if (slot == -1) {
            slot = AllocPhotoRecord();
            if (slot < 0) {
                return false;
            }
            registration.takenSlot = true;
        } else if (!IsPhotoIndex(slot)) {
            return false;
        } else if (!m_doc.GetPhoto(slot).inUse) {
            m_doc.GetPhoto(slot).Reset();
            m_doc.GetPhoto(slot).inUse = true;
            registration.takenSlot = true;
        }
    } else if (!IsPhotoIndex(slot) || !m_doc.GetPhoto(slot).inUse) {
        return false;
    }
    // A new photo's files go directly into the photo folder until the list is saved.
    const bool flat = !source.IsEmpty() || m_doc.GetPhoto(slot).flatFiles;
    registration.slot = slot;
    registration.source = source;
    registration.drawingSource = drawing;
    registration.rotation = rotation;
    registration.originalPath = PathOf(slot, kOriginal, flat);
    registration.drawingPath = PathOf(slot, kDrawing, flat);
    registration.otherDrawingPath = PathOf(slot, kDrawing, !flat);
    registration.standardPath = PathOf(slot, kStandard, flat);
    registration.thumbnailPath = PathOf(slot, kThumbnail, flat);
    registration.sizes = m_doc.photoSizes;
    return true;
}

int CListPhotos::FinishRegistration(CPhotoRegistration& registration)
{
    using Outcome = CPhotoRegistration::Outcome;
    IListHost& host = m_doc.Host();
    const int slot = registration.slot;
    PhotoRecord& photo = m_doc.GetPhoto(slot);
    if (registration.outcome == Outcome::kNotCopied) {
        host.ShowWarningMessage(30200, 0, registration.reason.GetString());
    } else if (!registration.source.IsEmpty()) {
        photo.flatFiles = true;
    }
    registration.drawingReports.ReplayTo(m_drawingHost);
    if (registration.size.cx > 0) {
        photo.width = registration.size.cx;
        photo.height = registration.size.cy;
    }
    switch (registration.outcome) {
    case Outcome::kDone:
        return slot;
    case Outcome::kUnreadable:
        host.ShowErrorMessage(40203, 0);
        break;
    case Outcome::kTooLarge:
        host.ShowErrorMessage(40208, 0);
        break;
    case Outcome::kFailed:
        host.ReportError(registration.error.GetString(), "ZantobyDoc", registration.line);
        break;
    case Outcome::kException:
        host.ReportError(nullptr, "ZantobyDoc", registration.line);
        break;
    case Outcome::kNotCopied:
    case Outcome::kReported:
        break;
    }
    // Rows may refer to a slot this registration did not take, so only a new one is given back.
    if (registration.takenSlot) {
        GiveBack(slot);
    }
    return -1;
}

void CListPhotos::AbandonRegistration(const CPhotoRegistration& registration)
{
    if (registration.takenSlot) {
        GiveBack(registration.slot);
    }
}

void CListPhotos::GiveBack(int slot)
{
    for (FileKind kind : {kOriginal, kStandard, kThumbnail, kDrawing}) {
        RemoveFile(PathOf(slot, kind, true));
    }
    m_doc.GetPhoto(slot).Reset();
}

namespace {

const char* const kSubfolders[] = {"org", "m", "s", "draw"};
const char* const kEndings[] = {".jpg", "m.jpg", "s.jpg", ".drw"};

// A photo file's name in either layout: four digits and the ending of its kind.
bool IsPhotoFileName(std::string_view name)
{
    if (name.size() < 5 || !std::all_of(name.begin(), name.begin() + 4, [](char ch) { return ch >= '0' && ch <= '9'; })) {
        return false;
    }
    const std::string_view ending = name.substr(4);
    return std::any_of(std::begin(kEndings), std::end(kEndings), [ending](const char* kind) { return ending == kind; });
}

} // namespace

void CListPhotos::MakeSubfolders() const
{
    const CString folder = m_doc.listFolder + "/" + m_doc.photoFolderName;
    if (!FileSystem::IsDirectory(folder)) {
        return;
    }
    for (const char* sub : kSubfolders) {
        FileSystem::CreateFolder(folder + "/" + sub);
    }
}

void CListPhotos::RemoveWriteLeftovers() const
{
    const CString folder = m_doc.listFolder + "/" + m_doc.photoFolderName;
    FileSystem::RemoveReplaceLeftoversIn(folder, IsPhotoFileName);
    for (const char* sub : kSubfolders) {
        FileSystem::RemoveReplaceLeftoversIn(folder + "/" + sub, IsPhotoFileName);
    }
}

CString CListPhotos::PathOf(int slot, FileKind kind, bool flat) const
{
    CString path;
    if (!IsPhotoIndex(slot)) {
        return path;
    }
    // Opening a list looks for several files of every photo: the path is put together without a
    // format call, from the slot's four digits.
    static_assert(kMaxPhotos <= 10000);
    const char number[] = {static_cast<char>('0' + slot / 1000), static_cast<char>('0' + slot / 100 % 10),
                           static_cast<char>('0' + slot / 10 % 10), static_cast<char>('0' + slot % 10), '\0'};
    path += m_doc.listFolder.GetString();
    path += '/';
    path += m_doc.photoFolderName.GetString();
    path += '/';
    if (!flat) {
        path += kSubfolders[kind];
        path += '/';
    }
    path += number;
    path += kEndings[kind];
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
