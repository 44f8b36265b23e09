#include "framework/Format.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatBounded, SpecifiersUsedByTheProgram) {
  struct Case { std::wstring got; const wchar_t* want; };
  const Case cases[] = {
      {fw::Format(L"%ls_%ls_Setup", L"Morva", L"KorbiNet"), L"Morva_KorbiNet_Setup"},
      {fw::Format(L"%ls\\%ls\\%ls", L"C:\\Program Files", L"A", L"B"), L"C:\\Program Files\\A\\B"},
      {fw::Format(L"%u", 2052u), L"2052"},
      {fw::Format(L"%d;%5d;%-3d|", -7, 42, 1), L"-7;   42;1  |"},
      {fw::Format(L"%hs", "narrow"), L"narrow"},
      {fw::Format(L"100%%"), L"100%"},
      {fw::Format(L"%x %X %c", 255u, 255u, L'z'), L"ff FF z"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(FormatBounded, CutsAtCapacity) {
  std::wstring longArg(5000, L'a');
  EXPECT_EQ(fw::Format(L"%ls", longArg.c_str()).size(), 1023u);
  EXPECT_EQ(fw::FormatBounded(260, L"x%ls", longArg.c_str()), L"x" + std::wstring(258, L'a'));
  EXPECT_EQ(fw::FormatBounded(1, L"abc"), L"");
  EXPECT_EQ(fw::FormatBounded(4, L"abc"), L"abc");
  EXPECT_EQ(fw::FormatBounded(3, L"abc"), L"ab");
}

}  // namespace
