// What a drag brings to the grid's owner.
#include "grid/OleDataObject.h"

#include <gtest/gtest.h>

TEST(OleDataObject, OffersFormatsBeforeTheirContents)
{
    COleDataObject data;
    data.Offer(COleDataObject::Format::Files);
    data.Offer(COleDataObject::Format::Private, "Zantoby2 Object");
    EXPECT_TRUE(data.IsDataAvailable(COleDataObject::Format::Files));
    EXPECT_TRUE(data.IsDataAvailable(COleDataObject::Format::Private, "Zantoby2 Object"));
    EXPECT_FALSE(data.IsDataAvailable(COleDataObject::Format::Private, "Zantoby2 Drawing Data"));
    EXPECT_FALSE(data.IsDataAvailable(COleDataObject::Format::Text));
    EXPECT_FALSE(data.HasContents());
    EXPECT_TRUE(data.GetPrivateData("Zantoby2 Object").empty());
}

TEST(OleDataObject, DroppedContentsComeWithTheirFormat)
{
    COleDataObject data;
    data.SetPrivateData("Zantoby2 Object", {1, 2, 3});
    CStringArray files;
    files.Add("/home/写真/a.jpg");
    data.SetFiles(files);
    data.SetText("品名");
    Bitmap image;
    image.Create(2, 2, 32);
    data.SetImage(image);
    EXPECT_TRUE(data.HasContents());
    EXPECT_EQ(data.GetPrivateData("Zantoby2 Object"), (std::vector<unsigned char>{1, 2, 3}));
    ASSERT_EQ(data.GetFiles().GetSize(), 1);
    EXPECT_EQ(data.GetFiles()[0], CString("/home/写真/a.jpg"));
    EXPECT_EQ(data.GetText(), CString("品名"));
    EXPECT_EQ(data.GetImage().Width(), 2);
    for (auto format :
         {COleDataObject::Format::Files, COleDataObject::Format::Text, COleDataObject::Format::Image}) {
        EXPECT_TRUE(data.IsDataAvailable(format));
    }
}
