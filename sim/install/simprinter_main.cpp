// simprinter install [options] | simprinter remove [options]
//   --dll <path>      TSIMMON.dll to register (default: beside this program)
//   --layer <path>    TSPOOL_J.dll to use (default: beside this program)
//   --ini <path>      monitor configuration whose [Misc] DriverName is used
//                     (default: statmon.ini beside this program)
//   --driver <name>   the driver name itself (wins over --ini)
//   --name <name>     printer name (default "TOLVAN CLP-2600")
//   --port <port>     its port (default USB001; any name, e.g. FILE: or a
//                     network path, for a port the monitor does not accept)
//   --no-bidi         without bidirectional support
//   --no-default      do not make it the default printer
//   --second <name>=<port>  one more printer with the same driver, not default
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "simulated_printer_setup.h"

namespace {

std::string ProgramDirectory() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  char* slash = std::strrchr(path, '\\');
  if (slash) *slash = '\0';
  return path;
}

int Usage() {
  std::fprintf(stderr,
               "usage: simprinter install [--dll P] [--layer P] [--ini P] [--driver N] [--name N]\n"
               "                          [--port P] [--no-bidi] [--no-default] [--second N=P]\n"
               "       simprinter remove [--layer P] [--ini P] [--driver N]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  if (command != "install" && command != "remove") return Usage();
  const std::string here = ProgramDirectory();
  simprinter::InstallOptions options;
  options.monitorDll = here + "\\TSIMMON.dll";
  std::string layer = here + "\\TSPOOL_J.dll";
  std::string ini = here + "\\statmon.ini";
  simprinter::PrinterEntry first;
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--dll" && hasValue) options.monitorDll = argv[++i];
    else if (arg == "--layer" && hasValue) layer = argv[++i];
    else if (arg == "--ini" && hasValue) ini = argv[++i];
    else if (arg == "--driver" && hasValue) options.driverName = argv[++i];
    else if (arg == "--name" && hasValue) first.name = argv[++i];
    else if (arg == "--port" && hasValue) first.port = argv[++i];
    else if (arg == "--no-bidi") first.bidi = false;
    else if (arg == "--no-default") first.makeDefault = false;
    else if (arg == "--second" && hasValue) {
      const std::string value = argv[++i];
      const size_t equals = value.find('=');
      if (equals == std::string::npos) return Usage();
      simprinter::PrinterEntry second;
      second.name = value.substr(0, equals);
      second.port = value.substr(equals + 1);
      second.makeDefault = false;
      options.printers.push_back(second);
    } else {
      return Usage();
    }
  }
  options.printers.insert(options.printers.begin(), first);
  if (options.driverName.empty()) options.driverName = simprinter::DriverNameFromIni(ini);
  if (options.driverName.empty()) {
    std::fprintf(stderr, "simprinter: no driver name (--driver, or [Misc] DriverName in %s)\n", ini.c_str());
    return 2;
  }
  if (!simprinter::LoadEmulatedSpooler(layer)) return 1;
  const DWORD result =
      command == "install" ? simprinter::Install(options) : simprinter::Remove(options.driverName);
  return result == ERROR_SUCCESS ? 0 : 1;
}
