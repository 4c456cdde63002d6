#include <windows.h>

#include <gtest/gtest.h>

#include "text/code_page.h"

namespace text {
namespace {

// The other code-page tests assume Chinese Windows; say so plainly when the system is not.
TEST(CodePageSystem, AnsiCodePageIs936) {
    EXPECT_EQ(GetACP(), 936u);
}

TEST(CodePageSystem, WayBackWritesGbkWhateverTheAnsiCodePage) {
    EXPECT_EQ(Utf16BufferToText({0x2D, 0x4E, 0x00, 0x00}), ByteText("\xD6\xD0"));
}

}  // namespace
}  // namespace text
