#include "app/listwindow/ui/ListPhotoCommands.h"

#include "app/editing/ListRowEdits.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/listwindow/ui/PhotoPropertiesHook.h"
#include "app/startup/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"
#include "photo/batch/ui/InsertPhotoDlg.h"
#include "photo/batch/ui/OutputPhotoDlg.h"

#include <wx/stopwatch.h>
#include <wx/utils.h>

#include <vector>

namespace {

constexpr int ID_IMPORT_PHOTO = 32891;
constexpr int ID_DELETE_PHOTO = 32892;
constexpr int ID_PHOTO_PROPERTIES = 32967;
constexpr int ID_EDIT_PHOTO = 32873;
constexpr int ID_ROTATE_RIGHT = 33073;
constexpr int ID_ROTATE_LEFT = 33074;
constexpr int ID_PHOTO_OUTPUT = 32877;
// A photo taken in is followed by a short pause for the events that wait.
constexpr int kImportPumpMs = 100;

} // namespace

CListPhotoCommands::CListPhotoCommands(CGridView& view) : m_view(view)
{
    for (int id : {ID_IMPORT_PHOTO, ID_DELETE_PHOTO, ID_PHOTO_PROPERTIES, ID_EDIT_PHOTO, ID_ROTATE_RIGHT,
                   ID_ROTATE_LEFT, ID_PHOTO_OUTPUT}) {
        view.Bind(wxEVT_MENU, &CListPhotoCommands::OnPhotoCommand, this, id);
        view.Bind(wxEVT_UPDATE_UI, &CListPhotoCommands::OnUpdatePhotoCommand, this, id);
    }
}

int CListPhotoCommands::CurrentPhoto() const
{
    if (!m_view.IsOnPhotoCell()) {
        return -1;
    }
    const CListGrid& grid = *m_view.Grid();
    return CListRowEdits(*m_view.ListDoc()).PhotoAt(grid.CurrentColumn(), grid.CurrentRow());
}

bool CListPhotoCommands::ImportOnePhoto(const CString& path)
{
    CListGrid* grid = m_view.Grid();
    CZantobyDoc* list = m_view.ListDoc();
    if (grid == nullptr || list == nullptr) {
        return false;
    }
    CString file = path;
    if (file.IsEmpty()) {
        if (!CListRowEdits(*list).HasRoomForPhoto(grid->CurrentRow())) {
            return false;
        }
        CInsertPhotoDlg dialog(m_view.GetFrame(), wxGetApp().Settings(),
                               [] { wxGetApp().ShowHelpPage("InsertPhotoDlg"); });
        if (dialog.DoModal(file) != wxID_OK) {
            return false;
        }
    }
    CStringArray paths;
    paths.Add(file);
    return ImportPhotos(paths);
}

bool CListPhotoCommands::ImportPhotos(const CStringArray& paths)
{
    CListGrid* grid = m_view.Grid();
    CZantobyDoc* list = m_view.ListDoc();
    if (grid == nullptr || list == nullptr) {
        return false;
    }
    const int line = grid->CurrentRow();
    int added = 0;
    {
        wxBusyCursor wait;
        added = CListRowEdits(*list).ImportPhotos(line, paths);
    }
    if (added == 0) {
        return false;
    }
    grid->SyncPhotoColumns();
    const wxStopWatch pause;
    while (pause.Time() < kImportPumpMs) {
        list->Host().PumpMessages();
        wxMilliSleep(10);
    }
    m_view.FillGridRow(line, true);
    list->UpdateAllViews(&m_view, kHintRowsEdited);
    list->AppendNewRowLine();
    grid->FreeThumbnailsOutOfView();
    grid->RepaintGrid();
    return added == paths.GetSize();
}

void CListPhotoCommands::EditPhoto()
{
    if (const int photo = CurrentPhoto(); photo >= 0) {
        m_view.ListDoc()->OpenPhotoEditor(photo);
    }
}

void CListPhotoCommands::ShowPhotoProperties()
{
    if (const int photo = CurrentPhoto(); photo >= 0) {
        CPhotoPropertiesHook::Run(m_view.GetFrame(), *m_view.ListDoc(), photo);
    }
}

void CListPhotoCommands::OnPhotoCommand(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        CListGrid* grid = m_view.Grid();
        CZantobyDoc* list = m_view.ListDoc();
        if (grid == nullptr || list == nullptr) {
            return;
        }
        CListRowEdits rows(*list);
        switch (event.GetId()) {
        case ID_DELETE_PHOTO: {
            const int column = grid->CurrentColumn();
            const int line = grid->CurrentRow();
            if (rows.DeletePhoto(column, line)) {
                grid->RepaintRange(column, line, grid->GetColCount() - 1, line);
                list->UpdateAllViews(&m_view, kHintRowsEdited);
            }
            break;
        }
        case ID_EDIT_PHOTO:
            EditPhoto();
            break;
        case ID_PHOTO_PROPERTIES:
            ShowPhotoProperties();
            break;
        case ID_IMPORT_PHOTO:
            ImportOnePhoto(CString());
            break;
        case ID_PHOTO_OUTPUT:
            OutputSelectedPhotos();
            break;
        case ID_ROTATE_RIGHT:
        case ID_ROTATE_LEFT: {
            const bool right = event.GetId() == ID_ROTATE_RIGHT;
            list->Host().SetWaitCursor(!right);
            const std::vector<int> turned = rows.RotatePhotos(grid->SelectedBlocks(), right);
            for (int photo : turned) {
                grid->ReloadThumbnail(photo);
            }
            list->Host().SetWaitCursor(false);
            if (!turned.empty()) {
                list->UpdateAllViews(&m_view, kHintRowsEdited);
            }
            break;
        }
        default:
            break;
        }
    });
}

void CListPhotoCommands::OnUpdatePhotoCommand(wxUpdateUIEvent& event)
{
    CListGrid* grid = m_view.Grid();
    const CZantobyDoc* list = m_view.ListDoc();
    if (grid == nullptr || list == nullptr) {
        event.Enable(false);
        return;
    }
    switch (event.GetId()) {
    case ID_DELETE_PHOTO:
    case ID_IMPORT_PHOTO:
        event.Enable(grid->CurrentRow() >= 0 && grid->CurrentRow() < grid->GetRowCount() && !list->readOnly);
        break;
    case ID_PHOTO_OUTPUT:
        event.Enable(true);
        break;
    case ID_EDIT_PHOTO:
        event.Enable(CurrentPhoto() >= 0);
        break;
    case ID_PHOTO_PROPERTIES:
        event.Enable(CurrentPhoto() >= 0 && CPhotoPropertiesHook::IsSet());
        break;
    case ID_ROTATE_RIGHT:
    case ID_ROTATE_LEFT:
        event.Enable(CurrentPhoto() >= 0 && !list->readOnly);
        break;
    default:
        event.Enable(false);
        break;
    }
}

void CListPhotoCommands::OutputSelectedPhotos()
{
    CZantobyDoc* list = m_view.ListDoc();
    CListGrid* grid = m_view.Grid();
    if (list == nullptr || grid == nullptr) {
        return;
    }
    const std::vector<int> photos = CListRowEdits(*list).PhotosOf(grid->SelectedBlocks());
    if (photos.empty()) {
        list->Host().ShowWarningMessage(30702, 0);
        return;
    }
    COutputPhotoDlg dialog(m_view.GetFrame(), *list, photos, wxGetApp().Settings());
    dialog.DoModal();
}
