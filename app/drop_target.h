// 拖放对象1: takes files dropped on one window and raises the got-file event once per drop
// with their ANSI paths: one path, or every path followed by CR LF. Text, HTML and links are
// refused. The owner keeps it alive while it is registered; COM's references only count.
#pragma once

#include <ole2.h>

#include <functional>
#include <vector>

#include "text/byte_text.h"

namespace app {

class DropTarget final : public IDropTarget {
  public:
    using GotFile = std::function<void(const text::ByteText&)>;

    explicit DropTarget(GotFile gotFile) : gotFile_(std::move(gotFile)) {}
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

    // One registration in its life: false when it holds a window already or OLE refuses.
    bool Register(HWND window);
    // Ends the registration and cuts every reference other processes hold.
    void Revoke();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                        DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                   DWORD* effect) override;

  private:
    [[nodiscard]] DWORD EffectFor(DWORD allowed) const;

    GotFile gotFile_;
    HWND window_ = nullptr;
    bool registered_ = false;
    bool draggingFiles_ = false;
    ULONG references_ = 0;
};

// The got-file text of a list of dropped paths.
text::ByteText JoinDroppedPaths(const std::vector<text::ByteText>& paths);

}  // namespace app
