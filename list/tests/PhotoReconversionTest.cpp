#include "foundation/BitmapEx.h"
#include "foundation/TextFile.h"
#include "list/ListInfoApply.h"
#include "list/ListInfoColumns.h"
#include "list/PhotoReconverter.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"
#include "support/TestPhotos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

// Records the photos converted and asks to stop after a number of them (0: never).
class StoppingObserver : public CPhotoReconverter::Observer
{
  public:
    explicit StoppingObserver(int stopAfter) : m_stopAfter(stopAfter) {}
    void BeforePhoto(int slot) override { slots.push_back(slot); }
    bool StopRequested() override { return m_stopAfter > 0 && static_cast<int>(slots.size()) >= m_stopAfter; }

    std::vector<int> slots;

  private:
    int m_stopAfter;
};

class PhotoReconversion : public ::testing::Test
{
  protected:
    PhotoReconversion() : doc(std::make_unique<CZantobyDoc>(host))
    {
        doc->tempFolder = temp.Path();
        doc->listFolder = temp.Path().Left(temp.Path().GetLength() - 1);
        doc->photoFolderName = "Photo-商品";
        std::filesystem::create_directories(FileSystem::ToNative(temp.Path() + "Photo-商品"));
        doc->SetPathName(temp.Path() + "商品.zbk", false);
        const CString source = temp.Path() + "camera.jpg";
        EXPECT_TRUE(TestPhotos::WriteJpeg(source, 400, 300));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(doc->ImportPhotoImage(source, -1, CString(), 0), i);
        }
        columns.Load(*doc);
    }

    CSize StandardSize(int slot) const
    {
        CBitmapEx image;
        return image.LoadJpeg(doc->GetMiddlePhotoPath(slot)) ? CSize(image.Width(), image.Height()) : CSize();
    }

    CString ResumeText() const
    {
        CString text;
        return ReadTextFile(text, temp.Path() + "商品.cnv", CFile::modeRead | CFile::typeText)
                   ? text
                   : CString("none");
    }

    CListInfoApply::Input SmallerPhotos() const
    {
        CListInfoApply::Input input{doc->title, 0, doc->photoSizes, true};
        input.photoSizes.standardSize = 100;
        return input;
    }

    TempFolder temp;
    FakeListHost host;
    std::unique_ptr<CZantobyDoc> doc;
    CListInfoColumns columns;
};

TEST_F(PhotoReconversion, AStoppedConversionResumesFromTheSlotItWasAt)
{
    ASSERT_EQ(StandardSize(2), CSize(267, 200));
    StoppingObserver stopping(2);
    CListInfoApply first(*doc, columns, stopping);
    host.answers = {IDYES};
    EXPECT_EQ(first.Run(SmallerPhotos()), CListInfoApply::Outcome::StayOpen);
    EXPECT_TRUE(host.HasMessage(21302));
    EXPECT_TRUE(host.HasMessage(31300));
    EXPECT_TRUE(first.ChangedDocument()) << "the new sizes are the list's already";
    EXPECT_EQ(doc->photoSizes.standardSize, 100);
    EXPECT_EQ(ResumeText(), "1");
    EXPECT_EQ(StandardSize(0), CSize(133, 100));
    EXPECT_EQ(StandardSize(2), CSize(267, 200));

    // Set again with the sizes unchanged offers the resume; the slot reached is converted again.
    host.messages.clear();
    StoppingObserver quiet(0);
    CListInfoApply second(*doc, columns, quiet);
    host.answers = {IDYES};
    EXPECT_EQ(second.Run(SmallerPhotos()), CListInfoApply::Outcome::CloseOk);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.front().id, 21301);
    EXPECT_EQ(quiet.slots, std::vector<int>({1, 2}));
    EXPECT_EQ(StandardSize(2), CSize(133, 100));
    EXPECT_EQ(ResumeText(), "none") << "a completed conversion removes the resume file";
}

TEST_F(PhotoReconversion, AnAbandonedResumeDeletesTheFile)
{
    CPhotoReconverter converter(*doc);
    ASSERT_TRUE(WriteTextFile(converter.ResumeFilePath(), CFile::modeCreate | CFile::modeWrite, "-3"));
    StoppingObserver quiet(0);
    CListInfoApply::Input unchanged{doc->title, 0, doc->photoSizes, false};
    EXPECT_EQ(CListInfoApply(*doc, columns, quiet).Run(unchanged), CListInfoApply::Outcome::CloseCancel);
    EXPECT_TRUE(host.messages.empty()) << "a slot outside the list offers nothing";

    ASSERT_TRUE(WriteTextFile(converter.ResumeFilePath(), CFile::modeCreate | CFile::modeWrite, "2"));
    host.answers = {IDNO, IDYES};
    EXPECT_EQ(CListInfoApply(*doc, columns, quiet).Run(unchanged), CListInfoApply::Outcome::CloseOk);
    EXPECT_TRUE(host.HasMessage(21303));
    EXPECT_EQ(ResumeText(), "none");
    EXPECT_TRUE(quiet.slots.empty());

    // An untitled list keeps its resume file beside its working file.
    doc->workPath = temp.Path() + "Zantoby1.zbk";
    EXPECT_EQ(converter.ResumeFilePath(), temp.Path() + "Zantoby1.cnv");
}

} // namespace
