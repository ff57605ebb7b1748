#include "app/find/SortKeyEditor.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Columns 0 to 4 with column 2 not in use; the keys list 3 (descending) first, then 0, 3 again
// and 1, and leave column 4 out.
class SortKeyEditorTest : public testing::Test
{
  protected:
    SortKeyEditorTest() : doc(std::make_unique<CZantobyDoc>(host))
    {
        doc->tempFolder = scratch.Path() + "/";
        doc->columnCount = 5;
        const char* names[] = {"品名", "価格", "", "入荷日", "在庫"};
        for (int i = 0; i < 5; ++i) {
            doc->GetColumn(i).slot = i;
            doc->GetColumn(i).type = kTypeText;
            doc->GetColumn(i).name = names[i];
        }
        doc->GetColumn(1).subName = "税込";
        doc->GetColumn(2).type = kTypeNone;
        for (int i = 0; i < kMaxColumns; ++i) {
            doc->sortKeys[static_cast<size_t>(i)] = {100 + i, false};
        }
        doc->sortKeys[0] = {3, true};
        doc->sortKeys[1] = {0, false};
        doc->sortKeys[2] = {3, false};
        doc->sortKeys[3] = {1, false};
        doc->sortKeys[4] = {2, true};
        doc->BuildColumnMap();
    }

    ScratchFolder scratch;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
};

} // namespace

TEST_F(SortKeyEditorTest, EveryColumnInUseHasOneRowInKeyOrder)
{
    CSortKeyEditor editor(*doc);
    ASSERT_EQ(editor.Rows().size(), 4u);
    EXPECT_EQ(editor.NumberText(0), "4");
    EXPECT_EQ(CSortKeyEditor::DirectionText(editor.Rows()[0].descending), "降順");
    EXPECT_EQ(editor.NameText(1), "品名");
    EXPECT_EQ(editor.NameText(2), "価格/税込");
    EXPECT_EQ(editor.NumberText(3), "5") << "a column no key names follows the rest";
    EXPECT_FALSE(editor.IsChanged());
}

TEST_F(SortKeyEditorTest, MovesAtTheEndsChangeNothing)
{
    CSortKeyEditor editor(*doc);
    EXPECT_FALSE(editor.MoveUp(0));
    EXPECT_FALSE(editor.MoveDown(3));
    EXPECT_FALSE(editor.IsChanged());
    EXPECT_EQ(editor.CloseByEscape(), IDCANCEL);
    EXPECT_TRUE(host.messages.empty()) << "nothing changed, nothing to ask";
}

TEST_F(SortKeyEditorTest, NewOrderIsWrittenAsOneUndoStepWithUnusedColumnsAscendingAfterIt)
{
    const std::array<SortKeyEntry, kMaxColumns> before = doc->sortKeys;
    CSortKeyEditor editor(*doc);
    ASSERT_TRUE(editor.MoveDown(0));
    editor.SetDescending(1, false);
    editor.Apply();

    const std::array<SortKeyEntry, kMaxColumns>& keys = doc->sortKeys;
    const int expected[] = {0, 3, 1, 4, 2, 5, 6};
    for (size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(keys[i].column, expected[i]) << "key " << i;
    }
    EXPECT_FALSE(keys[1].descending);
    EXPECT_FALSE(keys[4].descending) << "a column not in use comes back ascending";
    EXPECT_EQ(keys[127].column, 127);
    EXPECT_TRUE(doc->IsModified());

    ASSERT_TRUE(doc->CanUndo());
    doc->OnUndo();
    EXPECT_EQ(doc->sortKeys[0].column, before[0].column);
    EXPECT_TRUE(doc->sortKeys[0].descending);
}

TEST_F(SortKeyEditorTest, EscapeAsksBeforeChangesAreDroppedOrKept)
{
    CSortKeyEditor editor(*doc);
    editor.SetDescending(0, false);
    host.answers = {IDCANCEL, IDNO};
    EXPECT_EQ(editor.CloseByEscape(), 0) << "Cancel keeps the dialog open";
    EXPECT_EQ(editor.CloseByEscape(), IDCANCEL);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].id, 20800);
    EXPECT_TRUE(doc->sortKeys[0].descending) << "No leaves the keys as they were";

    host.answers = {IDYES};
    EXPECT_EQ(editor.CloseByEscape(), IDOK);
    EXPECT_FALSE(doc->sortKeys[0].descending);
}
