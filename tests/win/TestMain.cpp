// Entry point of the Wine test program: GoogleTest with the Windows pieces it needs.
#include <windows.h>
#include <objbase.h>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  OleInitialize(nullptr);
  int result = RUN_ALL_TESTS();
  OleUninitialize();
  return result;
}
