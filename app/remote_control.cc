#include "app/remote_control.h"

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/control_ids.h"
#include "app/win32_owners.h"

namespace app::remote {
namespace {

HWND FindWindowOf(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM searching) -> BOOL {
            auto* search = reinterpret_cast<Search*>(searching);
            wchar_t className[64] = {};
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            GetClassNameW(window, className, std::size(className));
            if (owner != search->processId || std::wstring(className) != kMainWindowClass) {
                return TRUE;
            }
            search->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Lets the drag move over the target a few times, then drops.
class DropSource final : public IDropSource {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id != IID_IUnknown && id != IID_IDropSource) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IDropSource*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
        constexpr int kMovesBeforeDrop = 3;
        return ++asked_ < kMovesBeforeDrop ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

  private:
    int asked_ = 0;
};

POINT CentreOf(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    return POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
}

}  // namespace

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.rfind('\\') + 1);
}

RunningProgram::RunningProgram() {
    std::string command("\"");
    command.append(ProgramFolder()).append("AeLangSwitch.exe\"");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started)) {
        return;
    }
    process_ = text::FileHandle(started.hProcess);
    const text::FileHandle thread(started.hThread);
    WaitForInputIdle(process_.get(), kPatience);
    Eventually([&] { return (window_ = FindWindowOf(started.dwProcessId)) != nullptr; });
}

RunningProgram::~RunningProgram() {
    if (process_.valid() && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 1);
    }
}

HWND RunningProgram::ControlWindow(text::Control control) const {
    return GetDlgItem(window_, ControlId(control));
}

std::wstring RunningProgram::Text(text::Control control) const {
    wchar_t shown[1024] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(ControlWindow(control), WM_GETTEXT, std::size(shown),
                        reinterpret_cast<LPARAM>(shown), SMTO_ABORTIFHUNG, kPatience, &ignored);
    return shown;
}

std::wstring RunningProgram::TextOnce(text::Control control, const std::wstring& expected) const {
    Eventually([&] { return Text(control) == expected; });
    return Text(control);
}

DWORD RunningProgram::ExitCode() const {
    WaitForSingleObject(process_.get(), kPatience);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

DataObject::DataObject(CLIPFORMAT format, std::vector<char> bytes)
    : format_{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL}, bytes_(std::move(bytes)) {}

DataObject DataObject::Files(const std::vector<std::wstring>& paths) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    std::wstring list;
    for (const std::wstring& path : paths) {
        list.append(path);
        list.push_back(L'\0');
    }
    list.push_back(L'\0');
    std::vector<char> bytes(reinterpret_cast<const char*>(&header),
                            reinterpret_cast<const char*>(&header + 1));
    const auto* units = reinterpret_cast<const char*>(list.data());
    bytes.insert(bytes.end(), units, units + list.size() * sizeof(wchar_t));
    return DataObject(CF_HDROP, std::move(bytes));
}

DataObject DataObject::Text(const std::string& ansi) {
    return DataObject(CF_TEXT, std::vector<char>(ansi.c_str(), ansi.c_str() + ansi.size() + 1));
}

HRESULT DataObject::QueryInterface(REFIID id, void** object) {
    if (id != IID_IUnknown && id != IID_IDataObject) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IDataObject*>(this);
    return S_OK;
}

HRESULT DataObject::GetData(FORMATETC* format, STGMEDIUM* medium) {
    if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
    if (!memory) return E_OUTOFMEMORY;
    std::copy(bytes_.begin(), bytes_.end(), GlobalLockFor<char>(memory).get());
    *medium = STGMEDIUM{};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = memory;
    return S_OK;
}

HRESULT DataObject::QueryGetData(FORMATETC* format) {
    return format->cfFormat == format_.cfFormat && (format->tymed & TYMED_HGLOBAL) ? S_OK
                                                                                   : DV_E_FORMATETC;
}

HRESULT DataObject::GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) {
    out->ptd = nullptr;
    return E_NOTIMPL;
}

HRESULT DataObject::EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    return SHCreateStdEnumFmtEtc(1, &format_, out);
}

DWORD DragOnto(HWND window, DataObject& data) {
    const POINT centre = CentreOf(window);
    SetCursorPos(centre.x, centre.y);
    DropSource source;
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &effect);
    return effect;
}

bool BringToFront(HWND window) {
    SetForegroundWindow(window);
    return Eventually([&] { return GetForegroundWindow() == window; });
}

void ClickWithMouse(HWND control) {
    const POINT centre = CentreOf(control);
    SetCursorPos(centre.x, centre.y);
    for (const DWORD flags : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flags;
        Send(input);
    }
}

void PressKey(WORD key) {
    for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = flags;
        Send(input);
    }
}

bool SaveScreenshot(HWND window, const std::string& path) {
    RECT place{};
    GetWindowRect(window, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    const WindowDC screen(nullptr);
    const MemoryDC memory(screen.get());
    const Bitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    {
        const SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), place.left, place.top, SRCCOPY);
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int rowBytes = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(rowBytes) * height);
    GetDIBits(memory.get(), bitmap.get(), 0, height, pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return out.good();
}

}  // namespace app::remote
