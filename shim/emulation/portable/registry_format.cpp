#include "registry_format.h"

#include <cstdio>
#include <cstring>

namespace regfile {

const char kSubkeyMarker[] = "__";

namespace {

const char* const kRootNames[] = {
    "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",     "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA",
};
constexpr uint32_t kFirstPredefined = 0x80000000u;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "xx,xx,...,xx": n + 1 is a multiple of three, a comma after every pair, and
// every pair made of hexadecimal digits. A text of non-hexadecimal pairs
// (such as "ON") stays a string, so that short words are not read back as
// empty binary values.
bool LooksBinary(const std::string& text) {
  const size_t n = text.size();
  if (n == 0 || (n + 1) % 3 != 0) return false;
  for (size_t i = 0; i < n; i += 3) {
    if (HexDigit(text[i]) < 0 || HexDigit(text[i + 1]) < 0) return false;
    if (i + 2 < n && text[i + 2] != ',') return false;
  }
  return true;
}

}  // namespace

const char* RootName(uint32_t predefinedHandleValue) {
  const uint32_t index = predefinedHandleValue - kFirstPredefined;
  if (predefinedHandleValue < kFirstPredefined || index >= sizeof kRootNames / sizeof kRootNames[0]) {
    return nullptr;
  }
  return kRootNames[index];
}

std::string BuildKeyPath(const std::string& base, const char* subkey) {
  if (subkey == nullptr || *subkey == '\0') return base;
  if (subkey[0] == '\\') return base + subkey;
  return base + "\\" + subkey;
}

std::string ParentPath(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string LeafName(const std::string& path) {
  const size_t slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool EncodeValue(uint32_t type, const uint8_t* data, size_t size, std::string* text) {
  text->clear();
  if (type != kTypeBinary && type != kTypeDword) {
    const char* chars = reinterpret_cast<const char*>(data);
    const void* end = std::memchr(chars, '\0', size);
    text->assign(chars, end ? static_cast<const char*>(end) - chars : size);
    return true;
  }
  if (type == kTypeDword) {
    if (size < 4) return false;
    size = 4;
  }
  char pair[4];
  for (size_t i = 0; i < size; ++i) {
    std::snprintf(pair, sizeof pair, "%02x,", data[i]);
    text->append(pair, 3);
  }
  if (!text->empty()) text->pop_back();
  return true;
}

DecodedValue DecodeValue(const std::string& text) {
  DecodedValue value;
  if (!LooksBinary(text)) {
    value.type = kTypeString;
    value.bytes.assign(text.begin(), text.end());
    value.bytes.push_back(0);
    value.size = value.bytes.size();
    return value;
  }
  value.size = (text.size() + 1) / 3;
  value.type = value.size == 4 ? kTypeDword : kTypeBinary;
  for (size_t i = 0; i + 1 < text.size(); i += 3) {
    value.bytes.push_back(static_cast<uint8_t>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1])));
  }
  return value;
}

}  // namespace regfile
