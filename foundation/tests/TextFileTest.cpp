#include "foundation/TextFile.h"
#include "foundation/FileStatus.h"
#include "support/ScratchFolder.h"

#include "platform/FileException.h"

#include <gtest/gtest.h>

#include <ctime>
#include <sys/stat.h>
#include <utime.h>

TEST(TextFile, WholeFileReadsTurnCrLfIntoLf)
{
    ScratchFolder scratch;
    CString path = scratch / "list.zbk";
    ScratchFolder::WriteBytes(path, "ver=210800\r\n[columns]\r\n表\r\n");
    CString text;
    ASSERT_TRUE(ReadTextFile(text, path, CFile::modeRead | CFile::typeText));
    EXPECT_EQ(text, "ver=210800\n[columns]\n表\n");
    ASSERT_TRUE(ReadTextFile(text, path, CFile::modeRead | CFile::typeBinary));
    EXPECT_EQ(text.GetLength(), 27);
    EXPECT_FALSE(ReadTextFile(text, scratch / "missing.txt", CFile::modeRead));
    EXPECT_EQ(ReadTextFileAlloc(scratch / "missing.txt", CFile::modeRead), nullptr);
}

TEST(TextFile, EmptyFileGivesOnlyTheTerminator)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "empty.txt", "");
    auto buffer = ReadTextFileAlloc(scratch / "empty.txt", CFile::modeRead | CFile::typeText);
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(buffer[0], '\0');
}

TEST(TextFile, WritesFormattedShiftJisLinesWithCrLf)
{
    ScratchFolder scratch;
    CString path = scratch / "a.drw";
    CTextFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText);
    file.WriteFormat("file=%s\nline=%d\n", "ｴﾗｰ表.cpp", 42);
    file.Close();
    EXPECT_EQ(ScratchFolder::ReadBytes(path), std::string("file=ｴﾗｰ表.cpp\r\nline=42\r\n"));

    ASSERT_TRUE(WriteTextFile(path, CFile::modeCreate | CFile::modeWrite | CFile::typeText, "a\nb"));
    EXPECT_EQ(ScratchFolder::ReadBytes(path), "a\r\nb");
    EXPECT_FALSE(WriteTextFile(scratch / "no/folder.txt", CFile::modeCreate | CFile::modeWrite, "x"));
}

TEST(TextFile, ReadAfterCloseRaisesTheFileException)
{
    ScratchFolder scratch;
    ScratchFolder::WriteBytes(scratch / "a.txt", "x");
    CTextFile file(scratch / "a.txt", CFile::modeRead);
    file.Close();
    CString line;
    EXPECT_THROW(file.ReadString(line), CFileException);
}

TEST(FileStatus, GivesTimesSizeAndAttributes)
{
    ScratchFolder scratch;
    CString path = scratch / "photo.jpg";
    ScratchFolder::WriteBytes(path, "12345");
    utimbuf times{1000000000, 1200000000};
    utime(path.GetString(), &times);
    CFileStatus status;
    ASSERT_TRUE(GetFileStatus(path, status));
    EXPECT_EQ(status.m_size, 5);
    EXPECT_EQ(status.m_mtime, 1200000000);
    EXPECT_EQ(status.m_atime, 1000000000);
    EXPECT_NE(status.m_ctime, 0);
    EXPECT_EQ(status.m_attribute & CFile::directory, 0);

    chmod(path.GetString(), 0444);
    ASSERT_TRUE(GetFileStatus(path, status));
    EXPECT_NE(status.m_attribute & CFile::readOnly, 0);
    ASSERT_TRUE(GetFileStatus(scratch.Path(), status));
    EXPECT_NE(status.m_attribute & CFile::directory, 0);
    EXPECT_FALSE(GetFileStatus(scratch / "missing", status));
}
