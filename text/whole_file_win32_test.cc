// The sharing modes: reading lets others read but not write, writing needs the file to itself.
#include <windows.h>

#include <gtest/gtest.h>

#include "text/file_handle_win32.h"
#include "text/test_support.h"
#include "text/whole_file.h"

namespace text {
namespace {

FileHandle OpenElsewhere(const ByteText& path, DWORD access, DWORD sharing) {
    return FileHandle(CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

class SharingTest : public testing::Test {
  protected:
    void SetUp() override { folder_.Write("config.xml", "zh_CN"); }
    ByteText Config() const { return folder_.Path("config.xml"); }
    TempFolder folder_;
};

TEST_F(SharingTest, FileHeldOpenForWritingReadsAsEmpty) {
    const FileHandle writer = OpenElsewhere(Config(), GENERIC_WRITE, FILE_SHARE_READ);
    ASSERT_TRUE(writer.valid());
    EXPECT_EQ(ReadWholeFile(Config()), ByteBuffer());
}

TEST_F(SharingTest, FileHeldOpenForReadingByOthersIsRead) {
    const FileHandle reader = OpenElsewhere(Config(), GENERIC_READ, FILE_SHARE_READ);
    ASSERT_TRUE(reader.valid());
    EXPECT_EQ(ReadWholeFile(Config()), (ByteBuffer{'z', 'h', '_', 'C', 'N'}));
}

TEST_F(SharingTest, WriteToFileHeldOpenElsewhereFailsAndKeepsItsBytes) {
    for (const DWORD sharing : {DWORD{0}, DWORD{FILE_SHARE_READ | FILE_SHARE_WRITE}}) {
        SCOPED_TRACE(sharing);
        const FileHandle other = OpenElsewhere(Config(), GENERIC_READ, sharing);
        ASSERT_TRUE(other.valid());
        EXPECT_EQ(WriteWholeFile(Config(), {'e', 'n', '-', 'U', 'S'}),
                  WriteOutcome::SharingViolation);
    }
    EXPECT_EQ(folder_.Read("config.xml"), "zh_CN");
    EXPECT_EQ(folder_.EntryCount(), 1);
}

TEST_F(SharingTest, NewFileGetsNormalAttributes) {
    ASSERT_EQ(WriteWholeFile(folder_.Path("new.xml"), {'x'}), WriteOutcome::Written);
    const DWORD attributes = GetFileAttributesA(folder_.Path("new.xml").c_str());
    EXPECT_EQ(
        attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
        DWORD{0});
}

}  // namespace
}  // namespace text
