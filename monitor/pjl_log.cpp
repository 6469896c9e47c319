#include "pjl_log.h"

#include <windows.h>

#include <cstring>

#include "pjl_log_format.h"

namespace statmon {

void AppendPjlLog(const char* logPath, const char* reply) {
  if (logPath == nullptr || *logPath == '\0') return;
  const DWORD savedError = GetLastError();
  // No sharing: an entry is written whole or not at all.
  HANDLE file = CreateFileA(logPath, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    SetFilePointer(file, 0, nullptr, FILE_END);
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string stamp = FormatPjlLogStamp({now.wYear, now.wMonth, now.wDay, now.wHour,
                                                 now.wMinute, now.wSecond, now.wMilliseconds});
    DWORD written = 0;
    WriteFile(file, stamp.data(), static_cast<DWORD>(stamp.size()), &written, nullptr);
    if (reply != nullptr && *reply != '\0') {
      WriteFile(file, reply, static_cast<DWORD>(std::strlen(reply)), &written, nullptr);
    }
    CloseHandle(file);
  }
  SetLastError(savedError);
}

void AppendPjlLog(const MonitorContext& context, const char* reply) {
  AppendPjlLog(context.pjlLogPath, reply);
}

}  // namespace statmon
