#include "app/RunMode.h"

#include <gtest/gtest.h>

namespace {

TEST(DecideRunMode, FirstArgumentOverridesRegistry) {
  using Args = std::vector<std::wstring>;
  struct Case { Args args; int whenInstalled; int whenNotInstalled; };
  const int I = RUN_MODE_INSTALL, U = RUN_MODE_UNINSTALL;
  const Case cases[] = {
      {{L"setup.exe"}, U, I},
      {{}, U, I},
      {{L"setup.exe", L"-i"}, I, I},
      {{L"setup.exe", L"-u"}, U, U},
      {{L"setup.exe", L"-U"}, U, I},
      {{L"setup.exe", L"-I"}, U, I},
      {{L"setup.exe", L"/u"}, U, I},
      {{L"setup.exe", L"-uu"}, U, I},
      {{L"setup.exe", L" -u"}, U, I},
      {{L"setup.exe", L""}, U, I},
      {{L"setup.exe", L"-u", L"-i"}, U, U},
      {{L"setup.exe", L"x", L"-i"}, U, I},
      {{L"-u"}, U, I},  // the program path is never an option
  };
  for (const Case& c : cases) {
    std::wstring shown;
    for (const std::wstring& a : c.args) shown += L"[" + a + L"]";
    EXPECT_EQ(DecideRunMode(true, c.args), c.whenInstalled) << testing::PrintToString(shown);
    EXPECT_EQ(DecideRunMode(false, c.args), c.whenNotInstalled) << testing::PrintToString(shown);
  }
}

}  // namespace
