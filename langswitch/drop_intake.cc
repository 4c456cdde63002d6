#include <algorithm>

#include "langswitch/fixed_texts.h"
#include "langswitch/handlers.h"
#include "langswitch/shortcut.h"
#include "text/extract_between.h"
#include "text/whole_file.h"

namespace langswitch {
namespace {

using text::ByteText;
using text::Control;

constexpr const char* kConfigFileBelowFolder = "AMT\\application.xml";

// A file holding a zero byte (one stored as UTF-16, say) would be written back cut at that
// byte, so it counts as not loaded.
ByteText LoadConfigText(const ByteText& path) {
    const text::ByteBuffer contents = text::ReadWholeFile(path);
    const bool holdsZeroByte = std::find(contents.begin(), contents.end(), 0) != contents.end();
    return holdsZeroByte ? ByteText() : text::BytesToText(contents);
}

ByteText StatusAfterDrop(const ByteText& loaded) {
    if (loaded.empty()) return kNothingLoaded;
    return text::FindText(loaded, kChineseMarker) != -1 ? "当前版本：中文版" : "当前版本：英文版";
}

}  // namespace

void OnShortcutDropped(AppState& state, text::ControlTexts& window, const ByteText& dropped) {
    state.shortcutTargetPath = ResolveShortcut(dropped);
    const int lastBackslash = text::FindTextReverse(state.shortcutTargetPath, "\\");
    state.targetFileName = text::TextRight(
        state.shortcutTargetPath, text::TextLength(state.shortcutTargetPath) - lastBackslash);
    state.installFolder = text::ExtractBetween(state.shortcutTargetPath, "", state.targetFileName);
    ShowText(window, Control::标签EX1, text::ConcatText(kAePathPrefix, state.installFolder));
    state.configFilePath = text::ConcatText(state.installFolder, kConfigFileBelowFolder);
    state.loadedConfigText = LoadConfigText(state.configFilePath);
    ShowText(window, Control::标签EX3, StatusAfterDrop(state.loadedConfigText));
}

}  // namespace langswitch
