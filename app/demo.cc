// The demo behind the README's run command, a console program run under Wine:
//   AeLangSwitchDemo install        lays out a small After Effects install below Program Files,
//                                   with Chinese selected, and its shortcut on the Desktop
//   AeLangSwitchDemo show FILE.bmp  starts AeLangSwitch.exe, drops that shortcut on it,
//                                   clicks 中文转英文, prints both lines and the changed line
//                                   of the configuration, saves a screenshot, closes it
#include <ole2.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/remote_control.h"
#include "app/skin.h"
#include "langswitch/shortcut_for_tests.h"

namespace {

using app::remote::RunningProgram;
using text::Control;

constexpr const char* kSupportFiles = "\\Adobe\\Adobe After Effects 2024\\Support Files\\";
constexpr const char* kShortcutName = "\\Adobe After Effects 2024.lnk";
constexpr const char* kConfiguration =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
    "<Configuration>\r\n"
    "  <Payload>\r\n"
    "    <Data key=\"ProductName\">Adobe After Effects</Data>\r\n"
    "    <Data key=\"installedLanguages\">zh_CN</Data>\r\n"
    "  </Payload>\r\n"
    "</Configuration>\r\n";

std::string KnownFolder(int folder) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::string InstallFolder() {
    return KnownFolder(CSIDL_PROGRAM_FILES) + kSupportFiles;
}
std::string ShortcutPath() {
    return KnownFolder(CSIDL_DESKTOPDIRECTORY) + kShortcutName;
}
std::string ConfigurationPath() {
    return InstallFolder() + "AMT\\application.xml";
}

void Print(const std::wstring& wide) {
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, utf8.data(), size, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
}

std::wstring Wide(const std::string& ansi) {
    return app::skin::WideFromAnsi(text::ByteText(ansi));
}

int Install() {
    SHCreateDirectoryExA(nullptr, (InstallFolder() + "AMT").c_str(), nullptr);
    std::ofstream(InstallFolder() + "AfterFX.exe", std::ios::binary) << "MZ";
    std::ofstream(ConfigurationPath(), std::ios::binary) << kConfiguration;
    DeleteFileA(ShortcutPath().c_str());
    if (!langswitch::MakeShortcut(text::ByteText(ShortcutPath()),
                                  text::ByteText(InstallFolder() + "AfterFX.exe"))) {
        std::fprintf(stderr, "could not make the shortcut\n");
        return 1;
    }
    Print(L"shortcut: " + Wide(ShortcutPath()));
    return 0;
}

int Show(const std::string& screenshot) {
    const RunningProgram program;
    if (!program.window()) {
        std::fprintf(stderr, "the window did not appear\n");
        return 1;
    }
    auto files = app::remote::DataObject::Files({Wide(ShortcutPath())});
    app::remote::DragOnto(program.window(), files);
    Print(L"after the drop:   " + program.Text(Control::标签EX1) + L" | " +
          program.Text(Control::标签EX3));
    app::remote::ClickWithMouse(program.ControlWindow(Control::超级按钮EX1));
    const std::wstring success = L"中文转英文修改成功！请重启AE";
    Print(L"after 中文转英文: " + program.Text(Control::标签EX1) + L" | " +
          program.TextOnce(Control::标签EX3, success));
    std::ifstream configuration(ConfigurationPath(), std::ios::binary);
    for (std::string line; std::getline(configuration, line);) {
        if (line.find("installedLanguages") == std::string::npos) continue;
        line.erase(line.find_last_not_of("\r ") + 1);
        Print(L"configuration:    " + Wide(line.substr(line.find_first_not_of(' '))));
    }
    app::remote::SaveScreenshot(program.window(), screenshot);
    PostMessageW(program.window(), WM_CLOSE, 0, 0);
    return program.ExitCode() == 0 ? 0 : 1;
}

int Run(const std::string& command, const char* screenshot) {
    if (command == "install") return Install();
    if (command == "show" && screenshot) return Show(screenshot);
    std::fprintf(stderr, "usage: AeLangSwitchDemo install | show SCREENSHOT.bmp\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Shell links and drag and drop are both OLE.
    const HRESULT ole = OleInitialize(nullptr);
    const int result = Run(argc > 1 ? argv[1] : "", argc > 2 ? argv[2] : nullptr);
    if (SUCCEEDED(ole)) OleUninitialize();
    return result;
}
