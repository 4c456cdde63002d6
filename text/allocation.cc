#include "text/allocation.h"

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

}  // namespace text
