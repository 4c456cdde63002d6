// Owner of a Win32 file handle.
#pragma once

#include <windows.h>

#include <utility>

namespace text {

class FileHandle {
  public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) noexcept : handle_(handle) {}
    FileHandle(FileHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~FileHandle() { Close(); }

    [[nodiscard]] bool valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    [[nodiscard]] HANDLE get() const noexcept { return handle_; }

    // Closes now, for callers that must know whether closing worked.
    bool Close() noexcept {
        return !valid() || CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace text
