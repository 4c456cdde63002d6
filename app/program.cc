#include "app/program.h"

#include <ole2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "text/byte_text.h"

namespace app {
namespace {

struct Process {
    std::vector<ShutdownRoutine> shutdownRoutines;
    bool oleStarted = false;
    bool loopEntered = false;
    int windows = 0;
};

Process& TheProcess() {
    static Process process;
    return process;
}

void SetWorkingDirectoryToProgramFolder() {
    std::string path(MAX_PATH, '\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    const text::ByteText program(std::move(path));
    const int lastBackslash = text::FindTextReverse(program, "\\");
    if (lastBackslash == -1) return;
    SetCurrentDirectoryA(text::TextMid(program, 1, lastBackslash - 1).c_str());
}

void ReleaseProcessServices() {
    if (std::exchange(TheProcess().oleStarted, false)) OleUninitialize();
}

}  // namespace

void RegisterShutdownRoutine(ShutdownRoutine routine) {
    std::vector<ShutdownRoutine>& routines = TheProcess().shutdownRoutines;
    if (std::find(routines.begin(), routines.end(), routine) == routines.end()) {
        routines.push_back(routine);
    }
}

void StartProcess() {
    SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    TheProcess().oleStarted = SUCCEEDED(OleInitialize(nullptr));
    SetWorkingDirectoryToProgramFolder();
}

void NoteWindowCreated() {
    ++TheProcess().windows;
}

void NoteWindowDestroyed() {
    Process& process = TheProcess();
    if (--process.windows == 0 && process.loopEntered) PostQuitMessage(0);
}

int RunMessageLoop() {
    TheProcess().loopEntered = true;
    if (TheProcess().windows == 0) return 0;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void ShutDownProcess() {
    for (const ShutdownRoutine routine : std::exchange(TheProcess().shutdownRoutines, {})) {
        routine();
    }
    ReleaseProcessServices();
}

void ReportRuntimeError(const char* message) {
    char box[1024];
    std::snprintf(box, sizeof box, "%s\r\n\r\n%s%s\r\n", "运行时出错!", "错误信息：", message);
    MessageBoxA(nullptr, box, "错误", MB_OK | MB_ICONERROR);
    TheProcess().shutdownRoutines.clear();
    ReleaseProcessServices();
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace app
