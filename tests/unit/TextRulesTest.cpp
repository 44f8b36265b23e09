#include "app/TextRules.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

TEST(ParseNumber, BehavesLikeAtoiWithoutOverflow) {
  struct Case { const wchar_t* text; int want; };
  const Case cases[] = {
      {L"19", 19},
      {L"  \t42px", 42},
      {L"-7", -7},
      {L"+8", 8},
      {L"", 0},
      {L"abc", 0},
      {L"- 5", 0},      // blanks only before the sign
      {L"--5", 0},
      {L"12 34", 12},
      {L"007", 7},
      {L"\x0661\x0662", 0},  // only ASCII digits count
      {L"2147483647", INT_MAX},
      {L"2147483648", INT_MAX},
      {L"99999999999999999999999", INT_MAX},
      {L"-2147483648", INT_MIN},
      {L"-2147483649", INT_MIN},
      {L"-99999999999999999999999", INT_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumber(c.text), c.want) << "text: " << testing::PrintToString(std::wstring(c.text));
}

TEST(SplitPieces, PiecesBetweenSeparators) {
  using List = std::vector<std::wstring>;
  struct Case { const wchar_t* text; bool skipEmpty; const wchar_t* filler; List want; };
  const Case cases[] = {
      {L"1,,3", false, L"", {L"1", L"", L"3"}},
      {L"1,2,3,", false, L"", {L"1", L"2", L"3", L""}},
      {L"", false, L"", {L""}},
      {L"", true, L"", {}},
      {L"abc", false, L"", {L"abc"}},
      {L",,", false, L"x", {L"x", L"x", L"x"}},
      {L"1,,3", false, L"0", {L"1", L"0", L"3"}},
      {L"1,,3,", true, L"0", {L"1", L"3"}},
      {L" 1 , 2 ", false, L"", {L" 1 ", L" 2 "}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SplitPieces(c.text, L',', c.skipEmpty, c.filler), c.want)
        << "text: " << testing::PrintToString(std::wstring(c.text));
  }
  EXPECT_EQ(SplitPieces(L"a;b,c", L';', false, L""), (List{L"a", L"b,c"}));
}

TEST(ParseColorText, ThreeComponentsOrUnchanged) {
  struct Case { const wchar_t* text; bool ok; uint32_t want; };
  const uint32_t kBefore = 0x00ABCDEF;
  const Case cases[] = {
      {L"255,255,255", true, 0x00FFFFFF},
      {L"253,79,0", true, 0x00004FFD},
      {L"51, 51, 51", true, 0x00333333},
      {L"256,300,-1", true, 0x00FF2C00},
      {L"x,y,z", true, 0},
      {L"1,,3", true, 0x00030001},
      {L"2147483648,0,0", true, 0x000000FF},
      {L"253,79", false, kBefore},
      {L"", false, kBefore},
      {L"1,2,3,", false, kBefore},
      {L"1,2,3,4", false, kBefore},
  };
  for (const Case& c : cases) {
    uint32_t colour = kBefore;
    EXPECT_EQ(ParseColorText(c.text, colour), c.ok) << testing::PrintToString(std::wstring(c.text));
    EXPECT_EQ(colour, c.want) << testing::PrintToString(std::wstring(c.text));
  }
}

}  // namespace
