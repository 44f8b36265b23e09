// Which Windows generation the program runs on, and whether as 32-bit on a 64-bit system.
#pragma once

class COperateSystemInfo {
 public:
  // Classifies the running system at once; cannot fail.
  COperateSystemInfo();
  virtual ~COperateSystemInfo();

  // The version code (see ClassifyOsVersion); reads m_bWow64, so set that first.
  int GetOsVersionCode();

  bool m_bWow64 = false;
  int m_nOsVersion = 0;
};
