#include "support/HelpCompiler.h"
#include "tutorial/ChmDirectory.h"
#include "tutorial/ChmFile.h"
#include "tutorial/ChmReader.h"
#include "tutorial/HelpFileFinder.h"
#include "tutorial/ItsAddress.h"
#include "tutorial/TopicMap.h"
#include "tutorial/TopicTable.h"

#include "foundation/FileUtility.h"
#include "foundation/PathName.h"
#include "foundation/tests/support/ScratchFolder.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace {

// An "#IVB" stream of 32-bit little-endian words.
std::string Words(std::initializer_list<std::uint32_t> words)
{
    std::string bytes;
    for (std::uint32_t word : words) {
        for (int i = 0; i < 4; ++i) {
            bytes += static_cast<char>((word >> (8 * i)) & 0xFF);
        }
    }
    return bytes;
}

const std::string kStartPage = "<html><body><h1>Start</h1><a href=\"second.htm\">next</a>"
                               "<img src=\"pic.png\"></body></html>";
const std::string kPicture = std::string("\x89PNG\r\n\x1a\n", 8) + std::string("\0\x01\x02\xff", 4);

// Writes a help project with two pages and a picture in a sub-folder and compiles it.
CString CompileHelpProject(const ScratchFolder& folder)
{
    ScratchFolder::WriteBytes(folder / "help.hhp",
                              "[OPTIONS]\n"
                              "Compiled file=help.chm\n"
                              "Default topic=html/start.htm\n"
                              "Language=0x411 Japanese\n"
                              "\n[FILES]\nhtml/start.htm\nhtml/second.htm\nhtml/pic.png\n"
                              "\n[ALIAS]\nIDH_START=html/start.htm\n"
                              "IDH_SECOND=html/second.htm\n"
                              "\n[MAP]\n#define IDH_START 1003\n"
                              "#define IDH_SECOND 1004\n");
    ScratchFolder::WriteBytes(folder / "html/start.htm", kStartPage);
    ScratchFolder::WriteBytes(folder / "html/second.htm", "<html><body>Second</body></html>");
    ScratchFolder::WriteBytes(folder / "html/pic.png", kPicture);
    return CompileHelpFile(folder, "help");
}

TEST(TopicTableTest, FirstEntryOfATopicWinsAndBytesAfterTheLastWholeEntryAreIgnored)
{
    CTopicTable table;
    // 20 bytes: two whole entries and four bytes of a third.
    ASSERT_TRUE(table.Parse(Words({20, 1003, 1, 1003, 50, 1004})));
    EXPECT_EQ(table.GetCount(), 2);
    std::uint32_t offset = 0;
    ASSERT_TRUE(table.Find(1003, offset));
    EXPECT_EQ(offset, 1u);
    EXPECT_FALSE(table.Find(1004, offset));
}

TEST(TopicTableTest, LengthBeyondTheStreamOrAStreamTooShortGivesNoTable)
{
    CTopicTable table;
    // A crafted length is never allocated or read beyond the stream.
    EXPECT_FALSE(table.Parse(Words({0xFFFFFFF8, 1003, 1})));
    EXPECT_FALSE(table.IsLoaded());
    EXPECT_FALSE(table.Parse(std::string("\x08\x00", 2)));
    EXPECT_TRUE(table.Parse(Words({0})));
    EXPECT_EQ(table.GetCount(), 0);
}

