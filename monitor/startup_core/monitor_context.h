// The monitor's one state record, shared by its window thread and its polling
// thread. It is portable on purpose: handles are kept as void* (HANDLE,
// HMODULE, HWND and HMENU are all pointers), so that the reply interpretation
// and the polling decisions can be tested natively on the same record.
#pragma once
#include <cstdint>

namespace statmon {

// Device information learnt from INFO replies, shown by the printer
// information dialog and the printed status report.
struct DeviceInfo {
  std::int32_t pageCount;
  std::int32_t counterTotal, counterCyan, counterMagenta, counterYellow, counterBlack;
  std::uint32_t memoryTotal, memoryLargest;
  char firmware[256];
  char usbVendorId[16];   // "%04d"
  char usbProductId[16];  // "%04d"
  char engineFirmware[256];
  char deviceId[1024];    // "KEY:value;KEY:value;..."
};

struct MonitorContext {
  // Platform and modules.
  std::int32_t platformId;  // 0 Win32s, 1 Windows 9x, 2 NT family
  std::int32_t hasTray;     // 0 on Win32s and NT 3.x: window icon instead of tray icon
  std::int32_t useTimer;    // poll from a window timer (always on Win32s)
  void* instance;           // HINSTANCE of the monitor
  void* resourceLibrary;    // HMODULE of [Misc] ResourceDLL
  void* mainWindow;         // HWND
  std::int32_t pictureControlId;  // always 1016

  // Configuration.
  char printerName[64];
  char driverName[64];
  char iniPath[100];  // full path of the configuration file
  char pjlLogPath[64];
  std::uint32_t capabilities;  // mask 1 << (k - 1) for each number k of PJLcapabilities
  std::int32_t pictureWidth, pictureHeight;  // DLLBitmapSize bitmap, 0 when none
  std::int32_t resetJobCodes[64];            // zero-terminated unless full
  std::int32_t timeValue;                    // seconds
  std::int32_t jobFlag, networkCompatible, warnUnknownPjl, activeConfigCount;

  // Window.
  std::int32_t showWindow;  // the window is meant to be visible
  std::int32_t expanded;    // the large layout is shown

  // Query channel and polling.
  void* printerHandle;  // spooler handle of the monitored printer
  void* pollThread;
  void* stopEvent;      // manual-reset
  void* replyParser;    // null once the window closes: every query then fails
  std::int32_t pollState;
  std::int32_t timerRunning, tickCount, readStreak;

  // Printer state.
  std::int32_t statusCode;   // PJL status code or pseudo code
  std::uint32_t lastError;   // kept with pseudo code 111112
  std::uint32_t hardwareFlags;
  std::int32_t binMultiplier;
  std::int32_t iconColour;
  std::int32_t layerCount;
  std::int32_t layers[16];
  char optionString[32];
  std::int32_t lastPopupCode;
  std::int32_t jobActive;
  std::int32_t supplies[11];
  std::int32_t tonerPosition, transferBias, powerSaveTime, autoContinue;
  DeviceInfo deviceInfo;

  void* trayMenu;  // HMENU, loaded on first use
};

// Pseudo status codes that the monitor sets itself.
constexpr std::int32_t kCodeConnecting = 111110;
constexpr std::int32_t kCodeNoConnection = 111111;
constexpr std::int32_t kCodeOpenError = 111112;
constexpr std::int32_t kCodeBusy = 999999;
constexpr std::int32_t kCodeBidiDisabled = 99999901;
constexpr std::int32_t kCodePortUnsupported = 99999902;
constexpr std::int32_t kCodeWrongPrinter = 99999903;

constexpr std::int32_t kPictureControlId = 1016;

}  // namespace statmon
