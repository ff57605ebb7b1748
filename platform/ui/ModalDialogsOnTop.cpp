#include "platform/ui/ModalDialogsOnTop.h"

#include <gtk/gtk.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>

namespace {

// A window manager keeps a dialog marked modal in the layer of the window it belongs to, below
// every window that stays above the others; unmarked, it keeps its own place above them. The
// toolkit's grab still holds the program's other windows while the dialog is open.
void UnmarkModal(GtkWidget* widget)
{
    if (GdkWindow* window = gtk_widget_get_window(widget)) {
        gdk_window_set_modal_hint(window, FALSE);
    }
}

extern "C" void OnDialogRealized(GtkWidget* widget, gpointer)
{
    UnmarkModal(widget);
}

// Shown, the dialog comes to the top of the windows above the others, which a window that
// stayed above them while the dialog was made would otherwise keep.
extern "C" void OnDialogMapped(GtkWidget* widget, gpointer)
{
    UnmarkModal(widget);
    if (GdkWindow* window = gtk_widget_get_window(widget)) {
        gdk_window_raise(window);
    }
}

// The dialogs of the file chooser and of the program alike come through wx's hook of modal
// dialogs before they are shown.
class KeepAboveHook : public wxModalDialogHook
{
  protected:
    int Enter(wxDialog* dialog) override
    {
        GtkWidget* widget = dialog != nullptr ? dialog->GetHandle() : nullptr;
        if (widget != nullptr && GTK_IS_WINDOW(widget)) {
            gtk_window_set_keep_above(GTK_WINDOW(widget), TRUE);
            if (gtk_widget_get_realized(widget)) {
                UnmarkModal(widget);
            }
            g_signal_connect_after(widget, "realize", G_CALLBACK(OnDialogRealized), nullptr);
            g_signal_connect_after(widget, "map", G_CALLBACK(OnDialogMapped), nullptr);
        }
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override
    {
        GtkWidget* widget = dialog != nullptr ? dialog->GetHandle() : nullptr;
        if (widget != nullptr && GTK_IS_WINDOW(widget)) {
            g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(OnDialogRealized),
                                                 nullptr);
            g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(OnDialogMapped), nullptr);
            gtk_window_set_keep_above(GTK_WINDOW(widget), FALSE);
        }
    }
};

} // namespace

void ModalDialogsOnTop::Install()
{
    static KeepAboveHook* hook = nullptr;
    if (hook == nullptr) {
        hook = new KeepAboveHook();
        hook->Register();
    }
}
