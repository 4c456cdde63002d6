// Makes a shortcut the way the shell does, for tests: a shell link on Windows, a symbolic link
// on the POSIX stand-in (which takes no arguments).
#pragma once

#include "text/byte_text.h"

namespace langswitch {

bool MakeShortcut(const text::ByteText& linkPath, const text::ByteText& target,
                  const text::ByteText& arguments = {});

}  // namespace langswitch
