#include "platform/File.h"
#include "platform/DeferredSync.h"
#include "platform/FileCommitHook.h"
#include "platform/FileException.h"
#include "platform/FileSystem.h"
#include "platform/PrivateTempFolder.h"
#include "platform/StdioFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string ReadBytes(const CString& path)
{
    std::ifstream in(FileSystem::ToNative(path), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

void WriteBytes(const CString& path, const std::string& bytes)
{
    std::ofstream(FileSystem::ToNative(path), std::ios::binary) << bytes;
}

int CountEntries(const CString& folder)
{
    std::vector<FileSystem::Entry> entries;
    FileSystem::ListFolder(folder, entries);
    return static_cast<int>(entries.size());
}

class FileTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        m_folder = PrivateTempFolder::Get() + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(FileSystem::ToNative(m_folder));
    }
    CString m_folder;
};

} // namespace

TEST_F(FileTest, JapaneseNamesReachTheSystemAsUtf8AndComeBack)
{
    CString path = m_folder + "/写真一覧.txt";
    WriteBytes(path, "x");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(m_folder.GetString()) / u8"写真一覧.txt"));
    std::vector<FileSystem::Entry> entries;
    ASSERT_TRUE(FileSystem::ListFolder(m_folder, entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "写真一覧.txt");
    EXPECT_TRUE(entries[0].lossless);
}

TEST_F(FileTest, FullPathsAreAbsoluteWithoutDotsOrDoubleSeparators)
{
    const std::pair<const char*, const char*> paths[] = {{"/a/b/c.zbk", "/a/b/c.zbk"},
                                                         {"/a//b/./c/../d.zbk", "/a/b/d.zbk"},
                                                         {"/a/b/", "/a/b"},
                                                         {"/a/b/..", "/a"},
                                                         {"/a/.", "/a"},
                                                         {"/写真/a.zbk", "/写真/a.zbk"},
                                                         {"", ""}};
    for (const auto& [path, full] : paths) {
        EXPECT_EQ(FileSystem::GetFullPath(path), full) << path;
    }
    EXPECT_EQ(FileSystem::GetFullPath("x.zbk"),
              FileSystem::FromNative(std::filesystem::current_path()) + "/x.zbk");
}

TEST_F(FileTest, ListingIsSortedWithoutRegardToCase)
{
    WriteBytes(m_folder + "/b.txt", "");
    WriteBytes(m_folder + "/A.txt", "");
    WriteBytes(m_folder + "/c.txt", "");
    std::vector<FileSystem::Entry> entries;
    ASSERT_TRUE(FileSystem::ListFolder(m_folder, entries));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "A.txt");
    EXPECT_EQ(entries[2].name, "c.txt");
    EXPECT_FALSE(FileSystem::ListFolder(m_folder + "/missing", entries));
}

TEST_F(FileTest, CreatedFileReplacesTheTargetOnlyWhenClosed)
{
    CString path = m_folder + "/list.zbk";
    WriteBytes(path, "old");
    chmod(FileSystem::ToNative(path).c_str(), 0640);
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write("new contents", 12);
        EXPECT_EQ(ReadBytes(path), "old");
        EXPECT_EQ(CountEntries(m_folder), 2); // the new file lies beside the old one
        file.Close();
    }
    EXPECT_EQ(ReadBytes(path), "new contents");
    EXPECT_EQ(CountEntries(m_folder), 1);
    struct stat st
    {
    };
    stat(FileSystem::ToNative(path).c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the replaced file keeps its permissions";
}

