#include "app/drop_target.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/win32_owners.h"

namespace app {
namespace {

FORMATETC FileListFormat() {
    return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool OffersFiles(IDataObject* data) {
    FORMATETC format = FileListFormat();
    return data && data->QueryGetData(&format) == S_OK;
}

std::vector<text::ByteText> DroppedPaths(HDROP drop) {
    constexpr UINT kCount = 0xFFFFFFFF;
    std::vector<text::ByteText> paths;
    const UINT count = DragQueryFileA(drop, kCount, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
        path.resize(DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.emplace_back(std::move(path));
    }
    return paths;
}

}  // namespace

text::ByteText JoinDroppedPaths(const std::vector<text::ByteText>& paths) {
    if (paths.size() == 1) return paths.front();
    text::ByteText joined;
    for (const text::ByteText& path : paths) {
        joined = text::ConcatText(joined, text::ConcatText(path, "\r\n"));
    }
    return joined;
}

bool DropTarget::Register(HWND window) {
    if (window_) return false;
    window_ = window;
    registered_ = SUCCEEDED(RegisterDragDrop(window, this));
    return registered_;
}

void DropTarget::Revoke() {
    if (!registered_) return;
    RevokeDragDrop(window_);
    CoDisconnectObject(this, 0);
    registered_ = false;
}

HRESULT DropTarget::QueryInterface(REFIID id, void** object) {
    if (!object) return E_POINTER;
    if (id == IID_IUnknown || id == IID_IDropTarget) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

DWORD DropTarget::EffectFor(DWORD allowed) const {
    if (!draggingFiles_) return DROPEFFECT_NONE;
    if (allowed & DROPEFFECT_COPY) return DROPEFFECT_COPY;
    return allowed & DROPEFFECT_LINK;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    draggingFiles_ = OffersFiles(data);
    *effect = EffectFor(*effect);
    return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
    *effect = EffectFor(*effect);
    return S_OK;
}

HRESULT DropTarget::DragLeave() {
    draggingFiles_ = false;
    return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
    draggingFiles_ = OffersFiles(data);
    *effect = EffectFor(*effect);
    if (!draggingFiles_) return S_OK;
    draggingFiles_ = false;
    FORMATETC format = FileListFormat();
    StgMedium medium;
    if (FAILED(data->GetData(&format, medium.put()))) return S_OK;
    // The paths are copied out before the data goes back to the drag source.
    const std::vector<text::ByteText> paths =
        DroppedPaths(static_cast<HDROP>(medium.get().hGlobal));
    if (!paths.empty()) gotFile_(JoinDroppedPaths(paths));
    return S_OK;
}

}  // namespace app
