#include <shlobj.h>
#include <windows.h>

#include "langswitch/com_ptr_win32.h"
#include "langswitch/shortcut.h"

namespace langswitch {
namespace {

using text::ByteText;

constexpr int kLoadPathUnits = 260;
constexpr int kLinkTextBytes = 1024;

}  // namespace

ByteText ResolveShortcut(const ByteText& path) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.put_void()))) {
        return {};
    }
    const ComPtr<IPersistFile> file = link.As<IPersistFile>();
    wchar_t widePath[kLoadPathUnits] = {};
    if (!file ||
        MultiByteToWideChar(CP_ACP, 0, ShortcutFilePath(path).c_str(), -1, widePath,
                            kLoadPathUnits) == 0 ||
        FAILED(file->Load(widePath, STGM_READ))) {
        return {};
    }
    char target[kLinkTextBytes] = {};
    char arguments[kLinkTextBytes] = {};
    link->GetPath(target, kLinkTextBytes, nullptr, SLGP_UNCPRIORITY);
    link->GetArguments(arguments, kLinkTextBytes);
    if (arguments[0] == '\0') return ByteText(target);
    return text::ConcatText(text::ConcatText(target, " "), arguments);
}

}  // namespace langswitch
