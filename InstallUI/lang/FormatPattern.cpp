#include "lang/FormatPattern.h"

#include <cwchar>

#include "framework/Format.h"

namespace {

const unsigned kMaxFieldSize = 1024;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool OneOf(wchar_t c, const wchar_t* set) { return c != L'\0' && wcschr(set, c) != nullptr; }
bool IsInteger(wchar_t t) { return OneOf(t, L"diuoxX"); }
bool IsFloating(wchar_t t) { return OneOf(t, L"eEfFgGaA"); }

// Reads a run of digits; false when the number exceeds kMaxFieldSize.
bool ReadField(const std::wstring& s, std::size_t& i) {
  unsigned value = 0;
  while (i < s.size() && IsDigit(s[i])) {
    value = value * 10 + static_cast<unsigned>(s[i] - L'0');
    if (value > kMaxFieldSize) return false;
    ++i;
  }
  return true;
}

bool LengthAllowed(const std::wstring& length, wchar_t type) {
  if (IsInteger(type)) return true;  // "", h, hh, l, ll
  if (type == L's') return length.empty() || length == L"l" || length == L"h";
  if (type == L'c') return length.empty() || length == L"l";
  return length.empty();  // floating point, %p
}

}  // namespace

PatternCheck CheckPattern(const std::wstring& pattern) {
  PatternCheck check;
  const std::wstring s(pattern.c_str());  // what the formatter would see
  std::wstring& out = check.runtimePattern;
  out.reserve(s.size() + 8);
  std::size_t i = 0;
  while (i < s.size()) {
    if (s[i] != L'%') {
      out.push_back(s[i++]);
      continue;
    }
    const std::size_t begin = i++;
    if (i < s.size() && s[i] == L'%') {
      out.append(L"%%");
      ++i;
      continue;
    }
    bool alternate = false, zeroPad = false;
    while (i < s.size() && OneOf(s[i], L"-+ #0")) {
      alternate = alternate || s[i] == L'#';
      zeroPad = zeroPad || s[i] == L'0';
      ++i;
    }
    if (!ReadField(s, i)) return PatternCheck();
    bool precision = false;
    if (i < s.size() && s[i] == L'.') {
      precision = true;
      ++i;
      if (!ReadField(s, i)) return PatternCheck();
    }
    std::wstring length;
    if (i < s.size() && (s[i] == L'h' || s[i] == L'l')) {
      length.push_back(s[i++]);
      if (i < s.size() && s[i] == length[0]) length.push_back(s[i++]);
    }
    if (i >= s.size()) return PatternCheck();
    const wchar_t type = s[i++];
    const bool known = IsInteger(type) || IsFloating(type) || type == L'c' || type == L's' || type == L'p';
    if (!known || !LengthAllowed(length, type)) return PatternCheck();
    if (alternate && !(IsFloating(type) || OneOf(type, L"oxX")))
      return PatternCheck();
    if (zeroPad && !(IsInteger(type) || IsFloating(type))) return PatternCheck();
    if (precision && (type == L'c' || type == L'p')) return PatternCheck();

    PatternConversion conversion{length, type};
    out.append(s, begin, i - 1 - begin);
    if ((type == L's' || type == L'c') && length.empty()) {
      // The program's patterns mean wide text by a bare %s / %c; the C99 runtime reads narrow.
      conversion.length = L"l";
      out.push_back(L'l');
    }
    out.push_back(type);
    check.conversions.push_back(conversion);
  }
  check.safe = true;
  return check;
}

PatternChoice ChooseCataloguePattern(const std::wstring& english, const std::wstring& translated) {
  PatternChoice choice;
  PatternCheck englishCheck = CheckPattern(english);
  if (!englishCheck.safe) {
    choice.text = english;
    return choice;
  }
  choice.formattable = true;
  if (translated.empty()) return choice;
  PatternCheck translatedCheck = CheckPattern(translated);
  if (translatedCheck.safe && translatedCheck.conversions == englishCheck.conversions) {
    choice.text = translatedCheck.runtimePattern;
  } else {
    choice.text = englishCheck.runtimePattern;
  }
  return choice;
}

std::wstring FormatCataloguePattern(const std::wstring& english, const std::wstring& translated, va_list args) {
  PatternChoice choice = ChooseCataloguePattern(english, translated);
  if (!choice.formattable) return choice.text;
  if (choice.text.empty()) return std::wstring();
  return fw::VFormatBounded(fw::kTextCapacity, choice.text.c_str(), args);
}
