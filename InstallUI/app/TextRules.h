// Number, colour and list rules of the settings texts. Platform-free.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Parses like atoi: leading blanks, an optional sign, then decimal digits up to the first other
// character; no digits gives 0. Values beyond the int range saturate instead of overflowing.
int ParseNumber(const std::wstring& text);

// The pieces of `text` between occurrences of `separator`, with an implied separator at the end:
// "1,,3" gives three pieces, "1,2,3," four (the last empty), "" one empty piece. An empty piece
// is replaced by `filler`, or left out when `skipEmpty` is set.
std::vector<std::wstring> SplitPieces(const std::wstring& text, wchar_t separator, bool skipEmpty,
                                      const std::wstring& filler);

// "r,g,b" into 0x00BBGGRR, each component cut to its low 8 bits. Anything but exactly three
// pieces returns false and leaves `colour` as it was.
bool ParseColorText(const std::wstring& text, uint32_t& colour);
