// The emulated printer handle: a block tagged "KSPR" with the printer's
// level-2 information, the open defaults, the real printer's handle when the
// registry is real, and the port monitor and port it talks to the printer
// through. Only handles this process opened and has not closed are accepted.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "field_tables.h"
#include "port_monitors.h"

namespace emulation {

struct EmulatedPrinter {
  char tag[4] = {'K', 'S', 'P', 'R'};
  HANDLE realPrinter = nullptr;
  std::string name;
  FieldRecord info;  // level 2
  std::string defaultDatatype;
  std::vector<BYTE> defaultDevMode;
  ACCESS_MASK desiredAccess = 0;
  std::unique_ptr<LoadedMonitor> monitor;
  HANDLE port = nullptr;
  bool portTried = false;
  // The document between StartDocPrinterA and EndDocPrinter: its job and
  // the spool file being written.
  DWORD documentJob = 0;
  HANDLE documentFile = INVALID_HANDLE_VALUE;
};

// The block behind a handle, or nullptr when it is not an open emulated handle.
EmulatedPrinter* PrinterOf(HANDLE handle);

// The printer's level-2 record read from its key; false when it does not exist.
bool ReadPrinter(const std::string& name, FieldRecord* record);
std::string PrinterPort(const FieldRecord& record);

}  // namespace emulation
