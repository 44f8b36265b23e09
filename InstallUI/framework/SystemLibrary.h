// Loading system DLLs without letting a file beside the executable stand in for them.
#pragma once

#include <windows.h>

namespace fw {

// Restricts the DLL search of the process to the system folder (where the system supports it)
// and removes the current directory from it. Run first thing: the program runs elevated from
// wherever it was unpacked, often a downloads folder full of other files.
void HardenDllSearchPath();

// Loads `name` (a bare file name such as L"riched20.dll") from the system folder only.
// The module stays loaded for the life of the process; returns null when it is not there.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a system DLL, looked up by name; null when the DLL or the function is missing.
template <typename F>
F SystemFunction(const wchar_t* dll, const char* function) {
  HMODULE module = LoadSystemLibrary(dll);
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, function))) : nullptr;
}

// A function of the already loaded module that holds `address` (for example the address of a
// function the program imports from that module), looked up by name, else by ordinal; null when
// the module does not export it. This reaches the very copy of a DLL the program runs with,
// such as the comctl32 that the manifest selected, which a load by path would not.
FARPROC LoadedModuleFunction(const void* address, const char* name, WORD ordinal);

}  // namespace fw
