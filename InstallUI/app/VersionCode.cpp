#include "app/VersionCode.h"

namespace {
const unsigned long kPlatformWindows9x = 1;
const unsigned long kPlatformNt = 2;
const int kCodeOther = 3;
}  // namespace

int ClassifyOsVersion(unsigned long platformId, unsigned long major, unsigned long minor, bool wow64) {
  if (platformId == kPlatformWindows9x) {
    if (major != 4) return kCodeOther;
    return minor < 90 ? 0 : 1;
  }
  if (platformId != kPlatformNt) return kCodeOther;
  if (major == 5) {
    if (minor == 0) return 2;
    return wow64 ? 4 : 3;
  }
  if (major == 6 && minor <= 3) return 5 + 2 * static_cast<int>(minor) + (wow64 ? 1 : 0);
  return kCodeOther;
}
