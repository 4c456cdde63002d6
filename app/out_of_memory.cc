// Running out of memory ends the program with a report of the bytes asked for, except where
// a text operation has said that an empty result is its answer.
#include <cstdio>
#include <cstdlib>
#include <new>

#include "app/program.h"
#include "text/allocation.h"

namespace {

void* Allocate(std::size_t size) {
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    if (text::IsAllocationFailureTolerated()) throw std::bad_alloc();
    char message[64];
    std::snprintf(message, sizeof message, "分配 %llu 字节内存失败!",
                  static_cast<unsigned long long>(size));
    app::ReportRuntimeError(message);
}

}  // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
