#include "text/whole_file.h"

#include <gtest/gtest.h>

#include <string>

#include "text/allocation.h"
#include "text/test_support.h"

namespace text {
namespace {

constexpr std::string_view kConfig = "<Data key=\"installedLanguages\">zh_CN</Data>\r\n";

ByteBuffer Bytes(std::string_view bytes) {
    return ByteBuffer(bytes.begin(), bytes.end());
}

TEST(ReadWholeFile, GivesTheBytesOrEmptyOnAnyFailure) {
    TempFolder folder;
    folder.Write("config.xml", std::string("a\0b中", 5));
    folder.Write("empty.xml", "");
    EXPECT_EQ(ReadWholeFile(folder.Path("config.xml")), Bytes(std::string("a\0b中", 5)));
    EXPECT_EQ(ReadWholeFile(folder.Path("empty.xml")), ByteBuffer());
    EXPECT_EQ(ReadWholeFile(folder.Path("missing.xml")), ByteBuffer());
    EXPECT_EQ(ReadWholeFile(""), ByteBuffer());
}

TEST(WriteWholeFile, MakesTheFileHoldExactlyTheData) {
    TempFolder folder;
    folder.Write("config.xml", "a much longer text than the one written over it");
    EXPECT_EQ(WriteWholeFile(folder.Path("config.xml"), Bytes(kConfig)), WriteOutcome::Written);
    EXPECT_EQ(folder.Read("config.xml"), kConfig);

    EXPECT_EQ(WriteWholeFile(folder.Path("new.xml"), Bytes(kConfig)), WriteOutcome::Written);
    EXPECT_EQ(folder.Read("new.xml"), kConfig);

    EXPECT_EQ(WriteWholeFile(folder.Path("config.xml"), {}), WriteOutcome::Written);
    EXPECT_TRUE(folder.Exists("config.xml"));
    EXPECT_EQ(folder.Read("config.xml"), "");
    EXPECT_EQ(folder.EntryCount(), 2) << "no temporary file is left behind";
}

WriteOutcome FailingReplace(const ByteText&, const ByteText&) {
    return WriteOutcome::Failed;
}

TEST(WriteWholeFile, FailsWithoutDamagingTheTarget) {
    TempFolder folder;
    folder.Write("config.xml", kConfig);
    folder.Write("locked.xml", kConfig);
    folder.MakeReadOnly("locked.xml");

    EXPECT_EQ(WriteWholeFile("", Bytes("x")), WriteOutcome::Failed);
    EXPECT_EQ(WriteWholeFile(folder.Path("locked.xml"), Bytes("x")), WriteOutcome::AccessDenied);
    EXPECT_EQ(WriteWholeFile(folder.Path("missing\\config.xml"), Bytes("x")), WriteOutcome::Failed);
    EXPECT_EQ(WriteWholeFileVia(folder.Path("config.xml"), Bytes("x"), FailingReplace),
              WriteOutcome::Failed);

    EXPECT_EQ(folder.Read("locked.xml"), kConfig);
    EXPECT_EQ(folder.Read("config.xml"), kConfig);
    EXPECT_EQ(folder.EntryCount(), 2) << "the temporary file of the failed replace is removed";
}

TEST(BufferForFileOfSize, TakesOnlyPositive32BitSizes) {
    EXPECT_EQ(BufferForFileOfSize(0), ByteBuffer());
    EXPECT_EQ(BufferForFileOfSize(-1), ByteBuffer());
    EXPECT_EQ(BufferForFileOfSize(1LL << 31), ByteBuffer()) << "2 GiB and more";
    EXPECT_EQ(BufferForFileOfSize(1LL << 32 | 3), ByteBuffer()) << "not cut to its low 32 bits";
    EXPECT_EQ(BufferForFileOfSize(3), ByteBuffer(3, 0));
}

}  // namespace
}  // namespace text
