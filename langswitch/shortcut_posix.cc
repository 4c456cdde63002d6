// POSIX stand-in for shell links: a symbolic link is the shortcut, its stored target the
// link's target, read as stored without following it. Links carry no arguments here.
#include <unistd.h>

#include <string>

#include "langswitch/shortcut.h"
#include "text/posix_path.h"

namespace langswitch {

text::ByteText ResolveShortcut(const text::ByteText& path) {
    const std::string link = text::PosixPath(ShortcutFilePath(path));
    std::string target(4096, '\0');
    const ssize_t length = ::readlink(link.c_str(), target.data(), target.size());
    if (length <= 0) return {};
    target.resize(static_cast<size_t>(length));
    return text::WindowsPath(std::move(target));
}

}  // namespace langswitch
