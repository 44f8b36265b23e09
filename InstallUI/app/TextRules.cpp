#include "app/TextRules.h"

#include <climits>

namespace {

bool IsBlank(wchar_t c) {
  // The C library's isspace in the "C" locale.
  return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

}  // namespace

int ParseNumber(const std::wstring& text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
    negative = text[i] == L'-';
    ++i;
  }
  // Wide enough for INT_MIN's magnitude; stop growing once past the limit.
  long long value = 0;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  bool saturated = false;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (saturated) continue;
    value = value * 10 + (text[i] - L'0');
    if (value > limit) {
      value = limit;
      saturated = true;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

std::vector<std::wstring> SplitPieces(const std::wstring& text, wchar_t separator, bool skipEmpty,
                                      const std::wstring& filler) {
  std::vector<std::wstring> pieces;
  std::wstring rest = text;
  rest.push_back(separator);
  std::size_t start = 0;
  for (;;) {
    std::size_t found = rest.find(separator, start);
    if (found == std::wstring::npos) break;
    if (found > start) {
      pieces.push_back(rest.substr(start, found - start));
    } else if (!skipEmpty) {
      pieces.push_back(filler);
    }
    start = found + 1;
  }
  return pieces;
}

bool ParseColorText(const std::wstring& text, uint32_t& colour) {
  std::vector<std::wstring> pieces = SplitPieces(text, L',', false, std::wstring());
  if (pieces.size() != 3) return false;
  uint32_t parts[3];
  for (int i = 0; i < 3; ++i) parts[i] = static_cast<uint32_t>(ParseNumber(pieces[i])) & 0xFFu;
  colour = parts[0] | (parts[1] << 8) | (parts[2] << 16);
  return true;
}
