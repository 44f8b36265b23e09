// printf-style formatting of UTF-16 text into a bounded result.
// Platform-free: no <windows.h>, so it builds for the host tests too.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

namespace fw {

// Formats like vswprintf and keeps at most capacity - 1 characters of the result (the rest is
// cut, as a fixed buffer of `capacity` characters would). Use %ls / %hs for strings: which
// string type a bare %s takes differs between C runtimes.
std::wstring VFormatBounded(std::size_t capacity, const wchar_t* format, va_list args);
std::wstring FormatBounded(std::size_t capacity, const wchar_t* format, ...);

// The common case: a text of at most 1023 characters, as the program's fixed text buffers hold.
constexpr std::size_t kTextCapacity = 1024;
constexpr std::size_t kPathCapacity = 260;
std::wstring Format(const wchar_t* format, ...);

}  // namespace fw
