#include "app/VersionCode.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassifyOsVersion, VersionTable) {
  struct Case { unsigned long platform, major, minor; bool wow64; int want; };
  const Case cases[] = {
      {1, 4, 0, false, 0},   {1, 4, 89, true, 0},  {1, 4, 90, false, 1}, {1, 5, 0, false, 3},
      {2, 5, 0, false, 2},   {2, 5, 0, true, 2},   {2, 5, 1, false, 3},  {2, 5, 2, true, 4},
      {2, 6, 0, false, 5},   {2, 6, 0, true, 6},   {2, 6, 1, false, 7},  {2, 6, 1, true, 8},
      {2, 6, 2, false, 9},   {2, 6, 2, true, 10},  {2, 6, 3, false, 11}, {2, 6, 3, true, 12},
      {2, 6, 4, false, 3},   {2, 6, 4, true, 3},   {2, 10, 0, true, 3},  {2, 4, 0, false, 3},
      {0, 0, 0, false, 3},   // a failed version query leaves the record zeroed
      {3, 6, 1, false, 3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyOsVersion(c.platform, c.major, c.minor, c.wow64), c.want)
        << c.platform << " " << c.major << "." << c.minor << " wow64=" << c.wow64;
  }
}

}  // namespace
