// Owners of the GDI and OLE resources the window uses: each frees what it holds exactly once.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <utility>

namespace app {

// A font, brush or pen made by the program.
template <class Handle>
class GdiObject {
  public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) noexcept : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    ~GdiObject() {
        if (handle_) DeleteObject(handle_);
    }

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

  private:
    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

// CreateCompatibleDC ... DeleteDC.
class MemoryDC {
  public:
    explicit MemoryDC(HDC compatibleWith) noexcept : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

    [[nodiscard]] HDC get() const noexcept { return dc_; }

  private:
    HDC dc_;
};

// BeginPaint ... EndPaint.
class PaintDC {
  public:
    explicit PaintDC(HWND window) noexcept : window_(window) { BeginPaint(window_, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    [[nodiscard]] HDC get() const noexcept { return paint_.hdc; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// GetDC ... ReleaseDC; a null window gives the screen's.
class WindowDC {
  public:
    explicit WindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    [[nodiscard]] HDC get() const noexcept { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context until the end of the scope.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The data of a drop, released with ReleaseStgMedium.
class StgMedium {
  public:
    StgMedium() = default;
    ~StgMedium() {
        if (medium_.tymed != TYMED_NULL) ReleaseStgMedium(&medium_);
    }
    StgMedium(const StgMedium&) = delete;
    StgMedium& operator=(const StgMedium&) = delete;

    STGMEDIUM* put() noexcept { return &medium_; }
    [[nodiscard]] const STGMEDIUM& get() const noexcept { return medium_; }

  private:
    STGMEDIUM medium_{};
};

// GlobalLock ... GlobalUnlock.
template <class Data>
class GlobalLockFor {
  public:
    explicit GlobalLockFor(HGLOBAL memory) noexcept
        : memory_(memory), data_(static_cast<Data*>(GlobalLock(memory))) {}
    ~GlobalLockFor() {
        if (data_) GlobalUnlock(memory_);
    }
    GlobalLockFor(const GlobalLockFor&) = delete;
    GlobalLockFor& operator=(const GlobalLockFor&) = delete;

    [[nodiscard]] Data* get() const noexcept { return data_; }

  private:
    HGLOBAL memory_;
    Data* data_;
};

}  // namespace app
