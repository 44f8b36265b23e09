// Splitting of a text at a separator, for the settings' lists such as colours.
#pragma once

#include <string>
#include <vector>

class COperateCharacter {
 public:
  virtual ~COperateCharacter();

  // Empties `list` and fills it with the pieces of `text` between occurrences of the first
  // character of `separator` (see SplitPieces). An empty separator leaves the text whole.
  void SplitText(const std::wstring& text, const std::wstring& separator, bool skipEmpty,
                 const std::wstring& filler, std::vector<std::wstring>& list);
};
