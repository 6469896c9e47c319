// Conversions between the ANSI code page and UTF-16 for the NT printer-data
// detour; every conversion works on a copy, never on the caller's buffer.
#pragma once
#include <windows.h>

#include <string>

namespace tspool {

// A NUL-terminated ANSI text as UTF-16. False when it cannot be converted.
bool AnsiToWide(const char* text, std::wstring& wide);

// Turns the UTF-16 text that the spooler left in `data` (at most `returned`
// of its `size` bytes, ending at the first NUL) into ANSI text in the same
// buffer. The ANSI form never needs more bytes than the UTF-16 form.
void WideToAnsiInPlace(LPBYTE data, DWORD size, DWORD returned);

}  // namespace tspool
