#include "text/byte_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "text/test_support.h"

namespace text {
namespace {

// Literals are GBK bytes: 中 is D6 D0 (octal 326 320), and 淺 is 9C 5C, whose trail byte is
// the backslash's.

constexpr LetterCase kExact = LetterCase::Exact;
constexpr LetterCase kIgnore = LetterCase::IgnoreAscii;

struct FindCase {
    const char* name;
    const char* text;
    const char* needle;
    std::optional<int> start;
    LetterCase letterCase;
    int expected;
};

TEST(FindText, FollowsPositionsStartsAndCharacterSteps) {
    const FindCase cases[] = {
        {"empty needle", "abc", "", std::nullopt, kExact, 1},
        {"empty needle, start inside", "abc", "", 3, kExact, 1},
        {"empty needle, start past end", "abc", "", 4, kExact, -1},
        {"empty needle, empty text", "", "", std::nullopt, kExact, -1},
        {"first of two", "abcabc", "bc", std::nullopt, kExact, 2},
        {"start 0 is the beginning", "abcabc", "bc", 0, kExact, 2},
        {"negative start is the beginning", "abcabc", "bc", -5, kExact, 2},
        {"start skips the first", "abcabc", "bc", 3, kExact, 5},
        {"start past end", "abc", "c", 4, kExact, -1},
        {"needle longer than text", "ab", "abc", std::nullopt, kExact, -1},
        {"occurrence on a trail byte is not found", "中AB", "\320A", std::nullopt, kExact, -1},
        {"ASCII after a character", "中AB", "AB", std::nullopt, kExact, 3},
        {"the character itself", "中AB", "中", std::nullopt, kExact, 1},
        {"start on a trail byte makes it a candidate", "中中", "\xD0\xD6", 2, kExact, 2},
        {"lone lead byte at the end", "a\xD6", "\xD6", std::nullopt, kExact, 2},
        {"case differs", "ABC", "bc", std::nullopt, kExact, -1},
        {"case ignored", "ABC", "bc", std::nullopt, kIgnore, 2},
        {"folding only touches A-Z", "[", "{", std::nullopt, kIgnore, -1},
        {"folded search steps over characters too", "\326A", "a", std::nullopt, kIgnore, -1},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindText(c.text, c.needle, c.start, c.letterCase), c.expected);
    }
}

TEST(FindTextReverse, FindsTheLastOccurrenceWhollyInsideTheStretch) {
    const FindCase cases[] = {
        {"empty needle", "abc", "", std::nullopt, kExact, 1},
        {"empty needle, empty text", "", "", std::nullopt, kExact, -1},
        {"last of two", "abcabc", "bc", std::nullopt, kExact, 5},
        {"stretch covers the last", "abcabc", "bc", 7, kExact, 5},
        {"occurrence must lie wholly inside", "abcabc", "bc", 6, kExact, 2},
        {"start 1 leaves nothing", "abcabc", "bc", 1, kExact, -1},
        {"start far past the end is the whole text", "abcabc", "bc", 100, kExact, 5},
        {"overlapping occurrences are all seen", "aaa", "aa", std::nullopt, kExact, 2},
        {"last backslash of a path", "C:\\AE\\x.exe", "\\", std::nullopt, kExact, 6},
        {"no backslash", "x.exe", "\\", std::nullopt, kExact, -1},
        {"a 5C trail byte is no backslash", "C:\\AE\\淺.exe", "\\", std::nullopt, kExact, 6},
        {"case ignored", "abAB", "ab", std::nullopt, kIgnore, 3},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindTextReverse(c.text, c.needle, c.start, c.letterCase), c.expected);
    }
}

TEST(TextCutting, TakesBytesInsideTheText) {
    struct Case {
        const char* name;
        ByteText result;
        const char* expected;
    };
    const Case cases[] = {
        {"right, none", TextRight("abc", 0), ""},
        {"right, negative", TextRight("abc", -2), ""},
        {"right, more than there is", TextRight("abc", 5), "abc"},
        {"right, file name after the last backslash", TextRight("C:\\AE\\x.exe", 11 - 6), "x.exe"},
        {"right, the whole text when no backslash", TextRight("x.exe", 5 + 1), "x.exe"},
        {"right may split a character", TextRight("中", 1), "\xD0"},
        {"mid", TextMid("abcdef", 2, 3), "bcd"},
        {"mid, start 0", TextMid("abcdef", 0, 3), ""},
        {"mid, up to the end", TextMid("abcdef", 6, 5), "f"},
        {"mid, start past the end", TextMid("abcdef", 7, 1), ""},
        {"mid, count 0", TextMid("abcdef", 2, 0), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, ByteText(c.expected));
    }
}

