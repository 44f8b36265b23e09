// Figures for the animation control: how long the demo skin's GIFs take to cut and decode,
// and how much processor time playing them costs. Prints only; never fails on time.
#include <windows.h>
#include <objbase.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "controls/TPicture.h"

namespace {

const char* const ANIMATIONS[] = {"install_process.gif", "uninstall_process.gif", "finish.gif"};
constexpr int LOAD_ROUNDS = 20;

std::wstring SkinFile(const char* name) {
  const std::string path = std::string(BENCH_SOURCE_DIR) + "/package/Skin/" + name;
  return std::wstring(path.begin(), path.end());
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuSeconds(HANDLE hThread) {
  FILETIME created, exited, kernel, user;
  if (!::GetThreadTimes(hThread, &created, &exited, &kernel, &user)) return -1.0;
  auto value = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return value(kernel) + value(user);
}

std::set<DWORD> ThreadsOfThisProcess() {
  std::set<DWORD> ids;
  fw::CFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  if (!snapshot) return ids;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Thread32First(snapshot.Get(), &entry); more; more = ::Thread32Next(snapshot.Get(), &entry))
    if (entry.th32OwnerProcessID == ::GetCurrentProcessId()) ids.insert(entry.th32ThreadID);
  return ids;
}

// Runs the message loop for the given time, so the control paints what the thread draws.
void Pump(DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    const DWORD elapsed = ::GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
}

}  // namespace

// Optional argument: seconds to play each animation (3 by default). Thread times under Wine
// move in 10 ms steps, so longer runs give finer figures.
int main(int argc, char** argv) {
  const int nSeconds = argc > 1 ? std::atoi(argv[1]) : 3;
  const DWORD nPlayMs = static_cast<DWORD>(nSeconds > 0 ? nSeconds : 3) * 1000;
  ::OleInitialize(nullptr);
  HWND hParent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr,
                                   nullptr, nullptr);
  HWND hStatic = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 5, 5, hParent, nullptr,
                                   nullptr, nullptr);
  CTPicture picture;
  if (!hParent || !hStatic || !picture.SubclassWindow(hStatic)) {
    std::printf("picture_bench: no window to bind the control to\n");
    return 0;
  }

  std::printf("%-24s %12s %12s %20s %16s\n", "animation", "first load", "mean load", "thread CPU", "UI CPU");
  std::printf("%-24s %12s %12s %20s %16s\n", "", "(ms)", "(ms)", "(ms per s)", "(ms per s)");
  for (const char* name : ANIMATIONS) {
    const std::wstring path = SkinFile(name);
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    bool bLoaded = picture.Load(path);
    ::QueryPerformanceCounter(&end);
    const double firstMs = Seconds(start, end) * 1000.0;
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < LOAD_ROUNDS; ++i) bLoaded = picture.Load(path) && bLoaded;
    ::QueryPerformanceCounter(&end);
    if (!bLoaded) {
      std::printf("%-24s failed to load\n", name);
      continue;
    }
    const double loadMs = Seconds(start, end) * 1000.0 / LOAD_ROUNDS;

    // The animation thread is the one thread that Draw adds.
    const std::set<DWORD> before = ThreadsOfThisProcess();
    picture.Draw();
    HANDLE hThread = nullptr;
    for (DWORD id : ThreadsOfThisProcess())
      if (!before.count(id)) hThread = ::OpenThread(THREAD_QUERY_INFORMATION, FALSE, id);
    fw::CHandle thread(hThread);

    Pump(200);  // past the first frame
    const double threadFrom = thread ? CpuSeconds(thread.Get()) : -1.0;
    const double uiFrom = CpuSeconds(::GetCurrentThread());
    ::QueryPerformanceCounter(&start);
    Pump(nPlayMs);
    ::QueryPerformanceCounter(&end);
    const double threadTo = thread ? CpuSeconds(thread.Get()) : -1.0;
    const double uiTo = CpuSeconds(::GetCurrentThread());
    const double wall = Seconds(start, end);
    picture.Stop();

    if (thread && threadFrom >= 0 && threadTo >= 0)
      std::printf("%-24s %12.2f %12.2f %20.2f %16.2f\n", name, firstMs, loadMs,
                  (threadTo - threadFrom) * 1000.0 / wall, (uiTo - uiFrom) * 1000.0 / wall);
    else
      std::printf("%-24s %12.2f %12.2f %20s %16.2f\n", name, firstMs, loadMs, "(thread not found)",
                  (uiTo - uiFrom) * 1000.0 / wall);
  }
  std::printf("(%u s of playing each; 20 ms per s is 2%% of one core)\n", static_cast<unsigned>(nPlayMs / 1000));
  std::fflush(stdout);
  picture.UnLoad();
  ::DestroyWindow(hParent);
  ::OleUninitialize();
  return 0;
}
