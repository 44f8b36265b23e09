// Classification of the running Windows generation. Platform-free.
#pragma once

// Version code from what the version query reports and whether the process runs as 32-bit
// on a 64-bit system: 0/1 for the 9x family, 2 for NT 5.0, 3/4 for NT 5.1 and later 5.x,
// 5 to 12 for NT 6.0 to 6.3 (odd: 32-bit host, even: 64-bit host), 3 for anything else.
int ClassifyOsVersion(unsigned long platformId, unsigned long major, unsigned long minor, bool wow64);
