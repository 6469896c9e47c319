// The emulated answer of GetPrinterDriverDirectoryA and
// GetPrintProcessorDirectoryA: the system directory, level 1 only.
#pragma once
#include <windows.h>

namespace tspool {

// Checks in order: level 1 (else 87), a needed-size pointer (else 87); then
// writes the needed size and, when the buffer holds the directory and its
// terminator, the directory (else 122). Sets the last error.
WINBOOL SystemDirectoryAnswer(DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed);

}  // namespace tspool
