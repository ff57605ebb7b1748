#include "platform/ui/testing/PrintDialogInput.h"

#include "platform/ui/testing/FakeInput.h"

#include <wx/mousestate.h>

#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

namespace {

constexpr int kPollMs = 50;

// The Print button of a shown print dialog that may print on the file printer, or null.
GtkWidget* ReadyPrintButton()
{
    GtkWidget* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item != nullptr && found == nullptr; item = item->next) {
        auto* window = static_cast<GtkWidget*>(item->data);
        if (!GTK_IS_PRINT_UNIX_DIALOG(window) || !gtk_widget_get_mapped(window)) {
            continue;
        }
        GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(GTK_PRINT_UNIX_DIALOG(window));
        GtkWidget* button = gtk_dialog_get_widget_for_response(GTK_DIALOG(window), GTK_RESPONSE_OK);
        if (printer != nullptr && gtk_printer_is_virtual(printer) && button != nullptr &&
            gtk_widget_is_sensitive(button) && gtk_widget_get_mapped(button)) {
            found = button;
        }
    }
    g_list_free(windows);
    return found;
}

gboolean ClickWhenReady(gpointer data)
{
    int& left = *static_cast<int*>(data);
    GtkWidget* button = ReadyPrintButton();
    if (button == nullptr) {
        left -= kPollMs;
        if (left > 0) {
            return G_SOURCE_CONTINUE;
        }
        delete &left;
        return G_SOURCE_REMOVE;
    }
    // A button draws on its toplevel's window, where its allocation lies.
    GtkAllocation box;
    gtk_widget_get_allocation(button, &box);
    int originX = 0;
    int originY = 0;
    gdk_window_get_origin(gtk_widget_get_window(button), &originX, &originY);
    FakeInput::MoveTo(wxPoint(originX + box.x + box.width / 2, originY + box.y + box.height / 2));
    FakeInput::Button(wxMOUSE_BTN_LEFT, true);
    FakeInput::Button(wxMOUSE_BTN_LEFT, false);
    FakeInput::Sync();
    delete &left;
    return G_SOURCE_REMOVE;
}

} // namespace

void PrintDialogInput::ClickPrintInNextDialog(int timeoutMs)
{
    g_timeout_add(kPollMs, &ClickWhenReady, new int(timeoutMs));
}
