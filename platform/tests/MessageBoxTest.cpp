#include "platform/MessageBox.h"

#include <gtest/gtest.h>

TEST(MessageBoxHook, ReachesTheInstalledHandlerAndRestores)
{
    CString seen;
    auto previous = SetMessageBoxHandler([&](const CString& text, const CString&, unsigned style) {
        seen = text;
        return (style & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
    });
    EXPECT_EQ(ShowMessageBox("質問", "c", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(seen, "質問");
    SetMessageBoxHandler(previous);
    // Without a handler the first button answers, so unattended runs never block.
    EXPECT_EQ(ShowMessageBox("x", "c", MB_YESNOCANCEL), IDYES);
}
