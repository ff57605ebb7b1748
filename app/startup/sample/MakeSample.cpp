// Writes the program's Sample and Template folders into a folder: the sample list with its
// photos, a template list, the start navigator's "Info.txt" files and their pictures.
#include "app/startup/SampleListMaker.h"
#include "foundation/BitmapEx.h"
#include "platform/FileSystem.h"
#include "platform/StdioFile.h"
#include "platform/canvas/Canvas.h"
#include "support/FakeListHost.h"

#include <cstdio>
#include <filesystem>

namespace {

// A navigator picture: a product photo reduced to fit a frame.
bool WritePicture(const CString& path, int index)
{
    if (!CSampleListMaker::DrawPhoto(path, index)) {
        return false;
    }
    CBitmapEx photo;
    CBitmapEx picture;
    if (!photo.LoadJpeg(path) || !picture.Create(144, 108, 24)) {
        return false;
    }
    {
        Canvas dc(picture);
        dc.SetStretchBltMode(HALFTONE);
        dc.StretchBitmap(photo, CRect(0, 0, 144, 108), CRect(0, 0, photo.Width(), photo.Height()));
    }
    return picture.SaveJpeg(path, 90);
}

// An "Info.txt" of one entry: its caption, picture, list, Web page (none) and description.
bool WriteInfo(const CString& folder, const char* heading, const char* caption, const char* picture,
               const char* list, const char* description)
{
    CStdioFile file;
    if (!file.Open(folder + "/Info.txt", CFile::modeCreate | CFile::modeWrite | CFile::typeText)) {
        return false;
    }
    for (const char* line : {heading, caption, picture, list, "", description, "::"}) {
        file.WriteString(line);
        file.WriteString("\n");
    }
    file.Close();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    // The lists are made without a user: no message needs an answer.
    FakeListHost host;
    CSampleListMaker maker(host);
    const CString root = FileSystem::FromNative(argv[1]);
    const CString sample = root + "/Sample";
    const CString templates = root + "/Template";
    std::error_code error;
    std::filesystem::create_directories(FileSystem::ToNative(sample), error);
    std::filesystem::create_directories(FileSystem::ToNative(templates), error);
    maker.SetSample(true);
    bool made = maker.Make(sample + "/sample.zbk", 12, 6);
    maker.SetSample(false);
    made = made && WritePicture(sample + "/sample.jpg", 0) &&
           WriteInfo(sample, "Zantoby samples", "文房具の商品カタログ", "sample.jpg", "sample.zbk",
                     "文房具の商品を写真と一緒に登録した商品カタログです") &&
           maker.Make(templates + "/goods.zbk", 0, 0, "商品カタログ") &&
           WritePicture(templates + "/goods.jpg", 1) && WritePicture(templates + "/photo.jpg", 4) &&
           WriteInfo(templates, "Zantoby templates", "商品カタログ", "goods.jpg", "goods.zbk",
                     "品名・在庫・分類・価格・入荷日・寸法・備考の項目で商品を管理します");
    if (!made) {
        std::fprintf(stderr, "the sample and template folders could not be written\n");
        return 1;
    }
    return 0;
}