TEST_F(FileTest, WriteInterruptedByAnExceptionKeepsTheOldFile)
{
    CString path = m_folder + "/list.zbk";
    WriteBytes(path, "old");
    try {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write("half", 4);
        throw std::runtime_error("failure while writing");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(CountEntries(m_folder), 1);

    CFile aborted(path, CFile::modeCreate | CFile::modeWrite);
    aborted.Write("x", 1);
    aborted.Abort();
    EXPECT_EQ(ReadBytes(path), "old");
}

TEST_F(FileTest, FilesOfADeferredSyncRunAreWholeAndInPlaceAndAKilledRunLeavesNoHalfFile)
{
    CString done = m_folder + "/done.htm";
    CString half = m_folder + "/half.htm";
    WriteBytes(half, "old page");
    const pid_t child = fork();
    if (child == 0) {
        CDeferredSync sync;
        CFile first(done, CFile::modeCreate | CFile::modeWrite);
        first.Write("<html>done</html>", 17);
        first.Close();
        CFile second(half, CFile::modeCreate | CFile::modeWrite);
        second.Write("<html>ha", 8);
        second.Flush();
        _exit(0); // killed before the page is complete and before the run's end
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_EQ(ReadBytes(done), "<html>done</html>");
    EXPECT_EQ(ReadBytes(half), "old page");

    CDeferredSync outer;
    {
        CDeferredSync inner;
        CFile file(half, CFile::modeCreate | CFile::modeWrite);
        file.Write("new page", 8);
        file.Close();
        EXPECT_EQ(ReadBytes(half), "new page");
        EXPECT_TRUE(inner.Finish());
    }
    std::filesystem::create_directories(FileSystem::ToNative(m_folder + "/gone"));
    CFile(m_folder + "/gone/a.htm", CFile::modeCreate | CFile::modeWrite).Close();
    std::filesystem::remove_all(FileSystem::ToNative(m_folder + "/gone"));
    EXPECT_TRUE(outer.Finish()) << "a folder removed during the run is no failure";
    EXPECT_TRUE(outer.Finish());
}

TEST_F(FileTest, ARunOfWholeWritesKilledBeforeACommitLeavesEveryFileWhole)
{
    const CString first = m_folder + "/a.htm";
    const CString second = m_folder + "/b.htm";
    WriteBytes(first, "old a, the longer of the two");
    WriteBytes(second, "old b");
    const pid_t child = fork();
    if (child == 0) {
        CDeferredSync sync;
        FileSystem::ReplaceContents(first, "new a");
        FileSystem::SetCommitHook([](const CString&) -> int { _exit(0); });
        FileSystem::ReplaceContents(second, "new b");
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadBytes(first), "new a");
    EXPECT_EQ(ReadBytes(second), "old b");
}

TEST_F(FileTest, FileClosedByItsDestructorIsKept)
{
    CString path = m_folder + "/a.txt";
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write("abc", 3);
    }
    EXPECT_EQ(ReadBytes(path), "abc");
}

TEST_F(FileTest, WriteThroughALinkReplacesTheLinkedFile)
{
    CString real = m_folder + "/real.txt";
    CString link = m_folder + "/link.txt";
    WriteBytes(real, "old");
    std::filesystem::create_symlink(FileSystem::ToNative(real), FileSystem::ToNative(link));
    CFile file(link, CFile::modeCreate | CFile::modeWrite);
    file.Write("new", 3);
    file.Close();
    EXPECT_TRUE(std::filesystem::is_symlink(FileSystem::ToNative(link)));
    EXPECT_EQ(ReadBytes(real), "new");
}

TEST_F(FileTest, OpenFailuresNameTheirCause)
{
    CFile file;
    CFileException error(CFileException::none, 0, "");
    EXPECT_FALSE(file.Open(m_folder + "/missing.txt", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(file.Open(m_folder + "/no/such/folder.txt", CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_FALSE(file.Open(m_folder, CFile::modeRead, &error)) << "a folder is not a file";
    EXPECT_EQ(error.m_cause, CFileException::accessDenied);
    EXPECT_THROW(CFile(m_folder + "/missing.txt", CFile::modeRead), CFileException);
}

TEST_F(FileTest, NoTruncateOpensInPlaceAndCreatesWhenMissing)
{
    CString path = m_folder + "/a.txt";
    WriteBytes(path, "abcdef");
    CFile file(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    EXPECT_EQ(file.SeekToEnd(), 6);
    file.Write("g", 1);
    file.Close();
    EXPECT_EQ(ReadBytes(path), "abcdefg");
    CFile created(m_folder + "/b.txt", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(created.GetLength(), 0);
}

TEST_F(FileTest, TextModeStoresLineFeedsAsCrLf)
{
    CString path = m_folder + "/t.txt";
    CStdioFile out(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    out.WriteString("表\n二行目\n");
    out.Close();
    EXPECT_EQ(ReadBytes(path), std::string("表\r\n二行目\r\n"));

    WriteBytes(path, "a\r\nb\rc\nlast");
    CStdioFile in(path, CFile::modeRead);
    CString line;
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, "a");
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, "b\rc") << "a lone CR stays";
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, "last");
    EXPECT_FALSE(in.ReadString(line));
}

// Lines come whole however long they are and whatever bytes they hold; only a CR right before
// the line feed goes, and only in text mode.
TEST_F(FileTest, LinesKeepEveryByteButTheirEnd)
{
    CString path = m_folder + "/t.txt";
    const std::string longLine(100000, 'x');
    WriteBytes(path, std::string("a\0b\r\r\n\r\n", 8) + longLine + "\nend\r");
    CStdioFile in(path, CFile::modeRead | CFile::typeText);
    CString line;
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line.str(), std::string("a\0b\r", 4));
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, "");
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line.str(), longLine);
    char buffer[3];
    ASSERT_NE(in.ReadString(buffer, 3), nullptr);
    EXPECT_STREQ(buffer, "en");
    ASSERT_TRUE(in.ReadString(line));
    EXPECT_EQ(line, "d\r") << "a CR at the end of the file stays";
    EXPECT_FALSE(in.ReadString(line));

    CStdioFile binary(path, CFile::modeRead | CFile::typeBinary);
    ASSERT_TRUE(binary.ReadString(line));
    EXPECT_EQ(line.str(), std::string("a\0b\r\r", 5));
    ASSERT_TRUE(binary.ReadString(line));
    EXPECT_EQ(line, "\r");
}

TEST_F(FileTest, BufferReadKeepsTheLineFeedAndStopsAtTheLimit)
{
    CString path = m_folder + "/t.txt";
    WriteBytes(path, "abcdef\r\ngh");
    CStdioFile in(path, CFile::modeRead | CFile::typeText);
    char buffer[5];
    ASSERT_NE(in.ReadString(buffer, 5), nullptr);
    EXPECT_STREQ(buffer, "abcd");
    ASSERT_NE(in.ReadString(buffer, 5), nullptr);
    EXPECT_STREQ(buffer, "ef\n");
    ASSERT_NE(in.ReadString(buffer, 5), nullptr);
    EXPECT_STREQ(buffer, "gh");
    EXPECT_EQ(in.ReadString(buffer, 5), nullptr);
}

TEST_F(FileTest, BinaryModeLeavesBytesAlone)
{
    CString path = m_folder + "/b.bin";
    CStdioFile out(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary);
    out.WriteString("a\nb");
    out.Close();
    EXPECT_EQ(ReadBytes(path), "a\nb");
}

// Run in a second copy of the test program by the test below.
TEST(PrivateTempFolder, SecondCopyOfTheProgram)
{
    const char* report = std::getenv("ZANTOBY_TEMP_REPORT");
    if (report == nullptr) {
        GTEST_SKIP() << "runs only as the second copy";
    }
    const CString& theirs = PrivateTempFolder::Get();
    std::ofstream(FileSystem::ToNative(theirs + "Zantoby_undo.A")) << "x";
    std::ofstream(report) << theirs.GetString();
}

TEST(PrivateTempFolder, IsPrivateToTheProcessAndRemovedAtItsExit)
{
    const CString& mine = PrivateTempFolder::Get();
    ASSERT_EQ(mine.Right(1), "/");
    struct stat st
    {
    };
    ASSERT_EQ(stat(FileSystem::ToNative(mine).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    std::ofstream(FileSystem::ToNative(mine + "Zantoby_undo.A")) << "mine";

    CString report = mine + "report.txt";
    pid_t child = fork();
    if (child == 0) {
        setenv("ZANTOBY_TEMP_REPORT", report.GetString(), 1);
        execl("/proc/self/exe", "FileTest", "--gtest_filter=PrivateTempFolder.SecondCopyOfTheProgram",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    CString theirs(ReadBytes(report));
    ASSERT_FALSE(theirs.IsEmpty());
    EXPECT_NE(theirs, mine);
    EXPECT_FALSE(FileSystem::Exists(theirs)) << "removed when that copy ended";
    EXPECT_EQ(ReadBytes(mine + "Zantoby_undo.A"), "mine") << "ours is untouched";
}

TEST(PrivateTempFolder, ForkedChildLeavesTheFolderToItsParent)
{
    const CString& mine = PrivateTempFolder::Get();
    pid_t child = fork();
    if (child == 0) {
        std::exit(0); // runs the static destructors
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(FileSystem::IsDirectory(mine));
}