TEST(ItsAddressTest, DotSegmentsResolveAsInAUrlAndNeverClimbAboveTheRoot)
{
    CString helpFile;
    CString page;
    const struct
    {
        const char* address;
        const char* page;
    } cases[] = {
        {"its:/h/T.chm::/html/sub/../b.htm", "/html/b.htm"},
        {"its:/h/T.chm::/html/sub/./../../html/b.htm#top", "/html/b.htm"},
        {"its:/h/T.chm::/html/../../../b.htm", "/b.htm"},
        {"its:/h/T.chm::html/sub/..", "/html/"},
        {"its:/h/T.chm::/html/./", "/html/"},
        {"its:/h/T.chm::/..", "/"},
        {"its:/h/../T.chm::/a..b/c.htm", "/a..b/c.htm"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(CItsAddress::Parse(c.address, helpFile, page)) << c.address;
        EXPECT_EQ(page, c.page) << c.address;
    }
    EXPECT_EQ(helpFile, "/h/../T.chm") << "the help file's own path is the system's to resolve";
}

TEST(HelpFileTest, TopicLeadsToItsPageAndThePageAndItsPictureAreReadOut)
{
    ScratchFolder folder;
    const CString helpFile = CompileHelpProject(folder);
    CTopicMap topics;
    CString page;
    // chmcmd stores the page's source path; it leads back to the page inside the file.
    ASSERT_EQ(topics.Lookup(helpFile, 1003, page), CTopicMap::Result::Found);
    EXPECT_EQ(page, "/html/start.htm");
    ASSERT_EQ(topics.Lookup(helpFile, 1004, page), CTopicMap::Result::Found);
    EXPECT_EQ(page, "/html/second.htm");
    EXPECT_EQ(topics.Lookup(helpFile, 9999, page), CTopicMap::Result::NotMapped);
    EXPECT_EQ(page, "");

    CChmFile chm;
    ASSERT_TRUE(chm.Open(helpFile));
    std::string bytes;
    ASSERT_TRUE(chm.ReadObject("/html/start.htm", bytes));
    EXPECT_EQ(bytes, kStartPage);
    ASSERT_TRUE(chm.ReadObject("/html/pic.png", bytes));
    EXPECT_EQ(bytes, kPicture);
    EXPECT_FALSE(chm.ReadObject("/html/missing.htm", bytes));
    EXPECT_FALSE(chm.ReadObject("/html/start.htm", bytes, 10));
}

TEST(HelpFileTest, PagePathsOfEitherCompilerFindTheirPage)
{
    ScratchFolder folder;
    CChmFile chm;
    ASSERT_TRUE(chm.Open(CompileHelpProject(folder)));
    EXPECT_EQ(CTopicMap::FindPageObject(chm, "html/second.htm"), "/html/second.htm");
    EXPECT_EQ(CTopicMap::FindPageObject(chm, "/build/help/html/second.htm"), "/html/second.htm");
    EXPECT_EQ(CTopicMap::FindPageObject(chm, "/build/help/html/"), "");
    EXPECT_EQ(CTopicMap::FindPageObject(chm, ""), "");
}

TEST(HelpFileTest, NoHelpFileOrOneThatIsNoCompiledHelpMapsNothing)
{
    ScratchFolder folder;
    ScratchFolder::WriteBytes(folder / "fake.chm", "<html>not compiled</html>");
    CTopicMap topics;
    CString page;
    EXPECT_EQ(topics.Lookup("", 1003, page), CTopicMap::Result::NoHelpFile);
    EXPECT_EQ(topics.Lookup(folder / "fake.chm", 1003, page), CTopicMap::Result::NoHelpFile);
    EXPECT_EQ(topics.Lookup(folder / "missing.chm", 1003, page), CTopicMap::Result::NoHelpFile);
}

// A help file whose compression control data is said to lie in a section the file does not
// have: the system's reader divides by zero on opening it. That happens away from the caller,
// which sees a file that cannot be read and goes on.
TEST(HelpFileTest, HelpFileThatBreaksTheReaderReadsAsUnreadable)
{
    ScratchFolder folder;
    std::string bytes = ScratchFolder::ReadBytes(CompileHelpProject(folder));
    const std::string controlData = "::DataSpace/Storage/MSCompressed/ControlData";
    const size_t at = bytes.find(controlData);
    ASSERT_NE(at, std::string::npos);
    bytes[at + controlData.size()] = 0x7F;
    ScratchFolder::WriteBytes(folder / "damaged.chm", bytes);

    CChmFile chm;
    EXPECT_FALSE(chm.Open(folder / "damaged.chm"));
    std::string page;
    EXPECT_FALSE(chm.ReadObject("/html/start.htm", page));
    CTopicMap topics;
    CString found;
    EXPECT_EQ(topics.Lookup(folder / "damaged.chm", 1003, found), CTopicMap::Result::NoHelpFile);
}

// A file whose header and directory read but whose compressed objects are damaged opens; its
// topic table cannot be read, which is not the same as a topic it does not map.
TEST(HelpFileTest, AFileWithASoundHeaderAndADamagedBodyOpensButItsTablesDoNotRead)
{
    ScratchFolder folder;
    ASSERT_TRUE(WriteWithDamagedBody(CompileHelpProject(folder), folder / "body.chm"));
    CChmFile chm;
    ASSERT_TRUE(chm.Open(folder / "body.chm"));
    EXPECT_TRUE(chm.HasObject("/html/start.htm"));
    std::string page;
    EXPECT_FALSE(chm.ReadObject("/html/start.htm", page));
    CTopicMap topics;
    CString found;
    EXPECT_EQ(topics.Lookup(folder / "body.chm", 1003, found), CTopicMap::Result::TableUnreadable);
    EXPECT_TRUE(found.IsEmpty());
}

void PutLittle(std::string& bytes, size_t at, std::uint64_t value, int count)
{
    for (int i = 0; i < count; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::uint64_t GetLittle(const std::string& bytes, size_t at, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// Whether the file opens and its start page reads, in this process: the headers that would
// mislead the system's reader are refused before it sees them.
bool ReadsInProcess(const ScratchFolder& folder, const std::string& bytes)
{
    ScratchFolder::WriteBytes(folder / "patched.chm", bytes);
    CChmReader reader;
    std::string page;
    return reader.Open(FileSystem::ToNative(folder / "patched.chm")) &&
           reader.ReadObject("/html/start.htm", page, CChmFile::kMaxObjectSize) && page == kStartPage;
}

TEST(HelpFileTest, HeadersThatWouldMisleadTheSystemReaderAreRefusedBeforeItSeesThem)
{
    ScratchFolder folder;
    const std::string sound = ScratchFolder::ReadBytes(CompileHelpProject(folder));
    ASSERT_TRUE(ReadsInProcess(folder, sound));
    const size_t directory = GetLittle(sound, 72, 8);
    const size_t blockLength = directory + 16;
    const size_t control = sound.find("LZXC") - 4;
    CChmDirectory::Entry table;
    {
        CChmDirectory sounder;
        ASSERT_TRUE(sounder.Open(FileSystem::ToNative(folder / "patched.chm")));
        ASSERT_EQ(
            sounder.Find("::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
                         "InstanceData/ResetTable",
                         table),
            CChmDirectory::Found::Yes);
    }
    const size_t tableBlockLength = GetLittle(sound, 88, 8) + table.start + 32;

    struct Damage
    {
        size_t at;
        std::uint64_t value;
        int count;
    };
    // Blocks of gigabytes or none; windows the decoder has no tables for; intervals and
    // block lengths it divides by.
    for (const Damage& damage :
         {Damage{blockLength, 0x93931000, 4}, Damage{blockLength, 0, 4}, Damage{control + 16, 3, 4},
          Damage{control + 16, 0x100, 4}, Damage{control + 12, 0, 4}, Damage{control + 20, 0, 4},
          Damage{control + 12, 0x20000, 4}, Damage{tableBlockLength, 0, 8}}) {
        std::string bytes = sound;
        PutLittle(bytes, damage.at, damage.value, damage.count);
        EXPECT_FALSE(ReadsInProcess(folder, bytes)) << damage.at << " " << damage.value;
    }

    // The control data said to lie in a section the file does not have.
    std::string bytes = sound;
    const std::string controlName = "::DataSpace/Storage/MSCompressed/ControlData";
    bytes[bytes.find(controlName) + controlName.size()] = 0x7F;
    EXPECT_FALSE(ReadsInProcess(folder, bytes));
}

// Hundreds of pages fill several directory blocks under an index block; each page is found
// through the index and reads out, and names between and beyond them are not found.
TEST(HelpFileTest, EveryPageOfAFileWithAnIndexBlockIsFound)
{
    ScratchFolder folder;
    CString files;
    for (int i = 0; i < 400; ++i) {
        CString name;
        name.Format("html/page-with-a-rather-long-name-%04d.htm", i);
        ScratchFolder::WriteBytes(folder / name, "<html>" + std::to_string(i) + "</html>");
        files += name + "\n";
    }
    ScratchFolder::WriteBytes(folder / "big.hhp",
                              "[OPTIONS]\nCompiled file=big.chm\n\n[FILES]\n" + files.str());

    CChmReader reader;
    ASSERT_TRUE(reader.Open(FileSystem::ToNative(CompileHelpFile(folder, "big"))));
    for (int i = 0; i < 400; ++i) {
        CString name;
        name.Format("/HTML/Page-with-a-rather-long-name-%04d.htm", i);
        std::string page;
        ASSERT_TRUE(reader.ReadObject(name, page, CChmFile::kMaxObjectSize)) << i;
        EXPECT_EQ(page, "<html>" + std::to_string(i) + "</html>");
    }
    EXPECT_FALSE(reader.HasObject("/html/page-with-a-rather-long-name-0100x.htm"));
    EXPECT_FALSE(reader.HasObject("/html/zzz.htm"));
    EXPECT_FALSE(reader.HasObject("/!"));
}

// An index block whose entry leads back to itself: the system's reader would read it for ever.
TEST(HelpFileTest, IndexThatLeadsInCirclesIsDamagedNotEndless)
{
    ScratchFolder folder;
    std::string bytes = ScratchFolder::ReadBytes(CompileHelpProject(folder));
    const size_t directory = GetLittle(bytes, 72, 8);
    const size_t blockLength = GetLittle(bytes, directory + 16, 4);
    const size_t block = directory + 0x54;
    PutLittle(bytes, directory + 28, 0, 4);
    bytes.replace(block, 4, "PMGI");
    // One entry: an empty name, which sorts first, and block 0 below it.
    PutLittle(bytes, block + 4, blockLength - 10, 4);
    bytes[block + 8] = 0;
    bytes[block + 9] = 0;
    ScratchFolder::WriteBytes(folder / "circle.chm", bytes);

    CChmDirectory directoryOfFile;
    EXPECT_FALSE(directoryOfFile.Open(FileSystem::ToNative(folder / "circle.chm")));
    EXPECT_FALSE(ReadsInProcess(folder, bytes));
    CChmFile chm;
    EXPECT_FALSE(chm.Open(folder / "circle.chm"));
}

TEST(HelpFileTest, TutorialHelpFileStandsBesideTheProgramsAndLeadsToTheStartPage)
{
    ScratchFolder folder;
    const CString programFolder = GetFolderOfPath(GetProgramPath());
    // Found beside the program whatever the current folder, and by its own full path.
    ASSERT_EQ(chdir(FileSystem::ToNative(folder.Path()).c_str()), 0);
    const CString helpFile = FindHelpFile("Tutorial.chm", programFolder);
    EXPECT_EQ(helpFile, programFolder + "/Tutorial.chm");
    EXPECT_EQ(FindHelpFile(helpFile, CString()), helpFile);
    EXPECT_EQ(FindHelpFile("help/Missing.chm", programFolder), "");

    CTopicMap topics;
    CString page;
    EXPECT_EQ(topics.Lookup(helpFile, 1003, page), CTopicMap::Result::Found);
}

} // namespace
