#pragma once

class CEditPhotoModel;
class IPhotoEditorHost;
struct CPoint;

// Carries the photo editor's shapes over the system clipboard: the path of the copied-shapes file
// under the program's own format "Zantoby2 Drawing Data", with a picture of the copied region
// beside it.
class CEditorClipboard
{
  public:
    // False after a warning has said what failed; the clipboard is then unchanged.
    static bool Copy(CEditPhotoModel& model, IPhotoEditorHost& host);
    // Nothing when the clipboard holds no shapes; false after a warning when they cannot be read.
    static bool Paste(CEditPhotoModel& model, IPhotoEditorHost& host, const CPoint& centre);
};
