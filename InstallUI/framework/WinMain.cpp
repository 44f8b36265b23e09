// The program's entry point; everything else starts in the application object's InitInstance.
#include <windows.h>

#include "framework/App.h"
#include "framework/SystemLibrary.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) {
  // Before any DLL is loaded on demand.
  fw::HardenDllSearchPath();
  return fw::RunApplication(hInstance);
}
