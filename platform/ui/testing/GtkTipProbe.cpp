#include "platform/ui/testing/GtkTipProbe.h"

#include <gtk/gtk.h>

#include <cstring>

bool GtkTipProbe::AnyShown()
{
    bool shown = false;
    GList* windows = gtk_window_list_toplevels();
    for (GList* node = windows; node != nullptr; node = node->next) {
        // Tooltips live in a top-level window of a type of GTK's own.
        auto* window = static_cast<GtkWidget*>(node->data);
        if (std::strcmp(G_OBJECT_TYPE_NAME(window), "GtkTooltipWindow") == 0 &&
            gtk_widget_get_mapped(window)) {
            shown = true;
        }
    }
    g_list_free(windows);
    return shown;
}
