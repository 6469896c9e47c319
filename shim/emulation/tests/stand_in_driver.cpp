// A printer driver module with the two entry points the emulated spooler
// calls, answering from its arguments so that a test sees what arrived.
#include <windows.h>

#include <cstring>

extern "C" {

// DocumentProperties: the size of a device mode, or (with DM_OUT_BUFFER) a
// device mode naming the device and carrying the port's length as copies.
__declspec(dllexport) LONG WINAPI EXTDEVICEMODE(HWND, HANDLE, LPDEVMODEA output, LPSTR device, LPSTR port,
                                                LPDEVMODEA input, LPSTR, DWORD mode) {
  if (mode == 0) return sizeof(DEVMODEA);
  if ((mode & DM_OUT_BUFFER) == 0 || output == nullptr) return IDOK;
  if (input) {
    *output = *input;
  } else {
    std::memset(output, 0, sizeof *output);
    output->dmSize = sizeof *output;
  }
  lstrcpynA(reinterpret_cast<char*>(output->dmDeviceName), device ? device : "", CCHDEVICENAME);
  output->dmCopies = static_cast<short>(port ? std::strlen(port) : 0);
  return IDOK;
}

// DeviceCapabilities: DC_COPIES answers 99; DC_PAPERNAMES writes the port
// into the first name; anything else is not supported.
__declspec(dllexport) DWORD WINAPI DEVICECAPABILITIES(LPSTR, LPSTR port, WORD capability, LPSTR output, LPDEVMODEA) {
  if (capability == DC_COPIES) return 99;
  if (capability == DC_PAPERNAMES) {
    if (output) lstrcpynA(output, port ? port : "", 64);
    return 1;
  }
  return static_cast<DWORD>(-1);
}

}  // extern "C"
