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

CListPhotoCommands::CListPhotoCommands(CGridView& view) : CListCommandGroup(view)
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
    const CListGrid& grid = *Grid();
    return CListRowEdits(*List()).PhotoAt(grid.CurrentColumn(), grid.CurrentRow());
}

bool CListPhotoCommands::ImportOnePhoto(const CString& path)
{
    if (!HasList()) {
        return false;
    }
    CString file = path;
    if (file.IsEmpty()) {
        if (!CListRowEdits(*List()).HasRoomForPhoto(Grid()->CurrentRow())) {
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
    if (!HasList()) {
        return false;
    }
    const int line = Grid()->CurrentRow();
    int added = 0;
    {
        wxBusyCursor wait;
        added = CListRowEdits(*List()).ImportPhotos(line, paths);
    }
    if (added == 0) {
        return false;
    }
    Grid()->SyncPhotoColumns();
    const wxStopWatch pause;
    while (pause.Time() < kImportPumpMs) {
        List()->Host().PumpMessages();
        wxMilliSleep(10);
    }
    m_view.FillGridRow(line, true);
    List()->UpdateAllViews(&m_view, kHintRowsEdited);
    List()->AppendNewRowLine();
    Grid()->FreeThumbnailsOutOfView();
    Grid()->RepaintGrid();
    return added == paths.GetSize();
}

void CListPhotoCommands::EditPhoto()
{
    if (const int photo = CurrentPhoto(); photo >= 0) {
        List()->OpenPhotoEditor(photo);
    }
}

void CListPhotoCommands::ShowPhotoProperties()
{
    if (const int photo = CurrentPhoto(); photo >= 0) {
        CPhotoPropertiesHook::Run(m_view.GetFrame(), *List(), photo);
    }
}

void CListPhotoCommands::OnPhotoCommand(wxCommandEvent& event)
{
    CGridView::Guarded(__LINE__, [this, &event] {
        if (!HasList()) {
            return;
        }
        CListRowEdits rows(*List());
        switch (event.GetId()) {
        case ID_DELETE_PHOTO: {
            const int column = Grid()->CurrentColumn();
            const int line = Grid()->CurrentRow();
            if (rows.DeletePhoto(column, line)) {
                Grid()->RepaintRange(column, line, Grid()->GetColCount() - 1, line);
                List()->UpdateAllViews(&m_view, kHintRowsEdited);
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
            List()->Host().SetWaitCursor(!right);
            const std::vector<int> turned = rows.RotatePhotos(Grid()->SelectedBlocks(), right);
            for (int photo : turned) {
                Grid()->ReloadThumbnail(photo);
            }
            List()->Host().SetWaitCursor(false);
            if (!turned.empty()) {
                List()->UpdateAllViews(&m_view, kHintRowsEdited);
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
    if (!HasList()) {
        event.Enable(false);
        return;
    }
    switch (event.GetId()) {
    case ID_DELETE_PHOTO:
    case ID_IMPORT_PHOTO:
        event.Enable(Grid()->CurrentRow() >= 0 && Grid()->CurrentRow() < Grid()->GetRowCount() &&
                     !List()->readOnly);
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
        event.Enable(CurrentPhoto() >= 0 && !List()->readOnly);
        break;
    default:
        event.Enable(false);
        break;
    }
}

void CListPhotoCommands::OutputSelectedPhotos()
{
    if (!HasList()) {
        return;
    }
    const std::vector<int> photos = CListRowEdits(*List()).PhotosOf(Grid()->SelectedBlocks());
    if (photos.empty()) {
        List()->Host().ShowWarningMessage(30702, 0);
        return;
    }
    COutputPhotoDlg dialog(m_view.GetFrame(), *List(), photos, wxGetApp().Settings());
    dialog.DoModal();
}
