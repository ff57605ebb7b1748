#include "photo/batch/testing/PhotoList.h"

#include "list/tests/support/TestPhotos.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>

PhotoList::PhotoList() : doc(std::make_unique<CZantobyDoc>(host))
{
    doc->tempFolder = temp.Path();
    EXPECT_TRUE(doc->CreateWorkFolders(CString()));
}

CString PhotoList::WriteJpeg(const CString& name, int width, int height) const
{
    CString path = temp.Path() + name;
    std::filesystem::create_directories(FileSystem::ToNative(path).parent_path());
    EXPECT_TRUE(TestPhotos::WriteJpeg(path, width, height));
    return path;
}

int PhotoList::AddPhotoRow(const CString& path)
{
    const int slot = doc->ImportPhotoImage(path, -1, CString(), 0);
    EXPECT_GE(slot, 0);
    EXPECT_TRUE(doc->AddPhotoToRow(doc->displayCount - 1, -1, slot, 0));
    doc->AppendNewRowLine();
    return slot;
}
