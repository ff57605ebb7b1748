#pragma once

#include "app/listwindow/ui/ListCommandGroup.h"
#include "platform/Arrays.h"
#include "platform/CString.h"

class CGridView;
class wxCommandEvent;
class wxUpdateUIEvent;

// The commands of a list window's 写真 menu on the current line and cell: photos taken in one at
// a time, deleted, shown with their properties, edited and turned, and the photo output of the
// selected cells.
class CListPhotoCommands : private CListCommandGroup
{
  public:
    // Binds the commands to the view's menus.
    explicit CListPhotoCommands(CGridView& view);

    // Takes JPEG files in as new photos of the current line, in order; false unless all were
    // added.
    bool ImportPhotos(const CStringArray& paths);
    // Opens the photo editor on the current cell's photo.
    void EditPhoto();
    // The properties of the current cell's photo.
    void ShowPhotoProperties();

  private:
    // Takes a JPEG file in as a new photo of the current line: the file of path, or one picked
    // in the insert-photo dialog when path is empty. False when it was not added.
    bool ImportOnePhoto(const CString& path);
    // The photo output dialog with the photos of the selected cells.
    void OutputSelectedPhotos();
    void OnPhotoCommand(wxCommandEvent& event);
    void OnUpdatePhotoCommand(wxUpdateUIEvent& event);
    // The photo the current cell shows, -1 none.
    int CurrentPhoto() const;
};
