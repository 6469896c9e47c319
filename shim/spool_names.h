// Spool path arithmetic, free of Windows: the drive-and-directory part of a
// spool file path and the file name of a job in that directory.
#pragma once
#include <string>
#include <string_view>

namespace tspool {

// The path up to and including its last '\' or '/' (drive and directory), or
// "X:" for a bare drive-relative name; empty when the path has neither.
std::string DriveAndDirectory(std::string_view path);

// `directory` followed by `job` formatted as "%05u" and ".SPL".
std::string SpoolFileName(std::string_view directory, unsigned job);

}  // namespace tspool
