#include "support/EditorFixture.h"

#include "platform/FileSystem.h"
#include "support/TestPhotos.h"

#include <filesystem>

EditorFixture::EditorFixture() : list(std::make_unique<CZantobyDoc>(listHost)), host(temp.Path()), model(host)
{
    list->tempFolder = temp.Path();
    list->listFolder = temp.Path() + "list";
    list->photoFolderName = "Photo-商品";
    list->SetPathName(list->listFolder + "/商品.zbk", false);
    for (const char* sub : {"org", "m", "s"}) {
        std::filesystem::create_directories(
            FileSystem::ToNative(list->listFolder + "/" + list->photoFolderName + "/" + sub));
    }
    list->GetPhoto(0).inUse = true;
    list->GetPhoto(0).name = "表紙";
    EXPECT_TRUE(TestPhotos::WriteJpeg(list->GetOriginalPhotoPath(0), 80, 40));
    host.lists[list->GetPathName()] = list.get();
}

CString EditorFixture::EditorPath(int photo) const
{
    CString path;
    path.Format("%s?%d", list->GetPathName().GetString(), photo);
    return path;
}

void EditorFixture::OpenPhoto()
{
    ASSERT_TRUE(model.Open(EditorPath()));
}
