#include <unistd.h>

#include "langswitch/shortcut_for_tests.h"
#include "text/posix_path.h"

namespace langswitch {

bool MakeShortcut(const text::ByteText& linkPath, const text::ByteText& target,
                  const text::ByteText& arguments) {
    return arguments.empty() &&
           ::symlink(text::PosixPath(target).c_str(), text::PosixPath(linkPath).c_str()) == 0;
}

}  // namespace langswitch
