// The three handlers with real files and shortcuts in a temporary folder and a small fake window.
#include "langswitch/handlers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "langswitch/shortcut_for_tests.h"
#include "text/code_page.h"
#include "text/test_support.h"

namespace langswitch {
namespace {

using text::ByteBuffer;
using text::ByteText;
using text::Control;

class FakeWindow : public text::ControlTexts {
  public:
    void SetLabelText(Control label, const ByteBuffer& utf16) override {
        shown_[label] = text::Utf16BufferToText(utf16);
    }
    ByteBuffer ReadButtonCaption(Control button) const override {
        return text::TextToUtf16Buffer(button == Control::超级按钮EX1 ? "中文转英文"
                                                                      : "英文转中文");
    }

    // What the label shows; "(unset)" when no handler has set it.
    std::string Shown(Control label) const {
        const auto found = shown_.find(label);
        return found == shown_.end() ? "(unset)" : std::string(found->second.view());
    }
    std::string PathLine() const { return Shown(Control::标签EX1); }
    std::string StatusLine() const { return Shown(Control::标签EX3); }

  private:
    std::map<Control, ByteText> shown_;
};

// clang-format off
constexpr std::string_view kChineseConfig =
    "<?xml version=\"1.0\"?>\r\n"
    "<Data key=\"installedLanguages\">zh_CN</Data>\r\n"
    "<Data key=\"中zh_CN\">zh_CN</Data>\r\n";
constexpr std::string_view kEnglishConfig =
    "<?xml version=\"1.0\"?>\r\n"
    "<Data key=\"installedLanguages\">en-US</Data>\r\n"
    "<Data key=\"中en-US\">en-US</Data>\r\n";
// clang-format on
constexpr std::string_view kConfig = "AE 2024\\Support Files\\AMT\\application.xml";

class HandlersTest : public testing::Test {
  protected:
    void SetUp() override {
        folder_.Write("AE 2024\\Support Files\\AfterFX.exe", "MZ");
        folder_.Write(kConfig, kChineseConfig);
        ASSERT_TRUE(MakeShortcut(Shortcut(), folder_.Path("AE 2024\\Support Files\\AfterFX.exe")));
    }

    ByteText Shortcut() const { return folder_.Path("After Effects.lnk"); }
    std::string InstallFolder() const {
        return std::string(folder_.Path("AE 2024\\Support Files\\").view());
    }
    void Drop() { OnShortcutDropped(state_, window_, Shortcut()); }

