// Running out of memory ends this program with a report, except inside a scope of this type:
// there the allocation throws std::bad_alloc, for code whose answer to that is an empty result.
#pragma once

#include "text/byte_text.h"

namespace text {

class AllocationFailureTolerated {
  public:
    AllocationFailureTolerated() noexcept;
    ~AllocationFailureTolerated();
    AllocationFailureTolerated(const AllocationFailureTolerated&) = delete;
    AllocationFailureTolerated& operator=(const AllocationFailureTolerated&) = delete;
};

[[nodiscard]] bool IsAllocationFailureTolerated() noexcept;

// Room for a whole file of `size` bytes; empty when the size is no positive signed 32-bit
// count or the memory is not to be had.
[[nodiscard]] ByteBuffer BufferForFileOfSize(long long size);

}  // namespace text
