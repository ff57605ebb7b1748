#include "app/printing/PrintTextHeights.h"
#include "app/printing/PrintTextHeightCache.h"
#include "app/printing/SureLineBreaks.h"
#include "platform/Cp932.h"
#include "platform/FileSystem.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/PdfDocument.h"

#include <gtest/gtest.h>
#include <pango/pango.h>

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
                                      "チョコレートケーキ、シュークリーム。「ショートケーキ」（ホール）",
                                      "きゅうしゅう産のっぺいじる々と東京都千代田区丸の内",
                                      "Premium Cotton Tシャツ 150ｃｍ 木製 ｶﾞﾗｽ ﾎﾞﾄﾙ",
                                      "supercalifragilisticexpialidocious",
                                      "Premium Cotton LED Premium Cotton LED Premium Cotton LED",
                                      "ｶﾞﾗｽ ﾎﾞﾄﾙ ｶﾞﾗｽ ﾎﾞﾄﾙ ｶﾞﾗｽ ﾎﾞﾄﾙ ｶﾞﾗｽ ﾎﾞﾄﾙ",
                                      "ＬＥＤＬＥＤライトＬＥＤＬＥＤ、ＬＥＤＬＥＤ。ＬＥＤＬＥＤ",
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
// the heights and by laying it out, must agree, and the height must lie within the bounds its
// characters give.
void ExpectHeightsOfALayout(Canvas& canvas, int fontHeight)
{
    LogFont font;
    font.faceName = "ＭＳ 明朝";
    font.height = fontHeight;
    canvas.SelectFont(font);
    CPrintTextHeightCache cache;
    CPrintTextHeights heights(canvas, cache);
    int oneLine = 0;
    int wrapped = 0;
    int boundedWrapped = 0;
    for (const std::string& text : Texts()) {
        const CString cell(text);
        CRect unlimited(0, 0, 0x10000, 0);
        canvas.DrawText(cell, unlimited, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        for (int width = 0; width <= unlimited.Width() + 2 * fontHeight; ++width) {
            CRect box(0, 0, width, 0);
            const int laidOut = canvas.DrawText(cell, box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            ASSERT_EQ(heights.Of(cell, width), laidOut) << text << " in " << width << " at " << fontHeight;
            const CPrintTextHeights::Bounds bounds = heights.BoundsOf(cell, width);
            ASSERT_LE(bounds.atLeast, laidOut) << text << " in " << width << " at " << fontHeight;
            if (bounds.atMost >= 0) {
                ASSERT_GE(bounds.atMost, laidOut) << text << " in " << width << " at " << fontHeight;
            }
            const bool wraps = laidOut > fontHeight + fontHeight / 2;
            (wraps ? wrapped : oneLine) += 1;
            boundedWrapped += wraps && bounds.atMost >= 0 ? 1 : 0;
        }
    }
    EXPECT_GT(oneLine, 0);
    EXPECT_GT(wrapped, 0);
    EXPECT_GT(boundedWrapped, 0) << "the bounds tell something of texts that wrap";
}

} // namespace

TEST(PrintTextHeights, TextsMeasureAsTheirLayoutsInEveryWidthOnAPdfPage)
{
    PdfDocument pdf;
    ASSERT_TRUE(pdf.Create(
        FileSystem::FromNative(std::filesystem::temp_directory_path() / "zantoby-heights.pdf"), 2100, 2970));
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
    CPrintTextHeightCache cache;
    CPrintTextHeights heights(screen, cache);
    const CString text("まとめ買いの割引は店頭で");
    const int narrow = heights.Of(text, 100);
    const int wide = heights.Of(text, 2000);
    EXPECT_GT(narrow, wide);
    EXPECT_EQ(heights.Of(text, 100), narrow);
    EXPECT_EQ(heights.Of(text, 2000), wide);
    EXPECT_EQ(heights.Of("", 100), 0);
}

TEST(PrintTextHeights, EveryPlaceTakenForASureBreakIsOneForTheTextLayout)
{
    // Every character of the code page beside characters of every kind, either way round.
    std::vector<std::string> characters;
    for (unsigned code = 0x20; code < 0x7F; ++code) {
        characters.emplace_back(1, static_cast<char>(code));
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string character{static_cast<char>(lead), static_cast<char>(trail)};
            bool lossless = false;
            if (Cp932::IsLeadByte(static_cast<unsigned char>(lead)) && trail != 0x7F &&
                !Cp932::ToUtf8(character, &lossless).empty() && lossless) {
                characters.push_back(character);
            }
        }
    }
    const std::vector<std::string> neighbours = {"亜", "あ", "ア", "１", "ａ", "a",  "Z", "7", " ",
                                                 "、", "。", "ー", "ッ", "「", "」", ",", ".", "-"};
    PangoLanguage* japanese = pango_language_from_string("ja");
    std::vector<PangoLogAttr> attributes(3);
    auto layoutBreaksBetween = [&](const std::string& before, const std::string& after) {
        const std::string pair = Cp932::ToUtf8(before + after);
        pango_get_log_attrs(pair.data(), static_cast<int>(pair.size()), -1, japanese, attributes.data(), 3);
        return attributes[1].is_line_break != 0;
    };
    int sure = 0;
    for (const std::string& character : characters) {
        for (const std::string& neighbour : neighbours) {
            for (const auto& [before, after] :
                 {std::pair(character, neighbour), std::pair(neighbour, character)}) {
                if (SureLineBreaks::Between(before, after)) {
                    ++sure;
                    ASSERT_TRUE(layoutBreaksBetween(before, after)) << Cp932::ToUtf8(before + "|" + after);
                }
            }
        }
    }
    EXPECT_GT(sure, 100'000) << "kanji and kana break beside each other";
    EXPECT_TRUE(SureLineBreaks::Between("n", "亜"));
    EXPECT_TRUE(SureLineBreaks::Between(" ", "1"));
    EXPECT_FALSE(SureLineBreaks::Between("亜", "ー")) << "a long mark does not begin a line";
    EXPECT_FALSE(SureLineBreaks::Between("", "亜")) << "nothing breaks before the text";
}
