// A cell table through the real clipboard: what the program puts there it reads back in the
// private format, and what other programs put there it reads as text.
#include "foundation/ui/ClipboardText.h"
#include "list/ui/ClipData.h"
#include "list/ui/ClipSource.h"
#include "platform/Bitmap.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "support/FakeListHost.h"

#include <gtest/gtest.h>

#include <wx/clipbrd.h>

TEST(ClipboardWindowTest, TheProgramsOwnFormatWinsAndAnImageTravelsBeside)
{
    WxTestEnvironment::Ensure();
    FakeListHost host;
    auto* source = new CClipSource(host);
    source->Table().SetText("りんご", 0, 0);
    source->Table().SetPhotoId(4, 1, 0);
    source->Table().AddFileName("/photos/0004m.jpg");
    Bitmap image;
    ASSERT_TRUE(image.Create(3, 2, 32));
    image.Row(1)[2] = 0x123456;
    ASSERT_TRUE(source->CacheFormat(COleDataObject::Format::Private));
    ASSERT_TRUE(source->CacheFormat(COleDataObject::Format::Files));
    ASSERT_TRUE(source->CacheFormat(COleDataObject::Format::Text));
    ASSERT_TRUE(source->CacheDib(image));
    EXPECT_FALSE(source->CacheDib(Bitmap()));
    ASSERT_TRUE(CClipSource::PutOnClipboard(source));

    CClipData data(host);
    ASSERT_TRUE(data.Read(nullptr));
    ASSERT_EQ(data.Table().GetRowCount(), 1);
    EXPECT_EQ(data.Table().GetText(0, 0), "りんご");
    EXPECT_EQ(data.Table().GetPhotoId(1, 0), 4);
    Bitmap back;
    ASSERT_TRUE(data.GetDib(back));
    EXPECT_EQ(back.Width(), 3);
    EXPECT_EQ(back.GetPixel(2, 1), 0x123456u);

    // Text from another program arrives as rows of text cells.
    ASSERT_TRUE(CClipboardText::CopyToClipboard("品名\t価格\r\n鉛筆\t80\r\n"));
    ASSERT_TRUE(data.Read(nullptr));
    ASSERT_EQ(data.Table().GetRowCount(), 2);
    EXPECT_EQ(data.Table().GetText(1, 1), "80");
    EXPECT_FALSE(data.GetDib(back));
    EXPECT_TRUE(host.errorReports.empty());
    wxTheClipboard->Clear();
}
