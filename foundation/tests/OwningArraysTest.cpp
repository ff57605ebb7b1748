#include "foundation/ObArrayEx.h"
#include "foundation/PtrArrayEx.h"
#include "foundation/UIntArrayEx.h"

#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <new>
#include <vector>

namespace {

// Counts the living instances, so tests see what an array deleted.
class Counted : public CObject
{
  public:
    Counted() { ++living; }
    ~Counted() override { --living; }
    static inline int living = 0;
};

// Records every box instead of showing it.
class BoxRecorder
{
  public:
    BoxRecorder()
    {
        m_previous = SetMessageBoxHandler([this](const CString& text, const CString&, unsigned) {
            texts.push_back(text);
            return IDOK;
        });
    }
    ~BoxRecorder() { SetMessageBoxHandler(m_previous); }
    std::vector<CString> texts;

  private:
    MessageBoxHandler m_previous;
};

} // namespace

TEST(ObArrayEx, DeletesEachElementWhenRemovedOrDestroyed)
{
    Counted::living = 0;
    {
        CObArrayEx array;
        for (int i = 0; i < 4; ++i) {
            array.Add(new Counted);
        }
        array.Add(nullptr);
        array.RemoveAt(1, 2);
        EXPECT_EQ(Counted::living, 2);
        EXPECT_EQ(array.GetSize(), 3);
        array.RemoveAt(2); // the null element
        EXPECT_EQ(Counted::living, 2);
    }
    EXPECT_EQ(Counted::living, 0);
}

TEST(ObArrayEx, BlockModeFreesTheBlockOnce)
{
    BoxRecorder boxes;
    Counted::living = 0;
    {
        CObArrayEx array;
        Counted* block = array.CreateBlock<Counted>(4);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(array[3], &block[3]);
        array.RemoveAt(0, 1);
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_EQ(boxes.texts[0], "can't remove first item\n");
        EXPECT_EQ(array.GetSize(), 4);
        array.RemoveAt(2, 1); // removed, not deleted: it lives inside the block
        EXPECT_EQ(array.GetSize(), 3);
        EXPECT_EQ(Counted::living, 4);
        array.RemoveAll();
        EXPECT_EQ(Counted::living, 0);
        EXPECT_TRUE(array.IsEmpty());
        array.RemoveAll(); // empty: nothing to free
        EXPECT_EQ(array.CreateBlock<Counted>(0), nullptr);
        array.CreateBlock<Counted>(2); // freed by the destructor
    }
    EXPECT_EQ(Counted::living, 0);
}

TEST(ObArrayEx, OtherModesKeepTheElements)
{
    Counted::living = 0;
    Counted kept[2];
    CObArrayEx array;
    array.SetDeleteMode(2);
    array.Add(&kept[0]);
    array.Add(&kept[1]);
    array.Swap(0, 1);
    EXPECT_EQ(array[0], &kept[1]);
    array.RemoveAt(0);
    array.RemoveAll();
    EXPECT_EQ(Counted::living, 2);
}

TEST(PtrArrayEx, FreesItsBlocks)
{
    CPtrArrayEx array;
    for (int i = 0; i < 3; ++i) {
        array.Add(::operator new(16 * (i + 1)));
    }
    array.RemoveAt(1);
    EXPECT_EQ(array.GetSize(), 2);
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
    array.Add(::operator new(8)); // freed by the destructor; the leak check would see it otherwise
}

TEST(UIntArrayEx, AddUniqueAndSignedSort)
{
    CUIntArrayEx values;
    EXPECT_EQ(values.AddUnique(5), 0);
    EXPECT_EQ(values.AddUnique(5), -1);
    values.RemoveAll();
    for (int value : {3, -1, 2}) {
        values.Add(static_cast<unsigned int>(value));
    }
    values.Sort(true);
    EXPECT_EQ(static_cast<int>(values[0]), 3);
    EXPECT_EQ(static_cast<int>(values[1]), 2);
    EXPECT_EQ(static_cast<int>(values[2]), -1);
    values.Sort(false);
    EXPECT_EQ(static_cast<int>(values[0]), -1);
}
