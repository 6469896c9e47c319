// The system directory as the emulated spooler's driver and processor directory.
#include "directory_answer.h"

#include <cstring>

namespace tspool {

WINBOOL SystemDirectoryAnswer(DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) {
  WINBOOL result = FALSE;
  DWORD error = ERROR_SUCCESS;
  char directory[MAX_PATH];
  const UINT length = GetSystemDirectoryA(directory, sizeof directory);
  if (level != 1 || !needed) {
    error = ERROR_INVALID_PARAMETER;
  } else if (length == 0 || length >= sizeof directory) {
    error = ERROR_PATH_NOT_FOUND;
  } else {
    *needed = length + 1;
    if (!buffer || size < length + 1) {
      error = ERROR_INSUFFICIENT_BUFFER;
    } else {
      std::memcpy(buffer, directory, length + 1);
      result = TRUE;
    }
  }
  SetLastError(error);
  return result;
}

}  // namespace tspool
