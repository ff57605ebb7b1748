#include "foundation/FileUtility.h"
#include "list/ListFileReader.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// Files of every older layout, read from a copy so that the lock file lands in the test's folder.
class ListFileLayouts : public ::testing::Test
{
  protected:
    ListFileLayouts() : doc(std::make_unique<CZantobyDoc>(host)) { doc->tempFolder = temp.Path(); }

    CString Copy(const char* name)
    {
        CString source = CString(std::getenv("ZANTOBY_TEST_DATA")) + "/" + name;
        EXPECT_TRUE(CopyFiles(source, temp.Path()));
        return temp.Path() + name;
    }

    bool Read(const char* name) { return doc->ReadListFile(Copy(name), CListFileReader::ReadAll); }

    CellRecord Cell(int row, int slot) const { return doc->GetRow(row).GetCell(slot); }
    CString Date(const CDateEx& date) const { return date.Format("%Y/%m/%d %H:%M:%S"); }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

TEST_F(ListFileLayouts, FirstLayoutWithoutVersion)
{
    FileSystem::CreateFolder(temp.Path() + "写真");
    FileSystem::CreateFolder(temp.Path() + "写真/org");
    ASSERT_TRUE(TestPhotos::WriteJpeg(temp.Path() + "写真/org/0000.jpg", 32, 24));

    ASSERT_TRUE(Read("layout-v0.zbk"));
    EXPECT_EQ(doc->fileVersion, 0);
    EXPECT_EQ(doc->title, "旧リスト");
    EXPECT_EQ(doc->lockedColumns, 1);
    EXPECT_EQ(doc->columnCount, 5);
    EXPECT_EQ(doc->GetColumn(0).name, "品名");
    EXPECT_EQ(doc->GetColumn(0).width, 20);
    EXPECT_EQ(doc->GetColumn(1).align, 2);
    EXPECT_TRUE(doc->GetColumn(1).hasMax);
    EXPECT_EQ(doc->GetColumn(1).maxValue.ToInt(), 1000);
    EXPECT_EQ(doc->GetColumn(3).type, kTypeNone) << "no Yes/No columns yet";
    ASSERT_EQ(doc->GetColumn(0).dropEntries.GetSize(), 2);
    EXPECT_EQ(doc->GetColumn(0).dropEntries[1], "表ソ");
    // The automatic drop list is built from the cells.
    ASSERT_EQ(doc->GetColumn(4).dropEntries.GetSize(), 2);
    EXPECT_EQ(doc->GetColumn(4).dropEntries[0], "A-1");

    EXPECT_EQ(Cell(0, 0).text, "りんご");
    EXPECT_EQ(Cell(0, 1).number.ToInt(), 120);
    EXPECT_EQ(Date(Cell(0, 2).date), "2008/12/07 00:00:00");
    EXPECT_FALSE(Cell(0, 3).yesNo);
    EXPECT_EQ(Cell(3, 0).text, "表ソC:\\dir") << "texts of this layout are raw";
    EXPECT_EQ(Date(doc->GetRow(3).lastChange), "2008/12/08 11:00:00");
    EXPECT_EQ(doc->GetRow(0).photoCount, 2);
    EXPECT_EQ(doc->photoFolderName, "写真");
    EXPECT_EQ(doc->GetPhoto(0).name, "写真名");
    EXPECT_EQ(doc->GetPhoto(0).width, 32) << "measured from the original";
    EXPECT_EQ(doc->GetPhoto(0).height, 24);
    EXPECT_EQ(doc->GetPhoto(1).width, -1) << "no original to measure";

    EXPECT_EQ(doc->focusColumn, 1);
    EXPECT_EQ(doc->splitterPosition, 300);
    EXPECT_EQ(doc->photoSizes.standardSize, 180);
    EXPECT_EQ(doc->photoSizes.thumbnailSize, 60);
    EXPECT_TRUE(doc->sortKeys[0].descending);
    EXPECT_EQ(doc->sortKeys[1].column, 0);

    const WebOutputSettings& web = doc->web;
    EXPECT_EQ(web.outputMode, 1);
    EXPECT_EQ(web.fullName, "全項目");
    EXPECT_EQ(web.listName, "layout-v0");
    EXPECT_EQ(web.webFolder, "C:\\Web");
    EXPECT_EQ(web.style.headTextColor, 255u);
    EXPECT_EQ(web.extList, "html");
    EXPECT_EQ(web.message, "一行目\r\n二行目");
    EXPECT_TRUE(web.sortEntries[0].descending);
    EXPECT_TRUE(web.sortEntries[0].options[0]);
    EXPECT_FALSE(web.sortEntries[0].options[2]) << "the third option copies the second";
    EXPECT_TRUE(web.sortEntries[0].options[3]);
    EXPECT_EQ(doc->print.orientation, 2);
    EXPECT_EQ(doc->print.listPhotoSize, 110);
    EXPECT_EQ(doc->print.photosPerLine, 20) << "only a six-value line sets it";
    // All rows shown, the new-row line last.
    EXPECT_EQ(doc->displayCount, 3);
    EXPECT_EQ(doc->displayOrder[2], kNewRowLine);
}

TEST_F(ListFileLayouts, Version14)
{
    ASSERT_TRUE(Read("layout-v14.zbk"));
    const ColumnRecord& name = doc->GetColumn(0);
    EXPECT_EQ(name.remark, "備考");
    EXPECT_TRUE(name.unique);
    EXPECT_EQ(name.inputMode, 3);
    const ColumnRecord& stock = doc->GetColumn(1);
    EXPECT_EQ(stock.type, kTypeYesNo);
    EXPECT_EQ(stock.noPrint, "×");
    const ColumnRecord& arrival = doc->GetColumn(2);
    EXPECT_EQ(arrival.dateKind, 1);
    EXPECT_EQ(arrival.datePattern, "HH:NN");
    EXPECT_TRUE(arrival.hasMaxDate);
    EXPECT_EQ(arrival.maxDate.Format("%H:%M:%S"), "12:00:00");
    EXPECT_EQ(Cell(0, 0).text, "ソフト");
    EXPECT_TRUE(Cell(0, 1).yesNo);
    EXPECT_EQ(Cell(0, 2).date.Format("%H:%M"), "09:30");
    EXPECT_EQ(doc->GetRow(0).photos[0], 5);
    EXPECT_EQ(doc->GetPhoto(5).width, 640);
    EXPECT_EQ(doc->GetPhoto(5).name, "カメラ");
}

TEST_F(ListFileLayouts, Version2001)
{
    ASSERT_TRUE(Read("layout-v2001.zbk"));
    EXPECT_EQ(doc->GetColumn(0).inputMode, 5);
    EXPECT_FALSE(doc->GetColumn(0).required);
    const ColumnRecord& day = doc->GetColumn(1);
    EXPECT_EQ(day.dateKind, 2);
    EXPECT_EQ(day.datePrintPattern, "GG");
    EXPECT_TRUE(day.hasMinDate);
    const ColumnRecord& count = doc->GetColumn(2);
    EXPECT_EQ(count.decimals, 2);
    EXPECT_TRUE(count.hasMin);
    EXPECT_EQ(count.minValue.ToInt(), -5);
    EXPECT_EQ(Cell(2, 0).text, "C:\\dir");
    EXPECT_EQ(Date(Cell(2, 1).date), "2001/02/03 04:05:06");
    EXPECT_EQ(Cell(2, 2).number.GetValue().GetUnits(), 125000);
    EXPECT_EQ(doc->photoSizes.standardSize, 150);
}

TEST_F(ListFileLayouts, Version2004)
{
    ASSERT_TRUE(Read("layout-v2004.zbk"));
    EXPECT_TRUE(doc->GetColumn(0).required);
    EXPECT_TRUE(doc->GetColumn(0).multiLine);
    EXPECT_EQ(doc->GetColumn(0).inputMode, 1);
    EXPECT_EQ(Cell(0, 0).text, "a,b");
    EXPECT_EQ(Cell(0, 1).text, "★");
    EXPECT_EQ(Cell(0, 0).textColor, RGB(0, 0, 0));
    EXPECT_EQ(Cell(0, 0).backColor, RGB(255, 0, 0));
    EXPECT_EQ(Cell(0, 1).textColor, kDefaultColor);
    EXPECT_EQ(Cell(0, 1).backColor, RGB(0, 0, 255));
    EXPECT_EQ(doc->photoSizes.standardSize, 250);
    EXPECT_EQ(doc->photoSizes.thumbnailSize, 80);
    EXPECT_TRUE(doc->photoSizes.shortSide);
}

TEST_F(ListFileLayouts, Version210503)
{
    ASSERT_TRUE(Read("layout-v210503.zbk"));
    EXPECT_EQ(doc->title, "C:\\旧");
    const WebOutputSettings& web = doc->web;
    EXPECT_EQ(web.outputMode, 2);
    EXPECT_EQ(web.listName, "一覧");
    EXPECT_EQ(web.webTitle, "題\\名");
    EXPECT_EQ(web.message, "改\n行") << "messages were always escaped";
    EXPECT_EQ(web.style.widthUnit, 1);
    EXPECT_EQ(web.style.listWidth, 80);
    EXPECT_EQ(web.style.photoWrapCount, 3);
    EXPECT_EQ(web.pageView, 2);
    EXPECT_EQ(web.findMulti, 1);
    const OutputSortEntry& entry = web.sortEntries[3];
    EXPECT_EQ(entry.column, 2);
    EXPECT_TRUE(entry.descending);
    EXPECT_FALSE(entry.options[3]);
    EXPECT_EQ(entry.texts[1], "まで");
    const PrintSettings& print = doc->print;
    EXPECT_EQ(print.listPhotoSize, 120);
    EXPECT_EQ(print.photosPerLine, 20) << "30 is brought into the range the print takes";
    EXPECT_TRUE(print.listPhotos) << "six values leave the second flag";
    EXPECT_FALSE(print.listHeader.shown);
    EXPECT_EQ(print.listHeader.text, "&t\\x");
    EXPECT_EQ(print.listHeader.align, 2);
    EXPECT_EQ(print.listHeader.fontSize, 110);
    EXPECT_TRUE(print.highQuality);
    EXPECT_EQ(print.columnPairs[5][1], 8);
}

TEST_F(ListFileLayouts, Version210699)
{
    ASSERT_TRUE(Read("layout-v210699.zbk"));
    EXPECT_EQ(doc->GetColumn(0).name, "名,前");
    EXPECT_EQ(doc->GetColumn(0).remark, "備'考");
    EXPECT_TRUE(doc->GetColumn(0).required);
    ASSERT_EQ(doc->GetColumn(0).dropEntries.GetSize(), 2);
    EXPECT_EQ(doc->GetColumn(0).dropEntries[0], "a,b");
    EXPECT_EQ(Cell(9, 0).text, "x\ty");
    EXPECT_EQ(Cell(9, 0).textColor, RGB(255, 255, 0));
}

TEST_F(ListFileLayouts, Version210799)
{
    ASSERT_TRUE(Read("layout-v210799.zbk"));
    EXPECT_EQ(doc->GetColumn(0).subName, "税込");
    EXPECT_EQ(doc->GetColumn(0).nextSerial.ToInt(), 100);
    EXPECT_EQ(Cell(1, 0).text, "左");
    EXPECT_EQ(Cell(1, 127).number.ToInt(), 1234);
    EXPECT_EQ(Cell(1, 0).textColor, RGB(0, 0, 255));
    EXPECT_EQ(Cell(1, 127).backColor, RGB(255, 255, 255));
    EXPECT_EQ(doc->photoSizes.standardSize, 300);
    EXPECT_EQ(doc->photoSizes.standardPercent, 0);
    EXPECT_EQ(doc->photoSizes.thumbnailSize, 90);
}

} // namespace
