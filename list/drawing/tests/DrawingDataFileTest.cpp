#include "list/drawing/DrawBox.h"
#include "list/drawing/DrawingData.h"

#include "support/FakeDrawingHost.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// A folder of its own for each test, removed afterwards.
class DrawingDataFile : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zantoby-drw-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    CString PathOf(const char* name) const { return CString((m_folder / name).string()); }
    std::string Bytes(const char* name) const
    {
        std::ifstream in(m_folder / name, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    std::filesystem::path m_folder;
    FakeDrawingHost host;
};

} // namespace

TEST_F(DrawingDataFile, MissingFileIsAPhotoWithoutDrawing)
{
    CDrawingData data;
    data.bright = 4;
    EXPECT_TRUE(data.Read(PathOf("0001.drw"), host));
    EXPECT_EQ(data.bright, 4);
    EXPECT_EQ(data.shapes.GetSize(), 0);
    EXPECT_TRUE(host.reports.empty());
}

TEST_F(DrawingDataFile, WrittenWithWindowsLineEndsAndReadBack)
{
    CDrawingData data;
    data.rot = 1;
    data.bright = 10;
    auto box = std::make_unique<CDrawBox>();
    box->SetRect(CRect(10, 20, 110, 80));
    box->selected = true;
    data.shapes.AddShape(std::move(box));
    ASSERT_TRUE(data.Write(PathOf("0001.drw"), host));
    EXPECT_EQ(Bytes("0001.drw"),
              "; Zantoby 2.108.0 Drawing Data\r\n"
              "photo,rot=1,bright=10\r\n"
              "selected,0(box)\r\n"
              "box,ps.x1=10,ps.y1=20,ps.x2=110,ps.y2=80,bd.w=1,bd.c=0,bk.c=-1,sd.x=0,sd.y=0,"
              "sd.c=-1,sd.s=0\r\n");

    CDrawingData again;
    ASSERT_TRUE(again.Read(PathOf("0001.drw"), host));
    EXPECT_EQ(again.rot, 1);
    ASSERT_EQ(again.shapes.GetSize(), 1);
    EXPECT_TRUE(again.shapes.GetShape(0)->selected);
    EXPECT_TRUE(host.errorBoxes.empty());
}

TEST_F(DrawingDataFile, FileThatCannotBeMadeShowsItsPathAndCause)
{
    CDrawingData data;
    CString path = PathOf("no-such-folder/0001.drw");
    EXPECT_FALSE(data.Write(path, host));
    ASSERT_EQ(host.errorBoxes.size(), 1u);
    EXPECT_EQ(host.errorBoxes[0].first, 41003);
    EXPECT_EQ(host.errorBoxes[0].second.rfind(path.str() + "\n", 0), 0u) << host.errorBoxes[0].second;
    EXPECT_GT(host.errorBoxes[0].second.size(), path.str().size() + 1);
}
