#include "app/listwindow/ui/ListGridMenu.h"

#include "app/editing/ListRowEdits.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/listwindow/ui/PhotoPropertiesHook.h"
#include "app/startup/ui/ZantobyApp.h"
#include "list/ZantobyDoc.h"
#include "platform/ui/WxText.h"

#include <wx/menu.h>

namespace {

constexpr int ID_CUT = 57635;
constexpr int ID_COPY = 57634;
constexpr int ID_PASTE = 57637;
constexpr int ID_PASTE_REFERENCE = 57638;
constexpr int ID_COPY_PHOTO_NAME = 57645;
constexpr int ID_PHOTO_OUTPUT = 32877;
constexpr int ID_AUTO_INPUT = 32933;
constexpr int ID_FIND = 32780;
constexpr int ID_IMPORT_PHOTO = 32891;
constexpr int ID_PHOTO_PROPERTIES = 32967;
constexpr int ID_EDIT_PHOTO = 32873;
constexpr int ID_ROTATE_RIGHT = 33073;
constexpr int ID_ROTATE_LEFT = 33074;
constexpr int ID_SORT_ASCENDING = 32803;
constexpr int ID_SORT_DESCENDING = 32804;
constexpr int ID_COLUMN_INFO = 32809;
constexpr int ID_INSERT_LINE = 32774;
constexpr int ID_DUPLICATE_ROW = 32776;
constexpr int ID_DELETE_ROWS = 32777;
constexpr int ID_AUTO_HEIGHT = 32930;
constexpr int ID_SORT_SETTINGS = 32837;
constexpr int ID_AUTO_HEIGHT_ALL = 32931;
constexpr int ID_DELETE_ALL_ROWS = 32874;

} // namespace

void CListGridMenu::AddItem(wxMenu& menu, int id, const char* text, bool enabled)
{
    menu.Append(id, ToWx(text))->Enable(enabled);
}

int CListGridMenu::Start(int column, int row, int section)
{
    CZantobyDoc* doc = m_grid.Doc();
    // The right button takes photos while the continuous import window shows.
    if (doc == nullptr || wxGetApp().GetContinuousImportWindow() != nullptr) {
        return 0;
    }
    m_grid.ClearPopupMenu();
    wxMenu& menu = m_grid.GetPopupMenu();
    switch (section) {
    case GridSection::CellArea:
        if (m_grid.IsEditing() || column < 0 || row < 0 || column >= m_grid.GetColCount() ||
            row >= m_grid.GetRowCount()) {
            return 0;
        }
        AddItem(menu, ID_CUT, "切り取り", true);
        AddItem(menu, ID_COPY, "コピー", true);
        AddItem(menu, ID_PASTE, "貼り付け", true);
        if (column < m_grid.DataColumns()) {
            menu.AppendSeparator();
            AddItem(menu, ID_PHOTO_OUTPUT, "写真出力", true);
            menu.AppendSeparator();
            AddItem(menu, ID_AUTO_INPUT, "自動入力", m_grid.IsSingleRange());
        } else {
            const bool writable = !doc->readOnly;
            const bool photo = CListRowEdits(*doc).PhotoAt(column, row) >= 0;
            AddItem(menu, ID_PASTE_REFERENCE, "参照貼り付け", true);
            menu.AppendSeparator();
            AddItem(menu, ID_COPY_PHOTO_NAME, "写真ファイル名をコピー", photo);
            menu.AppendSeparator();
            AddItem(menu, ID_IMPORT_PHOTO, "新規写真を追加", writable);
            AddItem(menu, ID_PHOTO_PROPERTIES, "ﾌﾟﾛﾊﾟﾃｨを表示", photo && CPhotoPropertiesHook::IsSet());
            AddItem(menu, ID_EDIT_PHOTO, "写真を編集", photo);
            AddItem(menu, ID_ROTATE_RIGHT, "右回転", photo && writable);
            AddItem(menu, ID_ROTATE_LEFT, "左回転", photo && writable);
            AddItem(menu, ID_PHOTO_OUTPUT, "写真出力", true);
        }
        menu.AppendSeparator();
        AddItem(menu, ID_FIND, "検索", true);
        return 1;
    case GridSection::TopHeading:
        if (column < 0 || column >= m_grid.DataColumns()) {
            return 0;
        }
        AddItem(menu, ID_SORT_ASCENDING, "昇順並替", true);
        AddItem(menu, ID_SORT_DESCENDING, "降順並替", true);
        menu.AppendSeparator();
        AddItem(menu, ID_COLUMN_INFO, "項目情報を設定", true);
        return 1;
    case GridSection::SideHeading:
        if (row < 0 || row >= m_grid.GetRowCount()) {
            return 0;
        }
        AddItem(menu, ID_INSERT_LINE, "行挿入", doc->displayCount < kMaxDisplayRows);
        AddItem(menu, ID_DUPLICATE_ROW, "行複写", m_grid.RowOf(row) >= 0);
        AddItem(menu, ID_DELETE_ROWS, "行削除", true);
        menu.AppendSeparator();
        AddItem(menu, ID_AUTO_HEIGHT, "行の高さを自動調整", true);
        return 1;
    case GridSection::Corner:
        AddItem(menu, ID_COLUMN_INFO, "ﾘｽﾄ情報を設定", true);
        AddItem(menu, ID_DELETE_ROWS, "表示中の全ﾃﾞｰﾀを削除", m_grid.GetRowCount() > 0);
        AddItem(menu, ID_SORT_SETTINGS, "並替設定", true);
        AddItem(menu, ID_AUTO_HEIGHT_ALL, "全行の高さを自動調整", true);
        return 1;
    default:
        return 0;
    }
}

void CListGridMenu::Command(int column, int row, int section, unsigned int id)
{
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return;
    }
    CGridView& view = m_grid.View();
    switch (section) {
    case GridSection::TopHeading:
        if (id == ID_COLUMN_INFO) {
            doc->EditColumnInfo(column);
        } else {
            doc->SortByColumn(column, id == ID_SORT_DESCENDING);
        }
        return;
    case GridSection::Corner:
        if (id == ID_COLUMN_INFO) {
            doc->OnListInfo();
        } else if (id == ID_SORT_SETTINGS) {
            doc->OnSortSettings();
        } else {
            // Here the menu's delete stands for every row shown.
            view.RunCommand(id == ID_DELETE_ROWS ? ID_DELETE_ALL_ROWS : static_cast<int>(id));
        }
        return;
    case GridSection::SideHeading:
        m_grid.MoveToRow(row);
        view.RunCommand(static_cast<int>(id));
        return;
    default:
        if (id == ID_FIND) {
            doc->OnFind();
        } else {
            view.RunCommand(static_cast<int>(id));
        }
        return;
    }
}
