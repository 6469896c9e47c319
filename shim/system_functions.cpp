// Looks up the system's spooler, registry and device functions by name.
#include "system_functions.h"

namespace tspool {
namespace {

SystemFunctions g_system;

template <typename Pointer>
void Resolve(HMODULE module, const char* name, Pointer& pointer) {
  pointer = module ? reinterpret_cast<Pointer>(
                         reinterpret_cast<void*>(GetProcAddress(module, name)))
                   : nullptr;
}

}  // namespace

const SystemFunctions& System() { return g_system; }

void LoadSystemFunctions() {
  static HMODULE winspool = LoadLibraryA("winspool.drv");
  static HMODULE advapi = LoadLibraryA("advapi32.dll");
  static HMODULE kernel = GetModuleHandleA("kernel32.dll");
#define TSPOOL_RESOLVE(from) [&](const char* name, auto& pointer) { Resolve(from, name, pointer); }
  auto fromWinspool = TSPOOL_RESOLVE(winspool);
  auto fromAdvapi = TSPOOL_RESOLVE(advapi);
  auto fromKernel = TSPOOL_RESOLVE(kernel);
#undef TSPOOL_RESOLVE
#define TSPOOL_LOAD_WINSPOOL(name) fromWinspool(#name, g_system.name);
#define TSPOOL_LOAD_ADVAPI(name) fromAdvapi(#name, g_system.name);
#define TSPOOL_LOAD_KERNEL(name) fromKernel(#name, g_system.name);
  TSPOOL_WINSPOOL_FUNCTIONS(TSPOOL_LOAD_WINSPOOL)
  TSPOOL_ADVAPI_FUNCTIONS(TSPOOL_LOAD_ADVAPI)
  TSPOOL_KERNEL_FUNCTIONS(TSPOOL_LOAD_KERNEL)
#undef TSPOOL_LOAD_WINSPOOL
#undef TSPOOL_LOAD_ADVAPI
#undef TSPOOL_LOAD_KERNEL
}

}  // namespace tspool
