// The page setup's rules without its windows: the column entries as the column grid edits them,
// the sizes it shows, its font choices, the header sample and what it stores into the list.
#include "app/printing/PageSetupModel.h"
#include "foundation/FontList.h"
#include "list/ZantobyDoc.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class PageSetupModelTest : public ::testing::Test
{
  protected:
    PageSetupModelTest() : doc(std::make_unique<CZantobyDoc>(host))
    {
        doc->GetColumn(1).subName = "幅";
        doc->print.columnPairs[doc->GetColumn(1).slot] = {25, 0};
        doc->SetModifiedFlag(false);
    }

    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

} // namespace

TEST_F(PageSetupModelTest, ColumnEntriesShowAsModesAndWidthsAndStoreBack)
{
    CPageSetupModel model(*doc);
    ASSERT_EQ(model.Columns().size(), 3u);
    const CPageSetupModel::ColumnRow& second = model.Columns()[1];
    EXPECT_EQ(second.label, "項目2/幅");
    EXPECT_EQ(second.mode[0], CPageSetupModel::kManual);
    EXPECT_EQ(second.width[0], "25");
    EXPECT_EQ(second.mode[1], CPageSetupModel::kHidden);
    EXPECT_EQ(model.Columns()[0].mode[0], CPageSetupModel::kAuto);
    EXPECT_TRUE(model.Columns()[0].width[0].IsEmpty());

    // A width is typed only for the manual mode, and kept within 1 to 100 mm.
    model.TypeWidth(0, 0, "30");
    EXPECT_TRUE(model.Columns()[0].width[0].IsEmpty());
    model.ChooseMode(0, 0, CPageSetupModel::kManual);
    model.TypeWidth(0, 0, "250");
    EXPECT_EQ(model.Columns()[0].width[0], "100");
    model.TypeWidth(0, 0, "0");
    EXPECT_EQ(model.Columns()[0].width[0], "1");
    // Delete hides the column; choosing another mode empties the width.
    model.ClearEntry(1, 0);
    EXPECT_EQ(model.Columns()[1].mode[0], CPageSetupModel::kHidden);
    EXPECT_TRUE(model.Columns()[1].width[0].IsEmpty());
    model.ChooseMode(2, 1, CPageSetupModel::kManual);
    model.TypeWidth(2, 1, "12");
    model.ChooseMode(2, 1, CPageSetupModel::kAuto);
    EXPECT_TRUE(model.Columns()[2].width[1].IsEmpty());

    EXPECT_FALSE(doc->IsModified()) << "nothing reaches the list before it is stored";
    model.Commit();
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->print.columnPairs[doc->GetColumn(0).slot], (std::array<int, 2>{1, -1}));
    EXPECT_EQ(doc->print.columnPairs[doc->GetColumn(1).slot], (std::array<int, 2>{0, 0}));
    EXPECT_EQ(doc->print.columnPairs[doc->GetColumn(2).slot], (std::array<int, 2>{-1, -1}));
}

TEST_F(PageSetupModelTest, ShownSizesKeepTheirTenthsAndSamplesPrintAsPage123Of999)
{
    EXPECT_EQ(CPageSetupModel::FromShown(20.3), 203) << "20.3 x 10 is 202.999...";
    EXPECT_EQ(CPageSetupModel::FromShown(CPageSetupModel::ToShown(105)), 105);
    CPageSetupModel model(*doc);
    EXPECT_EQ(model.SampleText("&p/&P"), "123/999");
    EXPECT_EQ(CPageSetupModel::PaperToKeep(0), 9);
}

TEST_F(PageSetupModelTest, AFaceThatIsNotInstalledStaysFirstAmongTheJapaneseFaces)
{
    CFontList fonts;
    fonts.Add(new CFontItem("IPAMincho", CFontItem::kShiftJisCharset, CFontItem::kTrueTypeFont));
    fonts.Add(new CFontItem("IPAMincho", CFontItem::kAnsiCharset, CFontItem::kTrueTypeFont));
    fonts.Add(new CFontItem("DejaVu Sans", CFontItem::kAnsiCharset, CFontItem::kTrueTypeFont));
    EXPECT_EQ(CPageSetupModel::FontChoices(fonts, "ＭＳ 明朝"),
              (std::vector<CString>{"ＭＳ 明朝", "IPAMincho"}));
    EXPECT_EQ(CPageSetupModel::FontChoices(fonts, ""), (std::vector<CString>{"ＭＳ 明朝", "IPAMincho"}));
    EXPECT_EQ(CPageSetupModel::FontChoices(fonts, "IPAMincho"), (std::vector<CString>{"IPAMincho"}));
}
