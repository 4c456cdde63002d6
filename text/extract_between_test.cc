#include "text/extract_between.h"

#include <gtest/gtest.h>

#include "text/test_support.h"

namespace text {
namespace {

TEST(ExtractBetween, CutsBetweenTheFirstFrontAndTheNearestBackAfterIt) {
    struct Case {
        const char* name;
        ByteText result;
        const char* expected;
    };
    const Case cases[] = {
        {"plain", ExtractBetween("a[b]c", "[", "]"), "b"},
        {"shortest stretch after the front", ExtractBetween("[x][y]", "[", "]"), "x"},
        {"empty text", ExtractBetween("", "[", "]"), ""},
        {"front only before the start", ExtractBetween("[a]b", "[", "]", 2), ""},
        {"back only before the front", ExtractBetween("]a[b", "[", "]"), ""},
        {"no back", ExtractBetween("[ab", "[", "]"), ""},
        {"start past the end, empty front", ExtractBetween("abc", "", "c", 4), ""},
        {"empty front: from the first byte", ExtractBetween("C:\\AE\\x.exe", "", "x.exe"),
         "C:\\AE\\"},
        {"empty front: first occurrence of the back",
         ExtractBetween("C:\\x.exe\\x.exe", "", "x.exe"), "C:\\"},
        {"empty back", ExtractBetween("abc", "a", ""), ""},
        {"back right after front", ExtractBetween("[]", "[", "]"), ""},
        {"front at the very end", ExtractBetween("ab[", "[", "]"), ""},
        {"token stands for a double quote", ExtractBetween("v=\"1\"", "v=#引号", "#引号"), "1"},
        {"the token itself is never looked for",
         ExtractBetween("v=#引号1#引号", "v=#引号", "#引号"), ""},
        {"capitals match small letters when folded",
         ExtractBetween("<ab>x</ab>", "<AB>", "</AB>", 0, LetterCase::IgnoreAscii), "x"},
        {"but not by default", ExtractBetween("<ab>x</ab>", "<AB>", "</AB>"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.result, ByteText(c.expected));
    }
}

}  // namespace
}  // namespace text
