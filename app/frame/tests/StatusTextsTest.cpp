#include "app/frame/StatusTexts.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// The status bar as the main window would keep it.
class FakeStatusBar : public IStatusBarSink
{
  public:
    void SetIdleMessage(const CString& text) override { idle = text; }
    void SetPaneText(int pane, const CString& text) override { panes[pane] = text; }
    void DrawPanesNow() override { drawnNow.push_back(panes[0]); }

    CString idle = "ﾚﾃﾞｨ";
    // Pane 0 at each drawing at once.
    std::vector<CString> drawnNow;
    std::map<int, CString> panes{{0, "old"}, {1, "old"}, {2, "old"}};
};

class StatusTextsTest : public testing::Test
{
  protected:
    StatusTextsTest() { texts.Attach(&bar); }

    FakeStatusBar bar;
    CStatusTexts texts;
};

} // namespace

TEST_F(StatusTextsTest, ProgressTextStaysAsTheIdleMessageUntilCleared)
{
    texts.SetProgressText("12行目");
    EXPECT_EQ(bar.panes[0], "12行目");
    EXPECT_EQ(bar.idle, "12行目");
    texts.ClearProgressText();
    EXPECT_EQ(bar.panes[0], "");
    EXPECT_EQ(bar.idle, "");
}

TEST_F(StatusTextsTest, OnlyProgressIsDrawnAtOnceWhileItsOperationKeepsTheWindowBusy)
{
    texts.SetProgressText("12行目");
    texts.ShowRowPosition(0, 5);
    texts.ShowZoomPercent(10000);
    texts.ShowNotice("理由");
    texts.ClearProgressText();
    EXPECT_EQ(bar.drawnNow, std::vector<CString>{"12行目"});
}

TEST_F(StatusTextsTest, RowPositionIsOneBasedAndRightAlignedInFourPlaces)
{
    texts.ShowRowPosition(0, 5);
    EXPECT_EQ(bar.panes[1], "   1 /    5");
    EXPECT_EQ(bar.panes[2], "");
    texts.ShowRowPosition(9999, 10000);
    EXPECT_EQ(bar.panes[1], "10000 / 10000");
}

TEST_F(StatusTextsTest, NoCurrentRowEmptiesPositionAndZoom)
{
    texts.ShowZoomPercent(10000);
    texts.ShowRowPosition(-1, 0);
    EXPECT_EQ(bar.panes[1], "");
    EXPECT_EQ(bar.panes[2], "");
}

TEST_F(StatusTextsTest, PointerPositionLeavesZoomAlone)
{
    texts.ShowZoomPercent(15000);
    texts.ShowPointerPosition(-3, 480);
    EXPECT_EQ(bar.panes[1], "-3 : 480");
    EXPECT_EQ(bar.panes[2], "150%");
}

TEST_F(StatusTextsTest, ZoomDropsFractionsAndEmptiesWhenNotPositive)
{
    texts.ShowZoomPercent(9999);
    EXPECT_EQ(bar.panes[2], "99%");
    texts.ShowZoomPercent(0);
    EXPECT_EQ(bar.panes[2], "");
    texts.ShowZoomPercent(-10000);
    EXPECT_EQ(bar.panes[2], "");
}

TEST(StatusTextsDetached, WithoutAStatusBarTheTextsGoNowhere)
{
    CStatusTexts texts;
    texts.SetProgressText("x");
    texts.ShowRowPosition(1, 2);
    FakeStatusBar bar;
    texts.Attach(&bar);
    texts.Attach(nullptr);
    texts.ShowZoomPercent(100);
    EXPECT_EQ(bar.panes[2], "old");
}
