// A message box on a desktop whose window manager draws the title bars: the box's caption shows
// whole above its short text, its middle and its end alike.
#include "platform/MessageBox.h"
#include "platform/ui/WxMessageBox.h"
#include "platform/ui/testing/InputSteps.h"
#include "platform/ui/testing/TestWindowManager.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <memory>
#include <string>

namespace {

// What the manager drew above a box's client area.
struct TitleBar
{
    int width = 0;
    std::string pixels;
    bool operator==(const TitleBar&) const = default;
};

// The message box on the screen and active, or null.
GtkWindow* ActiveBox()
{
    GtkWindow* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* node = windows; node != nullptr; node = node->next) {
        if (GTK_IS_MESSAGE_DIALOG(node->data) && gtk_widget_get_mapped(GTK_WIDGET(node->data)) &&
            gtk_window_is_active(GTK_WINDOW(node->data))) {
            found = GTK_WINDOW(node->data);
        }
    }
    g_list_free(windows);
    return found;
}

// The title bar over a box; empty while it has no frame.
TitleBar TitleBarOf(GtkWindow* box)
{
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(box));
    GdkRectangle frame{};
    gdk_window_get_frame_extents(window, &frame);
    int x = 0;
    int y = 0;
    gdk_window_get_origin(window, &x, &y);
    if (y <= frame.y || frame.width <= 0) {
        return TitleBar();
    }
    GdkPixbuf* shot =
        gdk_pixbuf_get_from_window(gdk_get_default_root_window(), frame.x, frame.y, frame.width, y - frame.y);
    if (shot == nullptr) {
        return TitleBar();
    }
    TitleBar bar;
    bar.width = frame.width;
    bar.pixels.assign(reinterpret_cast<const char*>(gdk_pixbuf_read_pixels(shot)),
                      gdk_pixbuf_get_byte_length(shot));
    g_object_unref(shot);
    return bar;
}

// Shows a box with the caption, as the program's numbered messages show, and returns its title
// bar once the manager has framed it and drawn it twice alike; Return answers it.
TitleBar TitleBarOfABox(const char* caption)
{
    auto bar = std::make_shared<TitleBar>();
    auto last = std::make_shared<TitleBar>();
    UserInput::AnswerNextModal([bar, last](wxWindow*) {
        InputSteps::Start(
            "the box is framed and drawn",
            [bar, last] {
                GtkWindow* box = ActiveBox();
                const TitleBar now = box != nullptr ? TitleBarOf(box) : TitleBar();
                const bool still = !now.pixels.empty() && now == *last;
                *last = now;
                if (still) {
                    *bar = now;
                }
                return still;
            },
            [] { UserInput::Press(WXK_RETURN); });
    });
    EXPECT_EQ(WxMessageBox::Show("選択した行を削除します", caption, MB_YESNO | MB_ICONQUESTION | MB_TOPMOST),
              IDYES);
    EXPECT_TRUE(UserInput::Finish());
    return *bar;
}

} // namespace

TEST(MessageBoxFrameWindowTest, AShortBoxShowsItsWholeCaptionInItsTitleBar)
{
    // Made before wx starts, so that wx comes up on the managed display.
    static TestWindowManager desktop;
    ASSERT_TRUE(desktop.IsRunning());
    WxTestEnvironment::Ensure();

    const TitleBar shown = TitleBarOfABox("Zantoby v2.108.0 : MSG=20202");
    ASSERT_FALSE(shown.pixels.empty());
    // A caption the manager cuts loses its middle or its end: a digit changed there would not
    // show. Digits are alike in width, so the boxes are too.
    const TitleBar middle = TitleBarOfABox("Zantoby v2.109.0 : MSG=20202");
    EXPECT_EQ(middle.width, shown.width);
    EXPECT_NE(middle.pixels, shown.pixels) << "the middle of the caption is cut";
    const TitleBar end = TitleBarOfABox("Zantoby v2.108.0 : MSG=20203");
    EXPECT_EQ(end.width, shown.width);
    EXPECT_NE(end.pixels, shown.pixels) << "the end of the caption is cut";
}
