#include "app/RunMode.h"

int DecideRunMode(bool installed, const std::vector<std::wstring>& args) {
  int mode = installed ? RUN_MODE_UNINSTALL : RUN_MODE_INSTALL;
  if (args.size() >= 2) {
    if (args[1] == L"-i") {
      mode = RUN_MODE_INSTALL;
    } else if (args[1] == L"-u") {
      mode = RUN_MODE_UNINSTALL;
    }
  }
  return mode;
}
