#include "list/drawing/DrawingData.h"
#include "platform/canvas/Canvas.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// A photo stand-in: colour gradients with fine diagonal stripes, so that mosaic cells and
// shadows show.
Bitmap MakePhoto(int width, int height)
{
    Bitmap photo;
    photo.Create(width, height, 24);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned r = 90 + x * 150 / width;
            unsigned g = 140 + y * 100 / height;
            unsigned b = (x + y) / 5 % 2 == 0 ? 220 : 140;
            photo.Row(y)[x] = (r << 16) | (g << 8) | b;
        }
    }
    return photo;
}

// One shape of every kind, as the editor writes them.
constexpr char kDrawing[] =
    "; Zantoby 2.108.0 Drawing Data\n"
    "photo\n"
    "selected\n"
    "area,ps.x1=40,ps.y1=30,ps.x2=600,ps.y2=450,\n"
    "shade,ps.x1=430,ps.y1=60,ps.x2=570,ps.y2=170,dot=12\n"
    "box,ps.x1=70,ps.y1=60,ps.x2=210,ps.y2=150,bd.w=5,bd.c=255,bk.c=16777152,sd.x=8,sd.y=8,sd.c=6316128,sd.s="
    "0\n"
    "ellipse,ps.x1=240,ps.y1=60,ps.x2=400,ps.y2=160,bd.w=4,bd.c=8388608,bk.c=-1,sd.x=6,sd.y=6,sd.c=8421504,"
    "sd.s=0\n"
    "polygon,ps=80:200,ps=200:180,ps=220:300,ps=120:330,ps=60:280,bd.w=3,bd.c=32768,bk.c=10092441,sd.x=0,"
    "sd.y=0,sd.c=-1,sd.s=0\n"
    "line,ps=260:200,ps=400:320,ar=20:25:1,ar=24:30:0,bd.w=3,bd.c=0,sd.x=4,sd.y=4,sd.c=12632256,sd.s=0\n"
    "freeline,ps=430:200,ps=470:260,ps=520:210,ps=570:300,ar=0:0:0,ar=22:30:1,bd.w=2,bd.c=16711680,sd.x=0,"
    "sd.y=0,sd.c=-1,sd.s=0\n"
    "text,ps=80:360,ft.nm='ＭＳ ゴシック',ft.sz=16:32,rp=0,bo,tx.c=255,sd.x=2,sd.y=2,sd.c=0,sd.s=0,"
    "tx='写真の説明\\r\\nSecond line'\n"
    "text,ps=470:440,ft.nm='ＭＳ 明朝',ft.sz=12:24,rp=0,an=30,tx.c=0,sd.x=0,sd.y=0,sd.c=-1,sd.s=0,"
    "tx='傾き 30'\n"
    "group{\n"
    "  box,ps.x1=300,ps.y1=350,ps.x2=400,ps.y2=420,bd.w=1,bd.c=0,bk.c=-1,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
    "  line,ps=300:350,ps=400:420,ar=0:0:0,ar=0:0:0,bd.w=1,bd.c=0,sd.x=0,sd.y=0,sd.c=-1,sd.s=0\n"
    "}\n";

std::filesystem::path OutputFolder()
{
    const char* folder = std::getenv("ZANTOBY_TEST_OUTPUT");
    std::filesystem::path path =
        folder != nullptr ? folder : std::filesystem::temp_directory_path() / "zantoby-test";
    std::filesystem::create_directories(path);
    return path;
}

} // namespace

TEST(DrawShapesScene, EveryKindOverAPhoto)
{
    CDrawingData data;
    data.ReadText(kDrawing);
    ASSERT_EQ(data.shapes.GetSize(), 10);
    Bitmap photo = MakePhoto(640, 480);
    const Bitmap untouched = photo;
    {
        Canvas dc(photo);
        data.shapes.DrawAll(dc);
    }
    // Inside the area only the shapes change pixels: the area's hatching stays outside.
    EXPECT_EQ(photo.GetPixel(45, 35), untouched.GetPixel(45, 35));
    EXPECT_EQ(photo.GetPixel(595, 445), untouched.GetPixel(595, 445));
    EXPECT_NE(photo.GetPixel(39, 100), untouched.GetPixel(39, 100));
    // Mosaic cells are single-coloured.
    EXPECT_EQ(photo.GetPixel(430, 60), photo.GetPixel(441, 71));
    EXPECT_EQ(data.GetCropRect(CRect(0, 0, 640, 480)), CRect(40, 30, 600, 450));

    std::filesystem::path png = OutputFolder() / "drawing-scene.png";
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        photo.Data(), CAIRO_FORMAT_RGB24, photo.Width(), photo.Height(), photo.Stride());
    EXPECT_EQ(cairo_surface_write_to_png(surface, png.c_str()), CAIRO_STATUS_SUCCESS);
    cairo_surface_destroy(surface);
}
