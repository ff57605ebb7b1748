#include "foundation/AdoErrors.h"
#include "foundation/AppBase.h"
#include "foundation/FileUtility.h"
#include "support/ScratchFolder.h"

#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <gtest/gtest.h>

#include <utime.h>
#include <vector>

namespace {

struct Box
{
    CString text;
    CString caption;
    unsigned style;
};

// Records every box instead of showing it.
class ErrorReportTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_previous =
            SetMessageBoxHandler([this](const CString& text, const CString& caption, unsigned style) {
                m_boxes.push_back({text, caption, style});
                return IDOK;
            });
    }
    void TearDown() override { SetMessageBoxHandler(m_previous); }

    CStringArray Logs() const
    {
        CStringArray names;
        ListFiles(CAppBase::GetErrorFolder() + "/*.err", &names, false);
        return names;
    }

    ScratchFolder m_scratch;
    CAppBase m_app{"Zantoby"};
    std::vector<Box> m_boxes;
    MessageBoxHandler m_previous;
};

class FakeAdoErrors : public CAdoErrors
{
  public:
    int GetCount() const override { return 2; }
    long GetNumber(int index) const override { return index == 0 ? static_cast<long>(0x80040E14) : 17; }
    CString GetDescription(int index) const override { return index == 0 ? "構文エラー" : "second"; }
};

} // namespace

TEST_F(ErrorReportTest, ShowsTheStopBoxWithFileAndLine)
{
    m_app.ReportError("保存できません", "/src/list/ZantobyDoc.cpp", 120);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "保存できません\n\nFILE : ZantobyDoc.cpp\nLINE : 120\n");
    EXPECT_EQ(m_boxes[0].caption, "Zantoby");
    EXPECT_EQ(m_boxes[0].style & MB_ICONMASK, MB_ICONHAND);

    m_app.ReportError(nullptr, "a.cpp", 1);
    m_app.ReportError("", "a.cpp", 1);
    EXPECT_EQ(m_boxes[1].text, "実行時にｴﾗｰが発生しました\n\nFILE : a.cpp\nLINE : 1\n");
    EXPECT_EQ(m_boxes[2].text, m_boxes[1].text);
}

TEST_F(ErrorReportTest, WritesNoFileWhileTheFlagIsOff)
{
    m_app.ReportError("x", "a.cpp", 1);
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(Logs().GetSize(), 0);
}

TEST_F(ErrorReportTest, LogHoldsFileLineAndMessageWithCrLf)
{
    m_app.SetWriteErrorFiles(true);
    m_app.ReportError("一行目\n二行目", "/src/ZantobyDoc.cpp", 7);
    CStringArray logs = Logs();
    ASSERT_EQ(logs.GetSize(), 1);
    EXPECT_EQ(logs[0].GetLength(), 23) << logs[0].GetString(); // "YYYY-MM-DD HH-MM-SS.err"
    EXPECT_EQ(logs[0].Mid(10, 1), " ");
    EXPECT_EQ(ScratchFolder::ReadBytes(CAppBase::GetErrorFolder() + "/" + logs[0]),
              std::string("file=ZantobyDoc.cpp\r\nline=7\r\n一行目\r\n二行目"));
}

TEST_F(ErrorReportTest, TwoReportsInOneSecondAreBothKept)
{
    m_app.SetWriteErrorFiles(true);
    // Enough reports that at least two fall in the same second.
    for (int i = 0; i < 3; ++i) {
        m_app.ReportError("report", "a.cpp", i);
    }
    CStringArray logs = Logs();
    ASSERT_EQ(logs.GetSize(), 3);
    bool suffixed = false;
    for (const CString& name : logs) {
        suffixed = suffixed || name.Find("_02.err") > 0;
    }
    EXPECT_TRUE(suffixed);
    EXPECT_EQ(m_boxes.size(), 3u) << "no save failure";
}

TEST_F(ErrorReportTest, SaveFailureIsShownAndTheProgramGoesOn)
{
    m_app.SetWriteErrorFiles(true);
    // A file where the log folder should be.
    ScratchFolder::WriteBytes(CAppBase::GetErrorFolder(), "in the way");
    m_app.ReportError("x", "a.cpp", 1);
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[1].text, "ｴﾗｰﾒｯｾｰｼﾞを保存することが出来ませんでした");
    EXPECT_EQ(m_boxes[1].style & MB_ICONMASK, MB_ICONHAND);
}

TEST_F(ErrorReportTest, ProviderErrorsAreAppended)
{
    m_app.SetWriteErrorFiles(true);
    m_app.ReportAdoError(FakeAdoErrors(), "読めません", "Db.cpp", 5);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "読めません\n\nFILE : Db.cpp\nLINE : 5\n\nADO Error : 80040e14\n構文エラー"
                               "\nADO Error : 11\nsecond");
    CStringArray logs = Logs();
    ASSERT_EQ(logs.GetSize(), 1);
    EXPECT_EQ(ScratchFolder::ReadBytes(CAppBase::GetErrorFolder() + "/" + logs[0]),
              std::string("file=Db.cpp\r\nline=5\r\n読めません\r\n\r\nADO Error : 80040e14\r\n構文エラー"
                          "\r\nADO Error : 11\r\nsecond"));
}

TEST_F(ErrorReportTest, PurgeKeepsTheNewestAndDropsTheOld)
{
    CString folder = CAppBase::GetErrorFolder();
    for (int i = 0; i < 40; ++i) {
        CString name;
        name.Format("%s/2030-01-01 10-00-%02d.err", folder.GetString(), i);
        ScratchFolder::WriteBytes(name, "x");
    }
    // Last written long ago: goes whatever its name says.
    CString old = folder + "/2031-01-01 00-00-00.err";
    ScratchFolder::WriteBytes(old, "x");
    utimbuf times{1000000000, 1000000000};
    utime(FileSystem::ToNative(old).c_str(), &times);
    ScratchFolder::WriteBytes(folder + "/notes.txt", "x");

    m_app.PurgeErrorFiles(7, 30);
    CStringArray logs = Logs();
    ASSERT_EQ(logs.GetSize(), 30);
    EXPECT_EQ(logs[0], "2030-01-01 10-00-10.err");
    EXPECT_EQ(logs[29], "2030-01-01 10-00-39.err");
    EXPECT_TRUE(FileSystem::Exists(folder + "/notes.txt"));

    m_app.PurgeErrorFiles(0, 0);
    EXPECT_EQ(Logs().GetSize(), 0);
    EXPECT_TRUE(m_boxes.empty());
}
