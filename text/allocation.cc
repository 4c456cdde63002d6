#include "text/allocation.h"

#include <cstdint>
#include <limits>
#include <new>

namespace text {
namespace {

// The program has one thread; the depth lets such scopes nest.
int toleratedDepth = 0;

}  // namespace

AllocationFailureTolerated::AllocationFailureTolerated() noexcept {
    ++toleratedDepth;
}

AllocationFailureTolerated::~AllocationFailureTolerated() {
    --toleratedDepth;
}

bool IsAllocationFailureTolerated() noexcept {
    return toleratedDepth > 0;
}

ByteBuffer BufferForFileOfSize(long long size) {
    if (size <= 0 || size > std::numeric_limits<std::int32_t>::max()) return {};
    try {
        const AllocationFailureTolerated tolerated;
        return ByteBuffer(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace text
