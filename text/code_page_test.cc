// Runs where the ANSI code page is 936: Chinese Windows, or the POSIX stand-in.
#include "text/code_page.h"

#include <gtest/gtest.h>

#include "text/test_support.h"

namespace text {
namespace {

TEST(TextToUtf16Buffer, GivesTheUnitsAndOneZeroUnit) {
    struct Case {
        const char* name;
        ByteText text;
        ByteBuffer expected;
    };
    const Case cases[] = {
        {"empty", "", {0x00, 0x00}},
        {"absent", {}, {0x00, 0x00}},
        {"ASCII", "AE", {0x41, 0x00, 0x45, 0x00, 0x00, 0x00}},
        {"GBK character", "中", {0x2D, 0x4E, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextToUtf16Buffer(c.text), c.expected);
    }
}

TEST(Utf16BufferToText, ConvertsTheUnitsBeforeTheFirstZeroUnit) {
    struct Case {
        const char* name;
        ByteBuffer buffer;
        const char* expected;
    };
    const Case cases[] = {
        {"with a zero unit", {0x41, 0x00, 0x42, 0x00, 0x00, 0x00}, "AB"},
        {"without a zero unit", {0x41, 0x00, 0x42, 0x00}, "AB"},
        {"stops at the first zero unit", {0x41, 0x00, 0x00, 0x00, 0x42, 0x00, 0x00, 0x00}, "A"},
        {"odd length drops the last byte", {0x41, 0x00, 0x42}, "A"},
        {"empty", {}, ""},
        {"only a zero unit", {0x00, 0x00}, ""},
        {"a single byte", {0x41}, ""},
        {"GBK character", {0x2D, 0x4E, 0x00, 0x00}, "中"},
        {"unrepresentable becomes the default character", {0x01, 0x0E, 0x00, 0x00}, "?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Utf16BufferToText(c.buffer), ByteText(c.expected));
    }
}

TEST(CodePageRoundTrip, GivesEveryTextOfTheProgramBack) {
    for (const char* shown : {"中文转英文", "英文转中文", "修改成功！请重启AE", "AE路径：C:\\淺\\",
                              "将AE图标拖入即可(请勿拖入其他软件\r\n有问题请@Varnok"}) {
        SCOPED_TRACE(shown);
        EXPECT_EQ(Utf16BufferToText(TextToUtf16Buffer(shown)), ByteText(shown));
    }
}

TEST(CodePageLiterals, AreGbkBytes) {
    EXPECT_EQ(ByteText("中"), ByteText("中"));
    EXPECT_EQ(TextToUtf16Buffer("中文"), (ByteBuffer{0x2D, 0x4E, 0x87, 0x65, 0x00, 0x00}));
}

}  // namespace
}  // namespace text
