#include "app/ExtractForm.h"
#include "app/GlobalFindForm.h"
#include "app/KeywordInput.h"
#include "app/ListViewRules.h"
#include "app/SearchState.h"
#include "list/GlobalFindSettings.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

CString Joined(const CStringArray& texts)
{
    CString joined;
    for (const CString& text : texts) {
        joined += joined.IsEmpty() ? text : "|" + text;
    }
    return joined;
}

// A list of four columns: Yes/No, text, number (with drop entries) and date.
class ExtractFormTest : public testing::Test
{
  protected:
    ExtractFormTest() : doc(std::make_unique<CZantobyDoc>(host))
    {
        const int types[] = {kTypeYesNo, kTypeText, kTypeNumber, kTypeDate};
        const char* names[] = {"在庫", "品名", "価格", "入荷日"};
        doc->columnCount = 4;
        for (int i = 0; i < 4; ++i) {
            ColumnRecord& column = doc->GetColumn(i);
            column.slot = i;
            column.type = types[i];
            column.name = names[i];
        }
        doc->GetColumn(2).thousands = true;
        doc->GetColumn(2).dropType = 2;
        doc->GetColumn(2).dropEntries.Add("100");
        doc->BuildColumnMap();
    }

    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

} // namespace

TEST(KeywordInputTest, FullWidthKeywordsSplitIntoHalfWidthOnesAndRunsOfSpacesGiveNoEmptyKeyword)
{
    CStringArray keywords;
    CKeywordInput::SplitKeywords("ＡＢＣ　ｄｅｆ  ｶﾒﾗ ", keywords);
    EXPECT_EQ(Joined(keywords), "ABC|def|ｶﾒﾗ");
    CKeywordInput::SplitKeywords("   ", keywords);
    EXPECT_TRUE(keywords.IsEmpty());
}

TEST(KeywordInputTest, HistoriesHoldTwentyNewestFirst)
{
    CStringArray history;
    for (int i = 1; i <= 21; ++i) {
        CString text;
        text.Format("k%d", i);
        CKeywordInput::AddToTop(history, text);
    }
    ASSERT_EQ(history.GetSize(), 20);
    EXPECT_EQ(history[0], "k21");
    EXPECT_EQ(history[19], "k2") << "the oldest entry goes";

    // Extracting again with a keyword moves it to the top; searching again leaves it in place.
    CKeywordInput::AddToTop(history, "k5");
    EXPECT_EQ(history[0], "k5");
    EXPECT_EQ(history.GetSize(), 20);
    EXPECT_EQ(history[1], "k21");
    CKeywordInput::AddKeepingPlace(history, "k21");
    EXPECT_EQ(history[1], "k21");
    CKeywordInput::AddKeepingPlace(history, "new");
    EXPECT_EQ(history[0], "new");
    EXPECT_EQ(history.GetSize(), 20);
}

TEST(SearchStateTest, SearchButtonsStoreTheFormAndWhereTheSearchStarts)
{
    CSearchState state;
    state.history.Add("old");
    state.Accept({"ペン", true, true, false, false}, true);
    EXPECT_EQ(state.result, CSearchState::kFindFromTop);
    EXPECT_TRUE(state.settings.fromStart);
    EXPECT_FALSE(state.settings.downward);
    EXPECT_FALSE(state.settings.allColumns);
    EXPECT_EQ(Joined(state.history), "ペン|old");

    state.Accept({"old", false, false, true, true}, false);
    EXPECT_EQ(state.result, CSearchState::kFindNext);
    EXPECT_FALSE(state.settings.fromStart);
    EXPECT_EQ(Joined(state.history), "ペン|old") << "a repeated text keeps its place";
    state.Cancel();
    EXPECT_EQ(state.settings.keyword, "old");
}

