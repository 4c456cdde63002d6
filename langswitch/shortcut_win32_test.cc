// Real shell links, made and saved with IShellLinkA, resolved and dropped.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "langswitch/handlers.h"
#include "langswitch/shortcut.h"
#include "langswitch/shortcut_for_tests.h"
#include "text/code_page.h"
#include "text/file_handle_win32.h"
#include "text/test_support.h"

namespace langswitch {
namespace {

using text::ByteText;

class ShortcutTest : public testing::Test {
  protected:
    text::TempFolder folder_;
};

TEST_F(ShortcutTest, GivesTheStoredTargetAndArguments) {
    const ByteText target = folder_.Path("AfterFX.exe");
    folder_.Write("AfterFX.exe", "MZ");
    ASSERT_TRUE(MakeShortcut(folder_.Path("plain.lnk"), target));
    ASSERT_TRUE(MakeShortcut(folder_.Path("args.LNK"), target, "-m \\x"));
    ASSERT_TRUE(MakeShortcut(folder_.Path("gone.lnk"), folder_.Path("gone\\AfterFX.exe")));
    folder_.Write("fake.lnk", "not a shell link");

    struct Case {
        const char* name;
        ByteText dropped;
        ByteText expected;
    };
    const Case cases[] = {
        {"without arguments", folder_.Path("plain.lnk"), target},
        {"with arguments, extension in capitals", folder_.Path("args.LNK"),
         text::ConcatText(target, " -m \\x")},
        {"target that does not exist", folder_.Path("gone.lnk"), folder_.Path("gone\\AfterFX.exe")},
        {"path without .lnk gets it appended", folder_.Path("plain"), target},
        {"the executable itself", target, ""},
        {"named .lnk but no link", folder_.Path("fake.lnk"), ""},
        {"a CR LF list of two files",
         text::ConcatText(text::ConcatText(folder_.Path("plain.lnk"), "\r\n"),
                          text::ConcatText(folder_.Path("args.LNK"), "\r\n")),
         ""},
        {"missing", folder_.Path("missing.lnk"), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ResolveShortcut(c.dropped), c.expected);
    }
}

class FakeWindow : public text::ControlTexts {
  public:
    void SetLabelText(text::Control label, const text::ByteBuffer& utf16) override {
        (label == text::Control::标签EX1 ? pathLine : statusLine) = text::Utf16BufferToText(utf16);
    }
    text::ByteBuffer ReadButtonCaption(text::Control) const override {
        return text::TextToUtf16Buffer("中文转英文");
    }
    ByteText pathLine;
    ByteText statusLine;
};

// An install folder AE with a Chinese configuration, its shortcut dropped on a fake window.
class DropTest : public ShortcutTest {
  protected:
    void DropShortcutTo(const char* target, const char* arguments = "") {
        folder_.Write(std::string("AE\\") + target, "MZ");
        folder_.Write("AE\\AMT\\application.xml", "zh_CN");
        ASSERT_TRUE(MakeShortcut(folder_.Path("ae.lnk"), folder_.Path(std::string("AE\\") + target),
                                 arguments));
        OnShortcutDropped(state_, window_, folder_.Path("ae.lnk"));
    }
    AppState state_;
    FakeWindow window_;
};

TEST_F(DropTest, DoubleByteFileNameWithBackslashTrailIsCutAtTheRealBackslash) {
    // 淺 is 9C 5C in code page 936: its trail byte is the backslash's.
    DropShortcutTo("淺.exe");
    EXPECT_EQ(state_.targetFileName, ByteText("淺.exe"));
    EXPECT_EQ(state_.installFolder, folder_.Path("AE\\"));
    EXPECT_EQ(window_.statusLine, ByteText("当前版本：中文版"));
}

TEST_F(DropTest, ArgumentWithABackslashMovesTheCut) {
    DropShortcutTo("AfterFX.exe", "-x C:\\y");
    EXPECT_EQ(state_.targetFileName, ByteText("y"));
    EXPECT_EQ(state_.installFolder, text::ConcatText(folder_.Path("AE\\AfterFX.exe"), " -x C:\\"));
    EXPECT_EQ(window_.statusLine, ByteText("未成功获取路径"));
}

TEST_F(DropTest, SwitchOnAFileHeldOpenSaysItIsInUse) {
    DropShortcutTo("AfterFX.exe");
    const text::FileHandle held(CreateFileA(folder_.Path("AE\\AMT\\application.xml").c_str(),
                                            GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                            nullptr));
    ASSERT_TRUE(held.valid());
    OnSwitchToEnglish(state_, window_);
    EXPECT_EQ(window_.statusLine, ByteText("修改失败！文件被占用"));
    EXPECT_EQ(folder_.Read("AE\\AMT\\application.xml"), "zh_CN");
}

}  // namespace
}  // namespace langswitch
