// Printer data: serialised ANSI calls on Windows 9x; on the NT family text
// values take the Unicode functions, so that the ANSI text of the caller's
// code page survives the round trip through the spooler.
#include "emulated.h"
#include "ansi_text.h"
#include "dispatch.h"
#include "system_functions.h"

#include <cstring>
#include <new>
#include <vector>

using tspool::Flags;
using tspool::SerialisedSection;
using tspool::System;

namespace {

// The value name as UTF-16; a null name stays null.
bool WideName(LPSTR name, std::wstring& wide, LPWSTR& pointer) {
  pointer = nullptr;
  if (!name) return true;
  if (!tspool::AnsiToWide(name, wide)) return false;
  pointer = &wide[0];
  return true;
}

// The text is taken up to its terminator, but never beyond the `size` bytes
// the caller handed over. The spooler receives twice the ANSI length plus 2
// bytes, so the UTF-16 copy is made that long (zero-padded): a double-byte
// text has fewer characters than bytes, and the spooler must not read past it.
DWORD SetTextThroughUnicode(HANDLE printer, LPSTR name, LPBYTE data, DWORD size) {
  const auto setPrinterDataW = System().SetPrinterDataW;
  if (!setPrinterDataW) return ERROR_CALL_NOT_IMPLEMENTED;
  if (!data) return ERROR_INVALID_PARAMETER;
  std::wstring nameBuffer;
  LPWSTR wideName = nullptr;
  if (!WideName(name, nameBuffer, wideName)) return ERROR_INVALID_PARAMETER;
  const char* text = reinterpret_cast<const char*>(data);
  const std::size_t length = strnlen(text, size);
  std::vector<wchar_t> wide;
  try {
    wide.assign(length + 1, L'\0');
  } catch (const std::bad_alloc&) {
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  if (length && !MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), wide.data(),
                                     static_cast<int>(length)))
    return ERROR_INVALID_PARAMETER;
  return setPrinterDataW(printer, wideName, REG_SZ, reinterpret_cast<LPBYTE>(wide.data()),
                         static_cast<DWORD>(2 * length + 2));
}

DWORD GetThroughUnicode(HANDLE printer, LPSTR name, LPDWORD type, LPBYTE data, DWORD size,
                        LPDWORD needed) {
  const auto getPrinterDataW = System().GetPrinterDataW;
  if (!getPrinterDataW) return ERROR_CALL_NOT_IMPLEMENTED;
  std::wstring nameBuffer;
  LPWSTR wideName = nullptr;
  if (!WideName(name, nameBuffer, wideName)) return ERROR_INVALID_PARAMETER;
  DWORD localType = 0;
  LPDWORD typeOut = type ? type : &localType;
  const DWORD result = getPrinterDataW(printer, wideName, typeOut, data, size, needed);
  if (result == ERROR_SUCCESS && *typeOut == REG_SZ)
    tspool::WideToAnsiInPlace(data, size, needed ? *needed : size);
  return result;
}

}  // namespace

extern "C" {

DWORD WINAPI SetPrinterDataA(HANDLE printer, LPSTR name, DWORD type, LPBYTE data, DWORD size) {
  DWORD result = ERROR_CALL_NOT_IMPLEMENTED;
  const tspool::DispatchFlags& flags = Flags();
  if (!flags.initialised) {
  } else if (flags.spoolerEmulated) {
    result = emulation::SetPrinterDataA(printer, name, type, data, size);
  } else if (flags.nt && type == REG_SZ) {
    result = SetTextThroughUnicode(printer, name, data, size);
  } else if (System().SetPrinterDataA) {
    SerialisedSection section(true);
    result = System().SetPrinterDataA(printer, name, type, data, size);
  }
  SetLastError(result);
  return result;
}

DWORD WINAPI GetPrinterDataA(HANDLE printer, LPSTR name, LPDWORD type, LPBYTE data, DWORD size,
                             LPDWORD needed) {
  DWORD result = ERROR_CALL_NOT_IMPLEMENTED;
  const tspool::DispatchFlags& flags = Flags();
  if (!flags.initialised) {
  } else if (flags.spoolerEmulated) {
    result = emulation::GetPrinterDataA(printer, name, type, data, size, needed);
  } else if (flags.nt) {
    result = GetThroughUnicode(printer, name, type, data, size, needed);
  } else if (System().GetPrinterDataA) {
    SerialisedSection section(true);
    result = System().GetPrinterDataA(printer, name, type, data, size, needed);
  }
  SetLastError(result);
  return result;
}

}  // extern "C"
