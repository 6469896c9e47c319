// ANSI <-> UTF-16 for printer data on the NT family.
#include "ansi_text.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace tspool {

bool AnsiToWide(const char* text, std::wstring& wide) {
  const int count = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (count <= 0) return false;
  try {
    wide.assign(static_cast<std::size_t>(count), L'\0');
  } catch (const std::bad_alloc&) {
    return false;
  }
  return MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], count) == count;
}

void WideToAnsiInPlace(LPBYTE data, DWORD size, DWORD returned) {
  if (!data || size == 0) return;
  const std::size_t characters = std::min(size, returned) / sizeof(wchar_t);
  std::wstring text;
  try {
    text.assign(characters, L'\0');
  } catch (const std::bad_alloc&) {
    return;
  }
  if (characters) std::memcpy(&text[0], data, characters * sizeof(wchar_t));
  text.resize(std::min(text.size(), text.find(L'\0')));
  const int written = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()) + 1,
                                          reinterpret_cast<char*>(data), static_cast<int>(size),
                                          nullptr, nullptr);
  if (written == 0) data[0] = '\0';
}

}  // namespace tspool
