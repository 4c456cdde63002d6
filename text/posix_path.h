// The POSIX stand-ins take the logic's Windows paths as they are, with the backslash as the
// folder separator, so the logic's path cutting runs unchanged on a POSIX host.
#pragma once

#include <algorithm>
#include <string>

#include "text/byte_text.h"

namespace text {

inline std::string PosixPath(const ByteText& windowsPath) {
    std::string path(windowsPath.view());
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

inline ByteText WindowsPath(std::string posixPath) {
    std::replace(posixPath.begin(), posixPath.end(), '/', '\\');
    return ByteText(std::move(posixPath));
}

}  // namespace text
