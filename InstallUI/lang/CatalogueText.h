// Text rules of the language catalogues. Platform-free.
#pragma once

#include <string>

// Catalogue keys are looked up with ASCII capitals made small; nothing else changes.
std::wstring LowerAsciiKey(const std::wstring& text);

// Turns a catalogue value into the shown text: the escapes \r\n and then \n become line
// breaks, then the empty-text marker "[~NullInfoPelko~]" is removed. Each pass goes left to
// right without overlap.
std::wstring ExpandCatalogueText(const std::wstring& text);
