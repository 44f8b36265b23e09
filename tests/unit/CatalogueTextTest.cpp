#include "lang/CatalogueText.h"

#include <gtest/gtest.h>

namespace {

TEST(LowerAsciiKey, OnlyAsciiCapitals) {
  struct Case { const wchar_t* text; const wchar_t* want; };
  const Case cases[] = {
      {L"Install Now", L"install now"},
      {L"AZ@[`{az", L"az@[`{az"},
      {L"\u00C4RGER \u0130", L"\u00C4rger \u0130"},  // non-ASCII capitals stay
      {L"", L""},
  };
  for (const Case& c : cases) EXPECT_EQ(LowerAsciiKey(c.text), c.want);
}

TEST(ExpandCatalogueText, EscapesThenMarker) {
  struct Case { const wchar_t* text; const wchar_t* want; };
  const Case cases[] = {
      {L"one\\ntwo", L"one\ntwo"},
      {L"one\\r\\ntwo", L"one\r\ntwo"},
      {L"\\r\\n\\n\\r", L"\r\n\n\\r"},
      {L"\\\\n", L"\\\n"},
      {L"[~NullInfoPelko~]", L""},
      {L"a[~NullInfoPelko~]b[~NullInfoPelko~]", L"ab"},
      // One pass each, left to right: removing a marker does not form a new one ...
      {L"[~Null[~NullInfoPelko~]InfoPelko~]", L"[~NullInfoPelko~]"},
      // ... nor a new escape, since escapes go first.
      {L"\\[~NullInfoPelko~]n", L"\\n"},
      {L"[~nullinfopelko~]", L"[~nullinfopelko~]"},
      {L"", L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandCatalogueText(c.text), c.want) << testing::PrintToString(std::wstring(c.text));
  }
}

}  // namespace
