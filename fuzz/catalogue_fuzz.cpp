// Catalogue and settings values are untrusted text: parse them as settings numbers, colours and
// lists, expand them and use them as translations of fixed English patterns with fixed arguments. The formatter must only ever see a pattern whose
// conversions match the arguments.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/TextRules.h"
#include "lang/CatalogueText.h"
#include "lang/FormatPattern.h"

namespace {

std::wstring FormatWith(const std::wstring& english, const std::wstring* translated, ...) {
  va_list args;
  va_start(args, translated);
  std::wstring result = FormatCataloguePattern(english, *translated, args);
  va_end(args);
  return result;
}

void CheckChoice(const std::wstring& english, const std::wstring& translated) {
  PatternChoice choice = ChooseCataloguePattern(english, translated);
  if (!choice.formattable || choice.text.empty()) return;
  PatternCheck chosen = CheckPattern(choice.text);
  if (!chosen.safe || chosen.conversions != CheckPattern(english).conversions) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring text;
  text.reserve(size / 2);
  for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));

  const std::wstring expanded = ExpandCatalogueText(text);
  if (expanded.size() > text.size()) abort();  // every rule shortens or keeps the text
  LowerAsciiKey(text);
  ParseNumber(text);
  uint32_t colour = 0;
  if (ParseColorText(text, colour) && colour > 0xFFFFFFu) abort();  // three 8-bit components only
  if (SplitPieces(text, L',', size & 1, L"-").size() > text.size() + 1) abort();

  const wchar_t* const kFile = L"C:\\Program Files\\\u5B8B\u4F53\\a.sys";
  const std::wstring* const translations[] = {&text, &expanded};
  for (const std::wstring* translated : translations) {
    const std::wstring english1 = L"Copying %s to %s (%d%%)";
    const std::wstring english2 = L"Drive %c: %5.2f MB, %x, %lu";
    const std::wstring english3 = L"%hs %p %-8lld";
    CheckChoice(english1, *translated);
    CheckChoice(english2, *translated);
    CheckChoice(english3, *translated);
    std::wstring r1 = FormatWith(english1, translated, kFile, L"D:\\", -42);
    std::wstring r2 = FormatWith(english2, translated, L'\u00C4', 3.25, 0xBEEFu, 4000000000ul);
    std::wstring r3 = FormatWith(english3, translated, "narrow", static_cast<void*>(&colour), -5ll);
    if (r1.size() > 1023 || r2.size() > 1023 || r3.size() > 1023) abort();
  }
  return 0;
}
