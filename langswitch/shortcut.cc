#include "langswitch/shortcut.h"

namespace langswitch {

text::ByteText ShortcutFilePath(const text::ByteText& path) {
    constexpr const char* kExtension = ".lnk";
    const bool hasExtension =
        text::FindText(path, kExtension, std::nullopt, text::LetterCase::IgnoreAscii) != -1;
    return hasExtension ? path : text::ConcatText(path, kExtension);
}

}  // namespace langswitch
