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

namespace {

// The path, once its folders are made.
CString MakeFolderOf(const CString& path)
{
    std::filesystem::create_directories(FileSystem::ToNative(path).parent_path());
    return path;
}

} // namespace

CString PhotoList::WriteJpeg(const CString& name, int width, int height) const
{
    const CString path = MakeFolderOf(temp.Path() + name);
    EXPECT_TRUE(TestPhotos::WriteJpeg(path, width, height));
    return path;
}

CString PhotoList::WriteCameraJpeg(const CString& name, int width, int height, int orientation) const
{
    const CString path = MakeFolderOf(temp.Path() + name);
    EXPECT_TRUE(TestPhotos::WriteCameraJpeg(path, width, height, orientation));
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
