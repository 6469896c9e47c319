// The user name and device control, which under Win32s belong to the 16-bit
// side; everywhere else (and until a 16-bit companion exists) they go
// straight to the system. The layer defines them itself, so the headers must
// not declare them as imports here.
#define _ADVAPI32_
#define _KERNEL32_
#include "dispatch.h"
#include "system_functions.h"

using tspool::System;

namespace {

template <typename Function, typename... Args>
WINBOOL Straight(Function real, Args... args) {
  WINBOOL result = FALSE;
  DWORD error = ERROR_CALL_NOT_IMPLEMENTED;
  if (real) {
    result = real(args...);
    error = GetLastError();
  }
  SetLastError(error);
  return result;
}

}  // namespace

extern "C" {

WINBOOL WINAPI GetUserNameA(LPSTR buffer, LPDWORD size) {
  return Straight(System().GetUserNameA, buffer, size);
}

WINBOOL WINAPI DeviceIoControl(HANDLE device, DWORD code, LPVOID input, DWORD inputSize,
                               LPVOID output, DWORD outputSize, LPDWORD returned,
                               LPOVERLAPPED overlapped) {
  return Straight(System().DeviceIoControl, device, code, input, inputSize, output, outputSize,
                  returned, overlapped);
}

}  // extern "C"