    text::TempFolder folder_;
    AppState state_;
    FakeWindow window_;
};

TEST_F(HandlersTest, DropShowsTheFolderAndTheCurrentLanguage) {
    Drop();
    EXPECT_EQ(window_.PathLine(), "AE路径：" + InstallFolder());
    EXPECT_EQ(window_.StatusLine(), "当前版本：中文版");
    EXPECT_EQ(state_.targetFileName, ByteText("AfterFX.exe"));
    EXPECT_EQ(state_.installFolder, ByteText(InstallFolder()));
    EXPECT_EQ(state_.configFilePath, folder_.Path(kConfig));
    EXPECT_EQ(state_.loadedConfigText, ByteText(kChineseConfig));
}

TEST_F(HandlersTest, DetectionIsByteExactAndNeedsALoadedText) {
    struct Case {
        const char* name;
        std::string contents;
        const char* status;
    };
    const Case cases[] = {
        {"Chinese", std::string(kChineseConfig), "当前版本：中文版"},
        {"English", std::string(kEnglishConfig), "当前版本：英文版"},
        {"capital letters", "ZH_CN", "当前版本：英文版"},
        {"hyphen for underscore", "zh-CN", "当前版本：英文版"},
        {"both markers", "en-US zh_CN", "当前版本：中文版"},
        {"marker on a trail byte", "\x81zh_CN", "当前版本：英文版"},
        {"empty file", "", "未成功获取路径"},
        {"a zero byte: not loaded", std::string("zh_CN\0x", 7), "未成功获取路径"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder_.Write(kConfig, c.contents);
        Drop();
        EXPECT_EQ(window_.StatusLine(), c.status);
        EXPECT_EQ(window_.PathLine(), "AE路径：" + InstallFolder());
    }
}

TEST_F(HandlersTest, MissingConfigurationIsNotLoaded) {
    std::filesystem::remove_all(folder_.Native("AE 2024\\Support Files\\AMT"));
    Drop();
    EXPECT_EQ(window_.PathLine(), "AE路径：" + InstallFolder());
    EXPECT_EQ(window_.StatusLine(), "未成功获取路径");
    EXPECT_TRUE(state_.loadedConfigText.empty());
}

TEST_F(HandlersTest, DropThatDoesNotResolveReplacesEverythingOfTheLastDrop) {
    Drop();
    OnShortcutDropped(state_, window_, folder_.Path("AE 2024\\Support Files\\AfterFX.exe"));
    EXPECT_EQ(window_.PathLine(), "AE路径：");
    EXPECT_EQ(window_.StatusLine(), "未成功获取路径");
    EXPECT_TRUE(state_.shortcutTargetPath.empty());
    EXPECT_TRUE(state_.installFolder.empty());
    EXPECT_EQ(state_.configFilePath, ByteText("AMT\\application.xml"));
    EXPECT_TRUE(state_.loadedConfigText.empty());

    OnSwitchToEnglish(state_, window_);
    EXPECT_EQ(window_.StatusLine(), "未成功获取路径");
    EXPECT_EQ(folder_.Read(kConfig), kChineseConfig);
}

TEST_F(HandlersTest, SwitchesRewriteOnlyTheMarkersAndComeBackToTheOriginal) {
    Drop();
    OnSwitchToEnglish(state_, window_);
    EXPECT_EQ(window_.PathLine(), "AE路径：" + InstallFolder());
    EXPECT_EQ(window_.StatusLine(), "中文转英文修改成功！请重启AE");
    EXPECT_EQ(folder_.Read(kConfig), kEnglishConfig);
    EXPECT_EQ(folder_.Read(kConfig).size(), kChineseConfig.size());

    OnSwitchToChinese(state_, window_);
    EXPECT_EQ(window_.PathLine(), "文件路径：" + InstallFolder());
    EXPECT_EQ(window_.StatusLine(), "英文转中文修改成功！请重启AE");
    EXPECT_EQ(folder_.Read(kConfig), kChineseConfig) << "each switch starts from the loaded text";
    EXPECT_EQ(state_.editedConfigText, ByteText(kChineseConfig));
}

TEST_F(HandlersTest, TextWithBothMarkersGetsOneMarkerEverywhere) {
    folder_.Write(kConfig, "zh_CN en-US ZH_CN");
    Drop();
    OnSwitchToEnglish(state_, window_);
    EXPECT_EQ(folder_.Read(kConfig), "en-US en-US ZH_CN");
    OnSwitchToChinese(state_, window_);
    EXPECT_EQ(folder_.Read(kConfig), "zh_CN zh_CN ZH_CN");
}

TEST_F(HandlersTest, ClickBeforeAnyDropChangesNothingButTheStatusLine) {
    OnSwitchToChinese(state_, window_);
    EXPECT_EQ(window_.StatusLine(), "未成功获取路径");
    EXPECT_EQ(window_.PathLine(), "(unset)");
    EXPECT_EQ(folder_.Read(kConfig), kChineseConfig);
}

TEST_F(HandlersTest, FailedWriteSaysSoAndKeepsTheFile) {
    Drop();
    OnSwitchToEnglish(state_, window_);
    ASSERT_EQ(window_.StatusLine(), "中文转英文修改成功！请重启AE");
    Drop();
    folder_.MakeReadOnly(kConfig);
    OnSwitchToChinese(state_, window_);
    EXPECT_EQ(window_.PathLine(), "文件路径：" + InstallFolder());
    EXPECT_EQ(window_.StatusLine(), "修改失败！请以管理员身份运行");
    EXPECT_EQ(folder_.Read(kConfig), kEnglishConfig);
}

TEST_F(HandlersTest, WriteIntoAVanishedFolderFails) {
    Drop();
    std::filesystem::remove_all(folder_.Native("AE 2024\\Support Files\\AMT"));
    OnSwitchToEnglish(state_, window_);
    EXPECT_EQ(window_.StatusLine(), "修改失败！");
    EXPECT_FALSE(folder_.Exists(kConfig));
}

TEST_F(HandlersTest, FileNameInsideAFolderNameCutsTheFolderShort) {
    folder_.Write("AfterFX.exe.d\\AMT\\application.xml", "zh_CN");
    const ByteText link = folder_.Path("odd.lnk");
    ASSERT_TRUE(MakeShortcut(link, folder_.Path("AfterFX.exe.d\\AfterFX.exe")));
    OnShortcutDropped(state_, window_, link);
    EXPECT_EQ(state_.installFolder, folder_.Folder());
    EXPECT_EQ(state_.configFilePath, folder_.Path("AMT\\application.xml"));
    EXPECT_EQ(window_.StatusLine(), "未成功获取路径");
}

TEST_F(HandlersTest, RelativeConfigurationBelowTheWorkingDirectoryIsUsed) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_.Native("AE 2024\\Support Files"));
    OnShortcutDropped(state_, window_, "not a shortcut");
    EXPECT_EQ(window_.StatusLine(), "当前版本：中文版");
    OnSwitchToEnglish(state_, window_);
    std::filesystem::current_path(previous);
    EXPECT_EQ(folder_.Read(kConfig), kEnglishConfig);
}

}  // namespace
}  // namespace langswitch
