#pragma once

#include "foundation/ui/ButtonEdit.h"
#include "list/ui/ListDialog.h"
#include "photo/batch/ILumpLoadMonitor.h"

class CLumpPhotoGrid;
class IPhotoProfile;
class IListHost;
struct BulkImportLayout;

// The bulk import: reads the photos of a folder into a grid of thumbnails, one to a row, where
// the user arranges them into rows; on OK each grid row becomes a new row of the list.
class CLumpPhotoDlg : public CListDialog, public ILumpLoadMonitor
{
  public:
    CLumpPhotoDlg(wxWindow* parent, IListHost& host, IPhotoProfile& settings);

    bool OnInitDialog() override;
    // Reads the folder's photos into the grid, one per row; the controls rest meanwhile and the
    // cancel button stops the reading.
    void ShowFolder(const CString& folder);
    // After OK: the grid's rows and photos for the list.
    void FillLayout(BulkImportLayout& layout);

    CLumpPhotoGrid& Grid() { return *m_grid; }
    IListHost& Host() { return m_host; }
    bool IsLoading() const { return m_loading; }
    void ShowPosition(const CString& text);

    // ILumpLoadMonitor
    void ShowLoading(const CString& path, int done, int total) override;
    bool AskToGoOnAfter(const CString& path) override;
    bool IsLoadCancelled() override;

  protected:
    void OnCancelRequest() override;

  private:
    void OnOk();
    void EnableControls(bool enable);
    // Keeps the folder as the photo folder setting and lets the pictures go.
    void Leave(int result);
    // Runs a grid command and gives the focus back to the grid.
    template <typename Command> void OnGridButton(Command command);

    IListHost& m_host;
    IPhotoProfile& m_settings;
    CButtonEdit m_folder;
    CLumpPhotoGrid* m_grid;
    bool m_loading = false;
    bool m_cancelled = false;
};
