// Drives the real AeLangSwitch.exe from outside, as a user would: finds its window, drops a
// shortcut on it through OLE drag and drop, clicks its buttons with real mouse input, presses
// Esc. Leaves a screenshot, app_window.bmp, beside this test.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "app/control_ids.h"
#include "app/remote_control.h"
#include "app/skin.h"
#include "langswitch/shortcut_for_tests.h"
#include "text/test_support.h"

namespace app {
namespace {

using remote::ClickWithMouse;
using remote::DataObject;
using remote::DragOnto;
using remote::ProgramFolder;
using remote::RunningProgram;
using text::ByteText;
using text::Control;

constexpr int kWidth = 248;
constexpr int kHeight = 292;

std::wstring Wide(const ByteText& ansi) {
    return skin::WideFromAnsi(ansi);
}

constexpr const char* kChinese = "<Data key=\"installedLanguages\">zh_CN</Data>\r\n";
constexpr const char* kEnglish = "<Data key=\"installedLanguages\">en-US</Data>\r\n";

class AppWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        folder_.Write("Adobe After Effects\\Support Files\\AfterFX.exe", "MZ");
        folder_.Write(kConfig, kChinese);
        ASSERT_TRUE(langswitch::MakeShortcut(
            Shortcut(), folder_.Path("Adobe After Effects\\Support Files\\AfterFX.exe")));
        ASSERT_NE(program_.window(), nullptr) << "the program's window did not appear";
    }

    ByteText Shortcut() const { return folder_.Path("Adobe After Effects 2024.lnk"); }
    std::wstring InstallFolder() const {
        return Wide(folder_.Path("Adobe After Effects\\Support Files\\"));
    }
    void DropShortcut() {
        DataObject files = DataObject::Files({Wide(Shortcut())});
        EXPECT_NE(DragOnto(program_.window(), files), DWORD{DROPEFFECT_NONE});
    }

    static constexpr const char* kConfig =
        "Adobe After Effects\\Support Files\\AMT\\application.xml";
    text::TempFolder folder_;
    RunningProgram program_;
};

TEST_F(AppWindowTest, ShowsTheDescribedWindowCentredAndBorderless) {
    const HWND window = program_.window();
    RECT place{};
    GetWindowRect(window, &place);
    EXPECT_EQ(place.right - place.left, kWidth);
    EXPECT_EQ(place.bottom - place.top, kHeight);
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2);

    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(style & WS_CAPTION, 0) << "no system caption";
    EXPECT_EQ(style & WS_THICKFRAME, 0) << "no sizing border";
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
    EXPECT_NE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0) << "own taskbar button";

    EXPECT_EQ(program_.Text(Control::标签EX2),
              L"将AE图标拖入即可(请勿拖入其他软件\r\n有问题请@Varnok");
    EXPECT_EQ(program_.Text(Control::超级按钮EX1), L"中文转英文");
    EXPECT_EQ(program_.Text(Control::超级按钮EX2), L"英文转中文");
    EXPECT_EQ(program_.Text(Control::标签EX1), L"AE路径");
    EXPECT_EQ(program_.Text(Control::标签EX3), L"转换结果");
}

