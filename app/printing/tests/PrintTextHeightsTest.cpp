#include "app/printing/PrintTextHeights.h"
#include "platform/FileSystem.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/PdfDocument.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Cell texts of every kind: Japanese, Latin that kerns, both mixed, half-width kana, symbols,
// breaks, tabs, spaces, a lead byte cut off at the end, and empty.
std::vector<std::string> Texts()
{
    std::vector<std::string> texts = {"",
                                      "0",
                                      " ",
                                      "   ",
                                      "ステンレスボトル",
                                      "北海道産,限定タオル 120ｃｍ",
                                      "ＬＥＤライト",
                                      "ｶﾞﾗｽ花瓶",
                                      "CottonTシャツ",
                                      "Premiumマグ 7ｃｍ",
                                      "AVAVAVAVAVAVAVAV",
                                      "WAVE To Ty Yo LT fi ffl",
                                      "iiiiiiiiiiiiiiiiiiiiiiii",
                                      "WWWWWWWWWWWW",
                                      "2024/12/31",
                                      "A-0042",
                                      "false",
                                      "①②③㈱№∑√",
                                      "表示　全角空白",
                                      "one\ttab",
                                      "two\r\nlines",
                                      "line\nbreak",
                                      "a long sentence of many words that wraps in narrow cells",
                                      "色違いあり。まとめ買いの割引は店頭でお問い合わせください。",
                                      std::string("cut\x82", 4)};
    const char* const traits[] = {"木製", "大容量", "Cotton", "ｶﾞﾗｽ", "Premium"};
    const char* const things[] = {"チェア", "Tシャツ", "ノート", "クッション"};
    for (const char* trait : traits) {
        for (const char* thing : things) {
            texts.push_back(std::string(trait) + thing);
            texts.push_back(std::string(trait) + " " + thing + " 150ｃｍ");
        }
    }
    return texts;
}

// Every text in every width from none to past its one-line width, one unit apart, measured by
// the heights and by laying it out, must agree.
void ExpectHeightsOfALayout(Canvas& canvas, int fontHeight)
{
    LogFont font;
    font.faceName = "ＭＳ 明朝";
    font.height = fontHeight;
    canvas.SelectFont(font);
    CPrintTextHeights heights(canvas);
    int oneLine = 0;
    int wrapped = 0;
    for (const std::string& text : Texts()) {
        const CString cell(text);
        CRect unlimited(0, 0, 0x10000, 0);
        canvas.DrawText(cell, unlimited, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        for (int width = 0; width <= unlimited.Width() + 2 * fontHeight; ++width) {
            CRect box(0, 0, width, 0);
            const int laidOut = canvas.DrawText(cell, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            ASSERT_EQ(heights.Of(cell, width), laidOut) << text << " in " << width << " at " << fontHeight;
            (laidOut > fontHeight + fontHeight / 2 ? wrapped : oneLine) += 1;
        }
    }
    EXPECT_GT(oneLine, 0);
    EXPECT_GT(wrapped, 0);
}

} // namespace

TEST(PrintTextHeights, TextsMeasureAsTheirLayoutsInEveryWidthOnAPdfPage)
{
    PdfDocument pdf;
    ASSERT_TRUE(pdf.Create(FileSystem::FromNative(std::filesystem::temp_directory_path() / "zantoby-heights.pdf"),
                           2100, 2970));
    Canvas page(pdf.Context());
    page.SetResolution(PdfDocument::kDotsPerInch);
    page.SetMapMode(MM_LOMETRIC);
    for (int fontHeight : {14, 32, 50}) {
        ExpectHeightsOfALayout(page, fontHeight);
    }
}

TEST(PrintTextHeights, TextsMeasureAsTheirLayoutsInEveryWidthOnAScreen)
{
    // Whole-pixel advances, as the preview's pages have.
    Canvas screen;
    screen.SetMapMode(MM_LOMETRIC);
    for (int fontHeight : {14, 32}) {
        ExpectHeightsOfALayout(screen, fontHeight);
    }
}

TEST(PrintTextHeights, ARepeatedTextKeepsItsHeightInEachWidth)
{
    Canvas screen;
    screen.SetMapMode(MM_LOMETRIC);
    LogFont font;
    font.faceName = "ＭＳ ゴシック";
    font.height = 32;
    screen.SelectFont(font);
    CPrintTextHeights heights(screen);
    const CString text("まとめ買いの割引は店頭で");
    const int narrow = heights.Of(text, 100);
    const int wide = heights.Of(text, 2000);
    EXPECT_GT(narrow, wide);
    EXPECT_EQ(heights.Of(text, 100), narrow);
    EXPECT_EQ(heights.Of(text, 2000), wide);
    EXPECT_EQ(heights.Of("", 100), 0);
}
