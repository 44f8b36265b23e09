#include "framework/Thread.h"

#include <process.h>

#include <memory>

#include "framework/Window.h"

namespace fw {

namespace {

struct ThreadStart {
  ThreadProc proc;
  void* arg;
};

unsigned __stdcall GuardedThreadProc(void* raw) {
  std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(raw));
  return ExceptionBarrier<unsigned>(1u, [&]() { return start->proc(start->arg); });
}

}  // namespace

CHandle StartThread(ThreadProc proc, void* arg, bool suspended) {
  auto start = std::make_unique<ThreadStart>(ThreadStart{proc, arg});
  uintptr_t handle = _beginthreadex(nullptr, 0, &GuardedThreadProc, start.get(),
                                    suspended ? CREATE_SUSPENDED : 0, nullptr);
  if (handle == 0) return CHandle();
  start.release();  // the thread owns it now
  return CHandle(reinterpret_cast<HANDLE>(handle));
}

void StopThread(CHandle& thread, DWORD milliseconds) {
  if (!thread) return;
  if (::WaitForSingleObject(thread.Get(), milliseconds) == WAIT_TIMEOUT) ::TerminateThread(thread.Get(), 0);
  thread.Reset();
}

}  // namespace fw