TEST_F(ExtractFormTest, FieldsBecomeTheListsConditions)
{
    CExtractForm form(*doc);
    ASSERT_EQ(form.rows.size(), 4u);
    EXPECT_EQ(form.rows[0].kind, CExtractForm::kYesNoRow);
    EXPECT_EQ(form.rows[0].checkState, CExtractForm::kNoCondition);
    EXPECT_EQ(form.rows[1].kind, CExtractForm::kTextRow);
    EXPECT_EQ(form.rows[2].align, 2);
    EXPECT_EQ(form.rows[2].choices, "100\n");
    EXPECT_EQ(form.rows[3].align, 1);

    form.mode = 1;
    form.combine = 1;
    form.keywordText = "ＡＢ　ｃ";
    form.rows[1].lower = "ペン";
    form.rows[1].upper = "ignored";
    form.rows[2].lower = "1,000";
    form.rows[3].upper = "2024/05/01";
    form.Store();

    const ExtractConditions& stored = *doc->extractConditions;
    EXPECT_EQ(stored.mode, 1);
    EXPECT_EQ(stored.anyMatch, 1);
    EXPECT_EQ(Joined(stored.keywords), "AB|c");
    EXPECT_EQ(Joined(stored.keywordHistory), "ＡＢ　ｃ") << "the history keeps the text as typed";
    EXPECT_FALSE(stored.columns[0].useFrom) << "the third state adds no condition";
    EXPECT_TRUE(stored.columns[1].useFrom);
    EXPECT_FALSE(stored.columns[1].useTo) << "a text column has one value";
    EXPECT_EQ(stored.columns[1].fromValue.text, "ペン");
    EXPECT_TRUE(stored.columns[2].useFrom);
    EXPECT_FALSE(stored.columns[2].useTo);
    EXPECT_EQ(stored.columns[2].fromValue.number.GetValue().GetUnits(), 1000 * 10000);
    EXPECT_FALSE(stored.columns[3].useFrom);
    EXPECT_TRUE(stored.columns[3].useTo);
    EXPECT_EQ(stored.columns[3].toValue.date.FormatDate("YYYY/MM/DD"), "2024/05/01");
}

TEST_F(ExtractFormTest, StoredConditionsShowAgainInTheColumnsForm)
{
    {
        CExtractForm form(*doc);
        form.rows[0].checkState = 0;
        form.rows[2].lower = "0";
        form.rows[2].upper = "12345";
        form.keywordText = "ﾍﾟﾝ";
        form.Store();
    }
    CExtractForm again(*doc);
    EXPECT_EQ(again.keywordText, "ﾍﾟﾝ");
    EXPECT_EQ(again.rows[0].checkState, 0) << "a stored No shows unchecked";
    EXPECT_TRUE(doc->extractConditions->columns[0].useFrom);
    EXPECT_EQ(again.rows[2].lower, "0") << "a lower bound of zero is still shown";
    EXPECT_EQ(again.rows[2].upper, "12,345");
    EXPECT_EQ(again.Normalise(2, "9876"), "9,876");
    CString refusal;
    EXPECT_EQ(again.Normalise(2, "１２３４", &refusal), "1,234");
    EXPECT_TRUE(refusal.IsEmpty());
    again.Normalise(2, "12a", &refusal);
    EXPECT_EQ(refusal, "12a は数値として変換できません");
}

TEST(GlobalFindFormTest, FolderAndKeywordAreAskedForBeforeTheSettingsChange)
{
    GlobalFindSettings settings;
    CGlobalFindForm form(settings);
    form.openFolderLists = true;
    form.keywordText = "ペン";
    EXPECT_EQ(form.Check(), 30600);
    form.folder = "/lists";
    form.keywordText = "　 ";
    EXPECT_EQ(form.Check(), 30601) << "spaces alone hold no keyword";
    form.keywordText = "ペン 赤";
    form.combine = 1;
    ASSERT_EQ(form.Check(), 0);
    EXPECT_FALSE(settings.IsActive());
    form.Store();
    EXPECT_TRUE(settings.openFolderLists);
    EXPECT_EQ(settings.folder, "/lists");
    EXPECT_EQ(Joined(settings.keywords), "ﾍﾟﾝ|赤");
    EXPECT_EQ(settings.anyMatch, 1);
    EXPECT_EQ(CGlobalFindForm(settings).keywordText, "ペン 赤");
}

TEST(JumpRowTest, OnlyAPositiveDecimalNumberIsARow)
{
    EXPECT_EQ(CListViewRules::ParseJumpRow(" 5 "), 5);
    for (const char* refused : {"", "0", "abc", "5a", "-3", "１"}) {
        EXPECT_EQ(CListViewRules::ParseJumpRow(refused), 0) << refused;
    }
    EXPECT_EQ(CListViewRules::ParseJumpRow("99999999999999999999"), INT_MAX);
}
