#include "lang/FormatPattern.h"

#include <gtest/gtest.h>

namespace {

std::wstring Format(const wchar_t* english, const wchar_t* translated, ...) {
  va_list args;
  va_start(args, translated);
  std::wstring result = FormatCataloguePattern(english, translated, args);
  va_end(args);
  return result;
}

TEST(ChooseCataloguePattern, TranslationOnlyWithTheEnglishConversions) {
  struct Case { const wchar_t* english; const wchar_t* translated; bool formattable; const wchar_t* want; };
  const Case cases[] = {
      {L"Copying %s", L"Kopiere %s", true, L"Kopiere %ls"},
      {L"No placeholders", L"Keine", true, L"Keine"},
      {L"%d%% done", L"%%%d", true, L"%%%d"},
      {L"%d", L"%-05d", true, L"%-05d"},
      {L"%s", L"%ls", true, L"%ls"},
      {L"Drive %c", L"%3c", true, L"%3lc"},
      {L"%.2f", L"%8.1f", true, L"%8.1f"},
      {L"%x", L"%#x", true, L"%#x"},
      {L"%s of %d", L"%d of %s", true, L"%ls of %d"},  // order
      {L"%d files", L"%s files", true, L"%d files"},    // type
      {L"%d", L"%i", true, L"%d"},
      {L"%d", L"%ld", true, L"%d"},                     // length
      {L"%d", L"%lld", true, L"%d"},
      {L"%s", L"%hs", true, L"%ls"},
      {L"%d", L"%d %d", true, L"%d"},                   // count
      {L"%d %d", L"%d", true, L"%d %d"},
      {L"%d", L"%d%n", true, L"%d"},
      {L"%d", L"%*d", true, L"%d"},
      {L"%.3f", L"%.*f", true, L"%.3f"},
      {L"%d", L"%1$d", true, L"%d"},
      {L"%d", L"%d 100%", true, L"%d"},                 // lone '%' at the end
      {L"%d", L"%I64d", true, L"%d"},
      {L"%d", L"%zd", true, L"%d"},
      {L"%s", L"%S", true, L"%ls"},
      {L"%f", L"%Lf", true, L"%f"},
      {L"%d", L"%2000d", true, L"%d"},
      {L"%f", L"%.9999f", true, L"%f"},
      {L"%d", L"%#d", true, L"%d"},
      {L"%s", L"%05s", true, L"%ls"},
      {L"%c", L"%.2c", true, L"%lc"},
      {L"%d", L"%y", true, L"%d"},
      {L"%d", L"", true, L""},                          // the empty-text marker
      // An English pattern the formatter must not see is shown as it is.
      {L"50%", L"50 %d", false, L"50%"},
      {L"%n", L"%n", false, L"%n"},
      {L"%*d", L"%*d", false, L"%*d"},
  };
  for (const Case& c : cases) {
    PatternChoice choice = ChooseCataloguePattern(c.english, c.translated);
    EXPECT_EQ(choice.formattable, c.formattable) << testing::PrintToString(std::wstring(c.translated));
    EXPECT_EQ(choice.text, c.want) << testing::PrintToString(std::wstring(c.translated));
  }
}

TEST(ChooseCataloguePattern, StopsAtEmbeddedNul) {
  // The formatter sees the text up to the NUL; so does the check.
  const std::wstring translated(L"%d\0%n", 5);
  PatternChoice choice = ChooseCataloguePattern(L"%d", translated);
  EXPECT_TRUE(choice.formattable);
  EXPECT_EQ(choice.text, L"%d");
}

TEST(FormatCataloguePattern, FormatsWideArguments) {
  EXPECT_EQ(Format(L"Copying %s to %s", L"Kopiere %s nach %s", L"a.sys", L"C:\\\u5B8B\u4F53"),
            L"Kopiere a.sys nach C:\\\u5B8B\u4F53");
  EXPECT_EQ(Format(L"Drive %c:", L"Laufwerk %c:", L'\u00C4'), L"Laufwerk \u00C4:");
  EXPECT_EQ(Format(L"%s: %d", L"%d: %s", L"x", 5), L"x: 5");
  EXPECT_EQ(Format(L"%s: %d", L"%s%n", L"x", 5), L"x: 5");
  EXPECT_EQ(Format(L"%d%%", L"%d %%", 42), L"42 %");
  EXPECT_EQ(Format(L"%s", L"", L"gone"), L"");
  EXPECT_EQ(Format(L"Done 100%", L"%s", L"never read"), L"Done 100%");
  EXPECT_EQ(Format(L"%s", L"%s", std::wstring(3000, L'w').c_str()).size(), 1023u);
}

}  // namespace
