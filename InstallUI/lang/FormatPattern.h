// Checking of the printf patterns that catalogues translate. Platform-free.
//
// A catalogue is a file beside the program that anyone can edit; its translations must never
// reach the formatter with conversions that the caller's arguments do not match.
#pragma once

#include <cstdarg>
#include <string>
#include <vector>

struct PatternConversion {
  std::wstring length;  // "", "h", "hh", "l" or "ll"; bare %s / %c count as "l" (wide)
  wchar_t type;         // d i u o x X e E f F g G a A c s p
  bool operator==(const PatternConversion& other) const {
    return length == other.length && type == other.type;
  }
};

struct PatternCheck {
  bool safe = false;                          // every conversion understood and allowed
  std::vector<PatternConversion> conversions;  // in order; "%%" is none
  std::wstring runtimePattern;                // bare %s / %c rewritten to %ls / %lc
};

// Parses a pattern up to its first NUL. Unsafe: %n, '*' width or precision, positional or
// unknown conversions, modifiers the runtimes disagree on, a lone '%' at the end, widths or
// precisions above 1024 (the result holds 1023 characters anyway).
PatternCheck CheckPattern(const std::wstring& pattern);

struct PatternChoice {
  bool formattable = false;  // false: show `text` as it is
  std::wstring text;         // the runtime pattern, or the text to show unformatted
};

// The translation when it is safe and its conversions equal the English pattern's (count,
// order, type, length); otherwise the English pattern. An English pattern that is itself
// unsafe is never formatted. An empty translation (the catalogue's empty-text marker) formats
// to an empty text.
PatternChoice ChooseCataloguePattern(const std::wstring& english, const std::wstring& translated);

// Formats `args` into the chosen pattern, keeping at most 1023 characters.
std::wstring FormatCataloguePattern(const std::wstring& english, const std::wstring& translated, va_list args);