TEST(ProgramFile, CarriesOneIconOf32By32At32Bits) {
    const HMODULE program =
        LoadLibraryExA((ProgramFolder() + "AeLangSwitch.exe").c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    const HRSRC group =
        FindResourceW(program, L"DEFAULT_ICON", MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    struct [[gnu::packed]] IconGroup {
        WORD reserved, type, count;
        BYTE width, height, colours, reserved2;
        WORD planes, bitsPerPixel;
    };
    const auto* icons = static_cast<const IconGroup*>(LockResource(LoadResource(program, group)));
    EXPECT_EQ(icons->count, 1);
    EXPECT_EQ(icons->width, 32);
    EXPECT_EQ(icons->height, 32);
    EXPECT_EQ(icons->bitsPerPixel, 32);
}

TEST(ProgramFile, CarriesTheVersionStringsInSimplifiedChinese) {
    const std::string program = ProgramFolder() + "AeLangSwitch.exe";
    std::vector<char> info(GetFileVersionInfoSizeA(program.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(
        GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    const auto stringValue = [&](const std::string& name) {
        char* value = nullptr;
        UINT length = 0;
        const std::string key = "\\StringFileInfo\\080404B0\\" + name;
        VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length);
        return std::string(value ? value : "(missing)");
    };
    EXPECT_EQ(stringValue("FileVersion"), "1.0.0.0");
    EXPECT_EQ(stringValue("ProductVersion"), "1.0.0.0");
    EXPECT_EQ(stringValue("FileDescription"), "@Varnok");
    EXPECT_EQ(stringValue("ProductName"), "@Varnok");
    EXPECT_EQ(stringValue("Comments"), "@Varnok");
    EXPECT_EQ(stringValue("CompanyName"), "Varnok");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD{0x00010000});
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD{0});
}

TEST_F(AppWindowTest, DroppedShortcutAndClicksSwitchTheConfiguration) {
    DropShortcut();
    EXPECT_EQ(program_.TextOnce(Control::标签EX3, L"当前版本：中文版"), L"当前版本：中文版");
    EXPECT_EQ(program_.Text(Control::标签EX1), L"AE路径：" + InstallFolder());

    ClickWithMouse(program_.ControlWindow(Control::超级按钮EX1));
    EXPECT_EQ(program_.TextOnce(Control::标签EX3, L"中文转英文修改成功！请重启AE"),
              L"中文转英文修改成功！请重启AE");
    EXPECT_EQ(program_.Text(Control::标签EX1), L"AE路径：" + InstallFolder());
    EXPECT_EQ(folder_.Read(kConfig), kEnglish);
    EXPECT_TRUE(remote::SaveScreenshot(program_.window(), ProgramFolder() + "app_window.bmp"));

    ClickWithMouse(program_.ControlWindow(Control::超级按钮EX2));
    EXPECT_EQ(program_.TextOnce(Control::标签EX3, L"英文转中文修改成功！请重启AE"),
              L"英文转中文修改成功！请重启AE");
    EXPECT_EQ(program_.Text(Control::标签EX1), L"文件路径：" + InstallFolder());
    EXPECT_EQ(folder_.Read(kConfig), kChinese);

    folder_.MakeReadOnly(kConfig);
    ClickWithMouse(program_.ControlWindow(Control::超级按钮EX1));
    EXPECT_EQ(program_.TextOnce(Control::标签EX3, L"修改失败！请以管理员身份运行"),
              L"修改失败！请以管理员身份运行");
    EXPECT_EQ(folder_.Read(kConfig), kChinese);
}

TEST_F(AppWindowTest, TwoFilesAreOneEventAndTextIsRefused) {
    DataObject text = DataObject::Text("zh_CN");
    EXPECT_EQ(DragOnto(program_.window(), text), DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(program_.Text(Control::标签EX3), L"转换结果") << "text raises no got-file event";
    DataObject twoFiles = DataObject::Files({Wide(Shortcut()), Wide(Shortcut())});
    EXPECT_NE(DragOnto(program_.window(), twoFiles), DWORD{DROPEFFECT_NONE});
    // The list of two resolves to nothing, and nothing is loaded from it.
    EXPECT_EQ(program_.TextOnce(Control::标签EX3, L"未成功获取路径"), L"未成功获取路径");
    EXPECT_EQ(program_.Text(Control::标签EX1), L"AE路径：");
}

TEST_F(AppWindowTest, EscClosesTheWindowAndTheProgramEndsWithZero) {
    ASSERT_TRUE(remote::BringToFront(program_.window()));
    remote::PressKey(VK_ESCAPE);
    EXPECT_EQ(program_.ExitCode(), DWORD{0});
}

TEST_F(AppWindowTest, SpaceClicksTheButtonTabFocused) {
    ASSERT_TRUE(remote::BringToFront(program_.window()));
    remote::PressKey(VK_TAB);
    remote::PressKey(VK_SPACE);
    EXPECT_EQ(program_.TextOnce(Control::标签EX3, L"未成功获取路径"), L"未成功获取路径")
        << "a click before any drop";
    EXPECT_EQ(folder_.Read(kConfig), kChinese);
}

TEST_F(AppWindowTest, TitleBarButtonsMinimiseAndClose) {
    ClickWithMouse(GetDlgItem(program_.window(), kMinimiseButtonId));
    EXPECT_TRUE(remote::Eventually([&] { return IsIconic(program_.window()) != 0; }));
    ShowWindow(program_.window(), SW_RESTORE);
    EXPECT_TRUE(remote::Eventually([&] { return IsIconic(program_.window()) == 0; }));
    ClickWithMouse(GetDlgItem(program_.window(), kCloseButtonId));
    EXPECT_EQ(program_.ExitCode(), DWORD{0});
}

TEST_F(AppWindowTest, SecondCopyOpensASecondWindow) {
    const RunningProgram second;
    ASSERT_NE(second.window(), nullptr);
    EXPECT_NE(second.window(), program_.window());
    PostMessageW(second.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(second.ExitCode(), DWORD{0});
    EXPECT_TRUE(IsWindow(program_.window())) << "the first copy shares nothing with the second";
}

}  // namespace
}  // namespace app
