#include "framework/Format.h"

#include <cwchar>
#include <vector>

namespace fw {

std::wstring VFormatBounded(std::size_t capacity, const wchar_t* format, va_list args) {
  if (capacity == 0 || format == nullptr) return std::wstring();
  // Measure by writing: some runtimes return the needed length on overflow, others -1, so grow
  // the scratch buffer until the whole result fits (bounded), then cut to the capacity.
  const std::size_t kLimit = 1u << 20;
  std::size_t size = capacity < 256 ? 256 : capacity;
  for (;;) {
    std::vector<wchar_t> buffer(size);
    va_list copy;
    va_copy(copy, args);
    int written = std::vswprintf(buffer.data(), buffer.size(), format, copy);
    va_end(copy);
    if (written >= 0 && static_cast<std::size_t>(written) < buffer.size()) {
      std::size_t keep = static_cast<std::size_t>(written);
      if (keep > capacity - 1) keep = capacity - 1;
      return std::wstring(buffer.data(), keep);
    }
    if (size >= kLimit) {
      // A result this long (or an encoding error): keep what a bounded buffer would have held.
      buffer.back() = L'\0';
      std::wstring partial(buffer.data());
      if (partial.size() > capacity - 1) partial.resize(capacity - 1);
      return written < 0 && partial.empty() ? std::wstring() : partial;
    }
    size = (written > 0 && static_cast<std::size_t>(written) >= size) ? static_cast<std::size_t>(written) + 1
                                                                         : size * 2;
    if (size > kLimit) size = kLimit;
  }
}

std::wstring FormatBounded(std::size_t capacity, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring result = VFormatBounded(capacity, format, args);
  va_end(args);
  return result;
}

std::wstring Format(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring result = VFormatBounded(kTextCapacity, format, args);
  va_end(args);
  return result;
}

}  // namespace fw
