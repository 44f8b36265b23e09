// Install or uninstall: the registry's answer, overridden by the first argument. Platform-free.
#pragma once

#include <string>
#include <vector>

constexpr int RUN_MODE_UNINSTALL = 0;
constexpr int RUN_MODE_INSTALL = 1;

// args[0] is the program path; only args[1] counts, compared exactly with "-i" and "-u".
int DecideRunMode(bool installed, const std::vector<std::wstring>& args);
