// Code linked together with the layer (setup with the static library, the
// emulation inside TSPOOL_J.dll) includes the ordinary headers, which declare
// the registry functions, GetUserNameA, DeviceIoControl and
// DeviceCapabilitiesA as DLL imports: their calls go through import pointers
// (__imp_<name>, on i686 __imp__<name>@<bytes>). Defining those pointers
// here, aimed at the layer's own functions, sends such calls to the layer, and
// the linker never takes the system's import-library member for them (which
// would clash with the layer's definitions). The other spooler functions are
// declared without the import attribute and bind to the layer directly.
// Callers of TSPOOL_J.dll get their pointers from its import library.
#define _ADVAPI32_
#define _KERNEL32_
#define _SPOOL32_
#include <windows.h>

#if defined(__i386__)
#define TSPOOL_IMPORT_SYMBOL(name, bytes) "__imp__" #name "@" #bytes
#else
#define TSPOOL_IMPORT_SYMBOL(name, bytes) "__imp_" #name
#endif

#define TSPOOL_IMPORT_POINTER(name, bytes)                                              \
  extern "C" {                                                                          \
  extern decltype(&::name) const tspool_import_##name __asm__(TSPOOL_IMPORT_SYMBOL(name, bytes)); \
  decltype(&::name) const tspool_import_##name = &::name;                               \
  }

TSPOOL_IMPORT_POINTER(RegCreateKeyA, 12)
TSPOOL_IMPORT_POINTER(RegCreateKeyExA, 36)
TSPOOL_IMPORT_POINTER(RegOpenKeyA, 12)
TSPOOL_IMPORT_POINTER(RegOpenKeyExA, 20)
TSPOOL_IMPORT_POINTER(RegSetValueExA, 24)
TSPOOL_IMPORT_POINTER(RegQueryValueExA, 24)
TSPOOL_IMPORT_POINTER(RegEnumValueA, 32)
TSPOOL_IMPORT_POINTER(RegEnumKeyA, 16)
TSPOOL_IMPORT_POINTER(RegCloseKey, 4)
TSPOOL_IMPORT_POINTER(RegDeleteValueA, 8)
TSPOOL_IMPORT_POINTER(RegDeleteKeyA, 8)
TSPOOL_IMPORT_POINTER(GetUserNameA, 8)
TSPOOL_IMPORT_POINTER(DeviceIoControl, 32)
TSPOOL_IMPORT_POINTER(DeviceCapabilitiesA, 20)
