#pragma once

#include "list/PhotoRecord.h"
#include "platform/CString.h"

#include <vector>

class CZantobyDoc;
class ProductRecord;

// Saves a list: the first save of an untitled list, which gives it its own file and companion
// photo and Web folders, and every save's tidying around the writing of the list file: blank
// rows, photos that no row shows, and photo files still lying loose in the photo folder.
class CListSaver
{
  public:
    explicit CListSaver(CZantobyDoc& doc) : m_doc(doc) {}

    // The save command: an untitled list asks for its file first. False when cancelled or failed.
    bool DoSave(const CString& path);
    // Saves to the path after the photo editors on the list's photos have saved their changes.
    bool OnSaveDocument(const CString& path);
    // Tidies the list and writes its file; keepViews false first has the views store their
    // state (the splitter). The file is replaced only when the new one is complete.
    bool WriteListFile(const CString& path, bool keepViews);
    // Copies one photo file over its target. On failure the user chooses: false stops the save,
    // true carries on without this file.
    bool CopyPhotoFile(const CString& source, const CString& target);

  private:
    enum class CopyResult
    {
        Copied,
        Skipped, // failed, and the user carries on
        Stop,
    };
    CopyResult CopyOrAsk(const CString& source, const CString& target);
    bool SaveUntitledAs();
    bool ReplaceFolder(const CString& folder, int question, int cannotDelete);
    // A photo that no row shows: its slot is freed before the list file is written, its files
    // are set aside only once the new file is in place.
    struct UnusedPhoto
    {
        int slot;
        PhotoRecord record;
        CString original;
        CString others[3]; // standard, thumbnail, drawing
    };
    bool IsBlankRow(const ProductRecord& row) const;
    bool RemoveBlankRows();
    std::vector<UnusedPhoto> ReleaseUnusedPhotos();
    void SetAsidePhotoFiles(const std::vector<UnusedPhoto>& unused);
    void RestorePhotos(std::vector<UnusedPhoto>& unused);
    bool MoveLoosePhotos();

    CZantobyDoc& m_doc;
};
