#include "lang/CatalogueText.h"

namespace {

std::wstring ReplaceAll(const std::wstring& text, const std::wstring& from, const std::wstring& to) {
  std::wstring result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (;;) {
    std::size_t found = text.find(from, start);
    if (found == std::wstring::npos) break;
    result.append(text, start, found - start);
    result.append(to);
    start = found + from.size();
  }
  result.append(text, start, std::wstring::npos);
  return result;
}

}  // namespace

std::wstring LowerAsciiKey(const std::wstring& text) {
  std::wstring key = text;
  for (wchar_t& c : key) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return key;
}

std::wstring ExpandCatalogueText(const std::wstring& text) {
  std::wstring result = ReplaceAll(text, L"\\r\\n", L"\r\n");
  result = ReplaceAll(result, L"\\n", L"\n");
  return ReplaceAll(result, L"[~NullInfoPelko~]", L"");
}
