// Whole-file reading and writing by ANSI path.
#pragma once

#include "text/byte_text.h"

namespace text {

// The file's bytes, read in one request while others may read but not write it; empty on any
// failure, for an empty file, and for a file of 2 GiB or more.
[[nodiscard]] ByteBuffer ReadWholeFile(const ByteText& path);

enum class WriteOutcome {
    Written,
    AccessDenied,      // read-only target, or no right to write in its folder
    SharingViolation,  // the target is held open elsewhere
    Failed,            // anything else: empty path, missing folder, disk full, ...
};

// Makes the file hold exactly `data`. The bytes go to a temporary file beside the target, which
// then takes the target's place in one step, so a failure leaves the target as it was.
[[nodiscard]] WriteOutcome WriteWholeFile(const ByteText& path, const ByteBuffer& data);

// The step that puts the flushed temporary file in the target's place; tests make it fail.
using ReplaceStep = WriteOutcome (*)(const ByteText& temporary, const ByteText& target);

[[nodiscard]] WriteOutcome WriteWholeFileVia(const ByteText& path, const ByteBuffer& data,
                                             ReplaceStep replace);

}  // namespace text
