#include <shlobj.h>
#include <windows.h>

#include "langswitch/com_ptr_win32.h"
#include "langswitch/shortcut_for_tests.h"

namespace langswitch {

bool MakeShortcut(const text::ByteText& linkPath, const text::ByteText& target,
                  const text::ByteText& arguments) {
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.put_void())) ||
        FAILED(link->SetPath(target.c_str())) || FAILED(link->SetArguments(arguments.c_str()))) {
        return false;
    }
    const ComPtr<IPersistFile> file = link.As<IPersistFile>();
    wchar_t widePath[MAX_PATH] = {};
    return file && MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH) != 0 &&
           SUCCEEDED(file->Save(widePath, TRUE));
}

}  // namespace langswitch
