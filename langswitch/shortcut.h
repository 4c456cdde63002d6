#pragma once

#include "text/byte_text.h"

namespace langswitch {

// The target a shell link stores (not resolved, so it may no longer exist), followed by one
// blank and its arguments when it has any; empty when the file is no loadable link. The link
// file is ShortcutFilePath(path). COM must be initialised on the calling thread.
[[nodiscard]] text::ByteText ResolveShortcut(const text::ByteText& path);

// `path` itself when it holds ".lnk" anywhere, in any letter case; else `path` + ".lnk".
[[nodiscard]] text::ByteText ShortcutFilePath(const text::ByteText& path);

}  // namespace langswitch
