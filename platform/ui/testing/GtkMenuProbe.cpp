#include "platform/ui/testing/GtkMenuProbe.h"

#include "platform/ui/WxText.h"

#include <wx/frame.h>
#include <wx/menu.h>

#include <gtk/gtk.h>

namespace {

// Menus live in popup top-level windows of their own.
std::vector<GtkWidget*> MappedMenus()
{
    std::vector<GtkWidget*> menus;
    GList* windows = gtk_window_list_toplevels();
    for (GList* node = windows; node != nullptr; node = node->next) {
        GtkWidget* child = gtk_bin_get_child(GTK_BIN(node->data));
        if (child != nullptr && GTK_IS_MENU(child) && gtk_widget_get_mapped(child)) {
            menus.push_back(child);
        }
    }
    g_list_free(windows);
    return menus;
}

bool SameLabel(GtkWidget* item, const CString& label)
{
    const CString shown = GtkMenuProbe::Label(item);
    return shown == label || ToWx(shown) == wxStripMenuCodes(ToWx(label));
}

} // namespace

GtkWidget* GtkMenuProbe::MenuBarItem(wxFrame& frame, const CString& title)
{
    wxMenuBar* bar = frame.GetMenuBar();
    for (size_t i = 0; bar != nullptr && i < bar->GetMenuCount(); ++i) {
        GtkWidget* item = bar->GetMenu(i)->m_owner;
        if (item != nullptr && SameLabel(item, title)) {
            return item;
        }
    }
    return nullptr;
}

GtkWidget* GtkMenuProbe::FindItem(GtkWidget* menu, const CString& label)
{
    GtkWidget* found = nullptr;
    GList* items = gtk_container_get_children(GTK_CONTAINER(menu));
    for (GList* node = items; node != nullptr && found == nullptr; node = node->next) {
        GtkWidget* item = GTK_WIDGET(node->data);
        if (GTK_IS_MENU_ITEM(item) && !GTK_IS_SEPARATOR_MENU_ITEM(item) && gtk_widget_get_visible(item) &&
            SameLabel(item, label)) {
            found = item;
        }
    }
    g_list_free(items);
    return found;
}

std::vector<GtkWidget*> GtkMenuProbe::SubmenuItems(GtkWidget* menu)
{
    std::vector<GtkWidget*> found;
    GList* items = gtk_container_get_children(GTK_CONTAINER(menu));
    for (GList* node = items; node != nullptr; node = node->next) {
        GtkWidget* item = GTK_WIDGET(node->data);
        if (GTK_IS_MENU_ITEM(item) && Submenu(item) != nullptr && gtk_widget_get_visible(item) &&
            IsSensitive(item)) {
            found.push_back(item);
        }
    }
    g_list_free(items);
    return found;
}

GtkWidget* GtkMenuProbe::Submenu(GtkWidget* item)
{
    return gtk_menu_item_get_submenu(GTK_MENU_ITEM(item));
}

CString GtkMenuProbe::Label(GtkWidget* item)
{
    GtkWidget* child = gtk_bin_get_child(GTK_BIN(item));
    if (child == nullptr || !GTK_IS_LABEL(child)) {
        return CString();
    }
    return FromWx(wxString::FromUTF8(gtk_label_get_text(GTK_LABEL(child))));
}

bool GtkMenuProbe::IsSensitive(GtkWidget* item)
{
    return gtk_widget_is_sensitive(item);
}

bool GtkMenuProbe::IsPlaced(GtkWidget* widget)
{
    GtkAllocation area;
    gtk_widget_get_allocation(widget, &area);
    return gtk_widget_get_mapped(widget) && area.width > 1 && area.height > 1;
}

bool GtkMenuProbe::IsOpen(GtkWidget* menu)
{
    return menu != nullptr && gtk_widget_get_mapped(menu);
}

bool GtkMenuProbe::AnyOpen()
{
    return !MappedMenus().empty();
}

GtkWidget* GtkMenuProbe::OpenPopup()
{
    for (GtkWidget* menu : MappedMenus()) {
        if (!GTK_IS_MENU_ITEM(gtk_menu_get_attach_widget(GTK_MENU(menu)))) {
            return menu;
        }
    }
    return nullptr;
}

wxPoint GtkMenuProbe::ScreenCentre(GtkWidget* widget)
{
    GtkAllocation area;
    gtk_widget_get_allocation(widget, &area);
    gint x = 0;
    gint y = 0;
    gdk_window_get_origin(gtk_widget_get_window(widget), &x, &y);
    return wxPoint(x + area.x + area.width / 2, y + area.y + area.height / 2);
}
