// How the emulated registry writes keys and values into its INI file: the
// root names of the predefined handles, key paths, and the text form of value
// data. Pure functions; the INI access itself lives with the caller.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace regfile {

// Registry value types as the system numbers them.
constexpr uint32_t kTypeString = 1;
constexpr uint32_t kTypeBinary = 3;
constexpr uint32_t kTypeDword = 4;

// Result codes, the system's numbers.
constexpr long kSuccess = 0;
constexpr long kFileNotFound = 2;
constexpr long kInvalidParameter = 87;
constexpr long kInsufficientBuffer = 122;
constexpr long kMoreData = 234;
constexpr long kNoMoreItems = 259;

// The text of a subkey marker: an entry of the parent's section named after
// the subkey, recording that the subkey exists even without values.
extern const char kSubkeyMarker[];

// The root name of a predefined key handle value (0x80000000 to 0x80000006),
// or nullptr for any other value.
const char* RootName(uint32_t predefinedHandleValue);

// The full path of `subkey` below `base` (a root name or a key path). With no
// (or an empty) subkey the path is the base; a subkey that already begins
// with a backslash is appended as it stands. An empty result means the path
// cannot be built.
std::string BuildKeyPath(const std::string& base, const char* subkey);

// The parent path (everything before the last backslash; empty when none)
// and the last element of a key path.
std::string ParentPath(const std::string& path);
std::string LeafName(const std::string& path);

// The entry text for value data. Binary and DWORD data become "%02x," pairs
// with the last comma dropped; a DWORD is always its four bytes. Strings are
// taken up to their terminator, never beyond `size` bytes. Returns false when
// the data cannot be encoded (a DWORD of fewer than four bytes).
bool EncodeValue(uint32_t type, const uint8_t* data, size_t size, std::string* text);

// A value read back from its entry text.
struct DecodedValue {
  uint32_t type = kTypeString;
  // The size the value claims: the string with its terminator, or one byte
  // per hexadecimal pair.
  size_t size = 0;
  // The bytes handed to a caller: the string with its terminator, or the
  // decoded pairs.
  std::vector<uint8_t> bytes;
};

// Decides the type from the text alone: pairs of hexadecimal digits separated
// by commas are binary (a DWORD when there are exactly four), anything else
// is a string.
DecodedValue DecodeValue(const std::string& text);

}  // namespace regfile
