// The program's entry point; everything else starts in the application object's InitInstance.
#include <windows.h>

#include "framework/App.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int) { return fw::RunApplication(hInstance); }
