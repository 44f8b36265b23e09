#include "app/OperateCharacter.h"

#include "app/TextRules.h"

COperateCharacter::~COperateCharacter() = default;

void COperateCharacter::SplitText(const std::wstring& text, const std::wstring& separator, bool skipEmpty,
                                  const std::wstring& filler, std::vector<std::wstring>& list) {
  // A NUL never occurs inside the settings' texts, so it splits nothing.
  const wchar_t sep = separator.empty() ? L'\0' : separator[0];
  list = SplitPieces(text, sep, skipEmpty, filler);
}
