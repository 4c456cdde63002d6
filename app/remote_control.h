// Drives AeLangSwitch.exe from another process as a user would: starts it, finds its window,
// reads its controls' texts, drops data on it through OLE drag and drop, clicks with the
// mouse, presses keys and photographs it. For the end-to-end test and the demo.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "text/control_text.h"
#include "text/file_handle_win32.h"

namespace app::remote {

inline constexpr DWORD kPatience = 20000;  // ms: how long a step may take under a busy Wine

// Polls `done` until it holds or patience runs out; tells which.
template <class Condition>
bool Eventually(Condition done) {
    constexpr DWORD kPoll = 50;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < kPatience; Sleep(kPoll)) {
        if (done()) return true;
    }
    return done();
}

// The folder of the running executable, ending in a backslash; AeLangSwitch.exe stands there.
std::string ProgramFolder();

// One started copy of the program, ended at the latest when this object goes.
class RunningProgram {
  public:
    RunningProgram();
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Null when the window did not appear.
    [[nodiscard]] HWND window() const noexcept { return window_; }
    [[nodiscard]] HWND ControlWindow(text::Control control) const;
    [[nodiscard]] std::wstring Text(text::Control control) const;
    // The control's text once it is `expected`, or what it shows when patience runs out.
    [[nodiscard]] std::wstring TextOnce(text::Control control, const std::wstring& expected) const;
    // The exit code once the process has ended; STILL_ACTIVE when it does not end.
    [[nodiscard]] DWORD ExitCode() const;

  private:
    text::FileHandle process_;
    HWND window_ = nullptr;
};

// What a drag source offers: one clipboard format in global memory.
class DataObject final : public IDataObject {
  public:
    static DataObject Files(const std::vector<std::wstring>& paths);
    static DataObject Text(const std::string& ansi);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    // It lives on the caller's stack for the length of the drag.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override;
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override;
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
        return OLE_E_ADVISENOTSUPPORTED;
    }

  private:
    DataObject(CLIPFORMAT format, std::vector<char> bytes);

    FORMATETC format_;
    std::vector<char> bytes_;
};

// Drags `data` from this process onto the middle of the window and drops it; gives the effect
// the target chose. OLE must be initialised.
DWORD DragOnto(HWND window, DataObject& data);

// Makes the window the foreground one, which takes the keyboard; false when it does not become it.
bool BringToFront(HWND window);

void ClickWithMouse(HWND control);
void PressKey(WORD key);

// The window as the screen shows it, written as a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::string& path);

}  // namespace app::remote