TEST(ReplaceSubtext, ReplacesLeftToRightWithoutOverlapAtCharacterBoundaries) {
    struct Case {
        const char* name;
        ByteText result;
        const char* expected;
    };
    const Case cases[] = {
        {"every marker", ReplaceSubtext("zh_CN;zh_CN", "zh_CN", "en-US"), "en-US;en-US"},
        {"capitals left alone when exact", ReplaceSubtext("ZH_CN", "zh_CN", "en-US"), "ZH_CN"},
        {"capitals replaced when folded", ReplaceSubtext("ZH_CN", "zh_CN", "en-US", 1, -1, kIgnore),
         "en-US"},
        {"no overlap", ReplaceSubtext("aaaa", "aa", "a"), "aa"},
        {"count 1", ReplaceSubtext("aaaa", "aa", "a", 1, 1), "aaa"},
        {"count 0", ReplaceSubtext("aaaa", "aa", "a", 1, 0), "aaaa"},
        {"replacement is not searched again", ReplaceSubtext("ab", "a", "aa"), "aab"},
        {"from a start position", ReplaceSubtext("abab", "ab", "x", 3), "abx"},
        {"start past the end", ReplaceSubtext("abab", "ab", "x", 5), "abab"},
        {"empty marker", ReplaceSubtext("abc", "", "x"), "abc"},
        {"empty text", ReplaceSubtext("", "a", "x"), ""},
        {"left-out replacement deletes", ReplaceSubtext("a-b-c", "-"), "abc"},
        {"marker on a trail byte", ReplaceSubtext("中AB", "\320A", "x"), "中AB"},
        {"lone lead byte at the end is kept", ReplaceSubtext("a\xD6", "a", "b"), "b\xD6"},
        {"characters around markers", ReplaceSubtext("中zh_CN中", "zh_CN", "en-US"), "中en-US中"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, ByteText(c.expected));
    }
}

TEST(ConcatAndCompare, TreatAbsentAsEmptyAndCompareUnsigned) {
    EXPECT_EQ(ConcatText({}, {}), ByteText(""));
    EXPECT_EQ(ConcatText("AE", "中"), ByteText("AE中"));

    struct Case {
        ByteText first;
        ByteText second;
        int expected;
    };
    const Case cases[] = {
        {{}, "", 0},       {"a", {}, 1},      {"", "a", -1},         {"\xB0", "a", 1},
        {"ab", "abc", -1}, {"abd", "abc", 1}, {"zh_CN", "zh_CN", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first.view()) + " vs " + std::string(c.second.view()));
        EXPECT_EQ(CompareText(c.first, c.second), c.expected);
    }
}

TEST(TextsAndBuffers, ConvertUpToTheFirstZeroByte) {
    EXPECT_EQ(TextToBytes(""), ByteBuffer());
    EXPECT_EQ(TextToBytes("A\xD6"), (ByteBuffer{0x41, 0xD6}));
    EXPECT_EQ(BytesToText({0x41, 0x00, 0x42}), ByteText("A"));
    EXPECT_EQ(BytesToText({0x00, 0x41}), ByteText(""));
    EXPECT_EQ(BytesToText({0x41, 0x42}), ByteText("AB"));
    EXPECT_EQ(BytesToText({}), ByteText(""));
    EXPECT_EQ(BufferLength({}), 0);
    EXPECT_EQ(BufferLength({0, 0, 0}), 3);
    EXPECT_EQ(ZeroBuffer(0), ByteBuffer());
    EXPECT_EQ(ZeroBuffer(-3), ByteBuffer());
    EXPECT_EQ(ZeroBuffer(4), ByteBuffer(4, 0));
    EXPECT_EQ(ByteText(std::string("a\0b", 3)), ByteText("a"));
    EXPECT_EQ(TextLength("中AE"), 4);
}

}  // namespace
}  // namespace text
