#include "app/startup/ZantobyAppCore.h"
#include "app/testing/MessageBoxRecorder.h"
#include "foundation/FileUtility.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

class ErrorReportTest : public testing::Test
{
  protected:
    CStringArray Logs() const
    {
        CStringArray names;
        ListFiles(CAppBase::GetErrorFolder() + "/*.err", &names, false);
        return names;
    }

    ScratchFolder scratch;
    CZantobyAppCore app{CVersionInfo(2, 1, 3, 4)};
    CMessageBoxRecorder boxes;
};

} // namespace

TEST_F(ErrorReportTest, EmptyTextShowsTheDefaultWithFileAndLine)
{
    errno = 0;
    app.ReportError("", "/src/zantoby/list/ZantobyDoc.cpp", 120);
    const auto& box = boxes.Only();
    EXPECT_EQ(box.text, "実行時に予期しないエラーが発生しました\n\nFILE : ZantobyDoc.cpp\nLINE : 120\n");
    EXPECT_EQ(box.caption, "Zantoby 2.103.4");
    EXPECT_EQ(box.style, MB_OK | MB_ICONHAND | MB_TASKMODAL | MB_TOPMOST);
}

TEST_F(ErrorReportTest, PendingSystemErrorIsAppendedAfterAnEmptyLine)
{
    errno = ENOENT;
    app.ReportError(nullptr, "ListInfoDlg", 7);
    CString expected = CString("実行時に予期しないエラーが発生しました\n\n") +
                       Cp932::FromUtf8(std::strerror(ENOENT)) + "\n\nFILE : ListInfoDlg\nLINE : 7\n";
    EXPECT_EQ(boxes.Only().text, expected);
}

TEST_F(ErrorReportTest, TheBaseReportReachesTheApplicationsOwn)
{
    errno = 0;
    CAppBase& base = app;
    base.ReportError("保存できません", "EditPhotoDoc.cpp", 3);
    EXPECT_EQ(boxes.Only().text, "保存できません\n\nFILE : EditPhotoDoc.cpp\nLINE : 3\n");
    EXPECT_EQ(boxes.Only().caption, "Zantoby 2.103.4");
}

TEST_F(ErrorReportTest, ReportIsLoggedOnlyOnceErrorFilesAreOn)
{
    errno = 0;
    app.ReportError("first", "a/b/GridView.cpp", 1);
    EXPECT_EQ(Logs().GetSize(), 0);

    app.SetWriteErrorFiles(true);
    errno = EACCES;
    app.ReportError("書けません", "a/b/GridView.cpp", 42);
    CStringArray logs = Logs();
    ASSERT_EQ(logs.GetSize(), 1);
    std::string content = ScratchFolder::ReadBytes(CAppBase::GetErrorFolder() + "/" + logs[0]);
    std::string expected =
        "file=GridView.cpp\r\nline=42\r\n書けません\r\n\r\n" + Cp932::FromUtf8(std::strerror(EACCES));
    EXPECT_EQ(content, expected);
    EXPECT_EQ(boxes.Boxes().size(), 2u);
}
