// Start-up and shut-down: one window, one GUI thread, exit code 0 after the window is closed.
#include <windows.h>

#include "app/main_window.h"
#include "app/program.h"
#include "langswitch/app_state.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    app::StartProcess();
    // The window's description is built in, so there is no stored one that could fail to load.
    app::RegisterShutdownRoutine(langswitch::ReleaseAppState);
    int exitCode = 0;
    {
        app::MainWindow window;
        if (!window.CreateAndShow()) app::ReportRuntimeError("载入启动窗口失败");
        exitCode = app::RunMessageLoop();
    }
    app::ShutDownProcess();
    return exitCode;
}
