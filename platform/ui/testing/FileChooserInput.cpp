#include "platform/ui/testing/FileChooserInput.h"

#include "platform/ui/WxText.h"
#include "platform/ui/testing/FakeInput.h"

#include <wx/window.h>

#include <gtk/gtk.h>

namespace {

// The list of files: the tree view on show in the chooser.
GtkTreeView* FileList(GtkWidget* widget)
{
    if (GTK_IS_TREE_VIEW(widget) && gtk_widget_get_mapped(widget)) {
        return GTK_TREE_VIEW(widget);
    }
    GtkTreeView* found = nullptr;
    if (GTK_IS_CONTAINER(widget)) {
        // The chooser's parts are internal children.
        gtk_container_forall(
            GTK_CONTAINER(widget),
            [](GtkWidget* child, gpointer data) {
                auto* result = static_cast<GtkTreeView**>(data);
                if (*result == nullptr) {
                    *result = FileList(child);
                }
            },
            &found);
    }
    return found;
}

// The row whose name column shows the text (UTF-8), or null. The chooser's model keeps its
// columns to itself, so the name is read as the column's text cell would draw it.
GtkTreePath* PathOf(GtkTreeModel* model, GtkTreeViewColumn* column, const char* text)
{
    GList* cells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(column));
    GtkCellRenderer* textCell = nullptr;
    for (GList* node = cells; node != nullptr && textCell == nullptr; node = node->next) {
        if (GTK_IS_CELL_RENDERER_TEXT(node->data)) {
            textCell = GTK_CELL_RENDERER(node->data);
        }
    }
    g_list_free(cells);
    GtkTreeIter row;
    bool more = textCell != nullptr && gtk_tree_model_get_iter_first(model, &row);
    for (; more; more = gtk_tree_model_iter_next(model, &row)) {
        gtk_tree_view_column_cell_set_cell_data(column, model, &row, FALSE, FALSE);
        gchar* shown = nullptr;
        g_object_get(textCell, "text", &shown, nullptr);
        const bool same = shown != nullptr && g_strcmp0(shown, text) == 0;
        g_free(shown);
        if (same) {
            return gtk_tree_model_get_path(model, &row);
        }
    }
    return nullptr;
}

} // namespace

bool FileChooserInput::ClickFile(wxWindow& dialog, const CString& name)
{
    GtkTreeView* list = FileList(dialog.GetHandle());
    GtkTreeModel* model = list != nullptr ? gtk_tree_view_get_model(list) : nullptr;
    GtkTreeViewColumn* column = list != nullptr ? gtk_tree_view_get_column(list, 0) : nullptr;
    if (model == nullptr || column == nullptr) {
        return false;
    }
    GtkTreePath* path = PathOf(model, column, ToWx(name).utf8_str().data());
    if (path == nullptr) {
        return false;
    }
    GdkRectangle cell;
    gtk_tree_view_get_cell_area(list, path, column, &cell);
    gtk_tree_path_free(path);
    int x = 0;
    int y = 0;
    gtk_tree_view_convert_bin_window_to_widget_coords(list, cell.x + cell.width / 2, cell.y + cell.height / 2,
                                                      &x, &y);
    // The tree view has a window of its own, so its widget coordinates start at that window.
    int left = 0;
    int top = 0;
    gdk_window_get_origin(gtk_widget_get_window(GTK_WIDGET(list)), &left, &top);
    FakeInput::MoveTo(wxPoint(left + x, top + y));
    FakeInput::Button(wxMOUSE_BTN_LEFT, true);
    FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    return true;
}
