// The process around the window: start-up services, the shut-down routine list, the message
// loop and the fatal failure report.
#pragma once

namespace app {

using ShutdownRoutine = void (*)();

// Appends a routine to run at a normal shut-down; the same routine stands there once.
void RegisterShutdownRoutine(ShutdownRoutine routine);

// Critical-error boxes off, OLE on for this thread, the working directory set to the
// executable's folder.
void StartProcess();

// Every window of the program tells the loop of its creation and its destruction; the
// destruction of the last one, once the loop runs, ends it.
void NoteWindowCreated();
void NoteWindowDestroyed();

// Runs until the last window is gone (at once if there is none); gives the exit code.
int RunMessageLoop();

// Runs the shut-down routines in the order they were registered, then releases OLE.
void ShutDownProcess();

// Shows the fatal failure box with `message` (ANSI) and ends the process with exit code -1,
// without the shut-down routines. It allocates nothing, so it serves when memory runs out.
[[noreturn]] void ReportRuntimeError(const char* message);

}  // namespace app
