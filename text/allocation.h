// Running out of memory ends this program with a report, except inside a scope of this type:
// there the allocation throws std::bad_alloc, for code whose answer to that is an empty result.
#pragma once

namespace text {

class AllocationFailureTolerated {
  public:
    AllocationFailureTolerated() noexcept;
    ~AllocationFailureTolerated();
    AllocationFailureTolerated(const AllocationFailureTolerated&) = delete;
    AllocationFailureTolerated& operator=(const AllocationFailureTolerated&) = delete;
};

[[nodiscard]] bool IsAllocationFailureTolerated() noexcept;

}  // namespace text
