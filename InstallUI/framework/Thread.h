// Threads started through the C runtime, with an exception barrier around the procedure.
#pragma once

#include <windows.h>

#include "framework/Handles.h"

namespace fw {

using ThreadProc = unsigned(__stdcall*)(void*);

// Starts `proc(arg)` on a new thread (default security and stack). With `suspended` the
// thread waits for ResumeThread, so the caller can store the handle before it runs.
// Returns the owned handle; empty when the thread could not be created.
CHandle StartThread(ThreadProc proc, void* arg, bool suspended = false);

// Waits at most `milliseconds` for the thread; if it still runs, terminates it with exit
// code 0. Closes the handle in every case.
void StopThread(CHandle& thread, DWORD milliseconds);

}  // namespace fw
