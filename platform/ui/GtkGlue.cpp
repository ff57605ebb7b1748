#include "platform/ui/GtkGlue.h"

#include <algorithm>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/listbox.h>
#include <wx/mdi.h>
#include <wx/toplevel.h>

void GtkGlue::SetResizable(wxTopLevelWindow& window, bool resizable)
{
    if (window.GetHandle() != nullptr && GTK_IS_WINDOW(window.GetHandle())) {
        gtk_window_set_resizable(GTK_WINDOW(window.GetHandle()), resizable ? TRUE : FALSE);
    }
}

void GtkGlue::MoveTopLevel(wxTopLevelWindow& window, const wxPoint& position)
{
    if (window.GetHandle() != nullptr && GTK_IS_WINDOW(window.GetHandle())) {
        gtk_window_move(GTK_WINDOW(window.GetHandle()), position.x, position.y);
    }
}

void GtkGlue::AllocateBeforeFirstShow(wxTopLevelWindow& window)
{
    GtkWidget* widget = window.GetHandle();
    if (widget == nullptr || gtk_widget_get_realized(widget)) {
        return;
    }
    GtkAllocation allocation;
    gtk_widget_get_allocation(widget, &allocation);
    // A widget that was never laid out has an allocation of 1 x 1.
    if (allocation.width > 1 || allocation.height > 1) {
        return;
    }
    const wxSize size = window.GetSize();
    allocation = {0, 0, std::max(size.x, 1), std::max(size.y, 1)};
    gtk_widget_set_allocation(widget, &allocation);
}

void GtkGlue::LayOutPending(wxWindow& window)
{
    GtkWidget* widget = window.GetHandle();
    GtkWidget* top = widget != nullptr ? gtk_widget_get_toplevel(widget) : nullptr;
    if (top != nullptr && GTK_IS_WINDOW(top) && gtk_widget_get_visible(top)) {
        gtk_container_check_resize(GTK_CONTAINER(top));
    }
}

namespace {

extern "C" gboolean LowerMapped(GtkWidget* widget, GdkEvent*, gpointer)
{
    g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(LowerMapped), nullptr);
    if (GdkWindow* window = gtk_widget_get_window(widget)) {
        gdk_window_lower(window);
    }
    return FALSE;
}

} // namespace

void GtkGlue::SetTakesKeyboard(wxTopLevelWindow& window, bool takes)
{
    if (window.GetHandle() != nullptr && GTK_IS_WINDOW(window.GetHandle())) {
        gtk_window_set_accept_focus(GTK_WINDOW(window.GetHandle()), takes ? TRUE : FALSE);
    }
}

void GtkGlue::LowerWhenMapped(wxTopLevelWindow& window)
{
    if (window.GetHandle() != nullptr && GTK_IS_WINDOW(window.GetHandle())) {
        g_signal_connect(window.GetHandle(), "map-event", G_CALLBACK(LowerMapped), nullptr);
    }
}

void GtkGlue::SetOwnWindowGroup(wxTopLevelWindow& window)
{
    if (window.GetHandle() == nullptr || !GTK_IS_WINDOW(window.GetHandle())) {
        return;
    }
    GtkWindow* handle = GTK_WINDOW(window.GetHandle());
    if (gtk_window_has_group(handle)) {
        return;
    }
    GtkWindowGroup* group = gtk_window_group_new();
    gtk_window_group_add_window(group, handle);
    // The window holds the group from now on.
    g_object_unref(group);
}

bool GtkGlue::IsResizable(const wxTopLevelWindow& window)
{
    GtkWidget* handle = const_cast<wxTopLevelWindow&>(window).GetHandle();
    return handle != nullptr && GTK_IS_WINDOW(handle) && gtk_window_get_resizable(GTK_WINDOW(handle));
}

double GtkGlue::FontResolution()
{
    GdkScreen* screen = gdk_screen_get_default();
    const double resolution = screen != nullptr ? gdk_screen_get_resolution(screen) : -1;
    return resolution > 0 ? resolution : 96.0;
}

wxSize GtkGlue::GetMinimumSize(wxWindow& window)
{
    GtkWidget* widget = window.GetHandle();
    if (widget == nullptr) {
        return wxSize(0, 0);
    }
    int width = 0;
    int height = 0;
    gtk_widget_get_preferred_width(widget, &width, nullptr);
    gtk_widget_get_preferred_height(widget, &height, nullptr);
    return wxSize(width, height);
}

int GtkGlue::GetListLineHeight(wxListBox& list)
{
    GtkTreeView* view = list.m_treeview;
    GtkTreeViewColumn* column = view != nullptr ? gtk_tree_view_get_column(view, 0) : nullptr;
    GtkTreeModel* model = view != nullptr ? gtk_tree_view_get_model(view) : nullptr;
    if (column == nullptr || model == nullptr) {
        return 0;
    }
    // The renderers measure the row their cell data came from last.
    GtkTreeIter first;
    if (gtk_tree_model_get_iter_first(model, &first)) {
        gtk_tree_view_column_cell_set_cell_data(column, model, &first, FALSE, FALSE);
    }
    int height = 0;
    gtk_tree_view_column_cell_get_size(column, nullptr, nullptr, nullptr, nullptr, &height);
    int separator = 0;
    gtk_widget_style_get(GTK_WIDGET(view), "vertical-separator", &separator, nullptr);
    return height + separator;
}

void GtkGlue::SetListCursor(wxListBox& list, int line)
{
    GtkTreeView* view = list.m_treeview;
    if (view == nullptr || line < 0 || line >= static_cast<int>(list.GetCount())) {
        return;
    }
    GtkTreePath* path = gtk_tree_path_new_from_indices(line, -1);
    gtk_tree_view_set_cursor(view, path, nullptr, FALSE);
    gtk_tree_view_scroll_to_cell(view, path, nullptr, FALSE, 0, 0);
    gtk_tree_path_free(path);
}

void GtkGlue::SetTabTip(wxMDIChildFrame& child, const wxString& tip)
{
    wxMDIParentFrame* parent = child.GetMDIParent();
    GtkWidget* bar = parent != nullptr && parent->GetClientWindow() != nullptr
                         ? parent->GetClientWindow()->GetHandle()
                         : nullptr;
    if (bar == nullptr || !GTK_IS_NOTEBOOK(bar)) {
        return;
    }
    if (GtkWidget* tab = gtk_notebook_get_tab_label(GTK_NOTEBOOK(bar), child.GetHandle())) {
        gtk_widget_set_tooltip_text(tab, tip.empty() ? nullptr : tip.utf8_str().data());
    }
}

void GtkGlue::Present(wxTopLevelWindow& window)
{
    GtkWidget* widget = window.GetHandle();
    GdkWindow* shown = widget != nullptr ? gtk_widget_get_window(widget) : nullptr;
    if (shown == nullptr) {
        return;
    }
    // The server's time now counts as the user's, later than any input the other windows had.
    const guint32 now = GDK_IS_X11_WINDOW(shown) ? gdk_x11_get_server_time(shown) : GDK_CURRENT_TIME;
    gtk_window_present_with_time(GTK_WINDOW(widget), now);
}
