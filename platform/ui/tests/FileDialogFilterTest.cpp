#include "platform/ui/FileDialogFilter.h"
#include "platform/ui/WxText.h"

#include <gtest/gtest.h>

TEST(FileDialogFilter, PatternsMatchTheirLettersInEitherCaseAndLabelsStay)
{
    EXPECT_EQ(FileDialogFilter("JPEGﾌｧｲﾙ(*.jpg)|*.jpg|全てのﾌｧｲﾙ(*.*)|*"),
              ToWx("JPEGﾌｧｲﾙ(*.jpg)|*.[jJ][pP][gG]|全てのﾌｧｲﾙ(*.*)|*"));
    EXPECT_EQ(FileDialogFilter("ﾃｷｽﾄﾌｧｲﾙ(*.csv;*.txt)|*.csv;*.txt"),
              ToWx("ﾃｷｽﾄﾌｧｲﾙ(*.csv;*.txt)|*.[cC][sS][vV];*.[tT][xX][tT]"));
    // A label's double-byte character may end in the bar's byte; it stays a character.
    EXPECT_EQ(FileDialogFilter("\x95\x7C\x8E\x86|*.ZBK"), ToWx("\x95\x7C\x8E\x86|*.[zZ][bB][kK]"));
    EXPECT_EQ(FileDialogFilter(""), wxString());
}
