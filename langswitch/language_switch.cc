#include "langswitch/fixed_texts.h"
#include "langswitch/handlers.h"
#include "text/whole_file.h"

namespace langswitch {
namespace {

using text::ByteText;
using text::Control;
using text::WriteOutcome;

struct SwitchDirection {
    Control button;
    const char* marker;
    const char* replacement;
    const char* pathPrefix;
};

constexpr SwitchDirection kToEnglish{Control::超级按钮EX1, kChineseMarker, kEnglishMarker,
                                     kAePathPrefix};
constexpr SwitchDirection kToChinese{Control::超级按钮EX2, kEnglishMarker, kChineseMarker,
                                     "文件路径："};

ByteText FailureLine(WriteOutcome outcome) {
    const ByteText failed = "修改失败！";
    switch (outcome) {
        case WriteOutcome::AccessDenied:
            return text::ConcatText(failed, "请以管理员身份运行");
        case WriteOutcome::SharingViolation:
            return text::ConcatText(failed, "文件被占用");
        default:
            return failed;
    }
}

void RunSwitch(AppState& state, text::ControlTexts& window, const SwitchDirection& direction) {
    if (text::CompareText(state.loadedConfigText, "") == 0) {
        ShowText(window, Control::标签EX3, kNothingLoaded);
        return;
    }
    state.editedConfigText =
        text::ReplaceSubtext(state.loadedConfigText, direction.marker, direction.replacement);
    ShowText(window, Control::标签EX1, text::ConcatText(direction.pathPrefix, state.installFolder));
    const WriteOutcome outcome =
        text::WriteWholeFile(state.configFilePath, text::TextToBytes(state.editedConfigText));
    if (outcome != WriteOutcome::Written) {
        ShowText(window, Control::标签EX3, FailureLine(outcome));
        return;
    }
    const ByteText caption = text::Utf16BufferToText(window.ReadButtonCaption(direction.button));
    ShowText(window, Control::标签EX3, text::ConcatText(caption, "修改成功！请重启AE"));
}

}  // namespace

void OnSwitchToEnglish(AppState& state, text::ControlTexts& window) {
    RunSwitch(state, window, kToEnglish);
}

void OnSwitchToChinese(AppState& state, text::ControlTexts& window) {
    RunSwitch(state, window, kToChinese);
}

}  // namespace langswitch
