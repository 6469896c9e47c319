#include "bitmap_viewer_choice.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace statmon {
namespace {

struct OptionRow {
  const char* keyword;
  std::uint32_t flag;
};

// The option table in its walking order.
constexpr OptionRow kOptionRows[] = {
    {"MANUAL", 0x1},         {"MANUAL", 0x2},          {"TRAY2", 0x2},
    {"INTRAY2", 0x2},        {"INPTRAY2", 0x2},        {"INPTRAY3", 0x4},
    {"INTRAY3", 0x4},        {"INTRAY4 LCC", 0x8},     {"INTRAY4", 0x8},
    {"LCC", 0x2000},         {"INTRAY5", 0x10},        {"DUPLEX", 0x40},
    {"5BIN-MAILBIN", 0x80},  {"10BIN-MAILBIN", 0x100}, {"FINISHER", 0x200},
    {"MAILBIN-FINISHER", 0x400}, {"NETCARD", 0x800},   {"SHIFTRAY", 0x1000},
    {"CONFIG", 0x4000},
};

// Profile key names compare without regard to letter case.
bool SameKeyword(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != static_cast<unsigned char>(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<std::string> PlainCodeKeys(const std::vector<std::string>& codeKeys) {
  std::vector<std::string> plain;
  for (const std::string& key : codeKeys) {
    if (key.find("_C_") == std::string::npos) plain.push_back(key);
  }
  return plain;
}

std::uint32_t OptionKeywordFlag(const std::string& keyword) {
  for (const OptionRow& row : kOptionRows) {
    if (SameKeyword(keyword, row.keyword)) return row.flag;
  }
  return 0;
}

std::uint32_t FlagsForKeywords(const std::vector<std::string>& keywords) {
  std::uint32_t flags = 0;
  for (const std::string& keyword : keywords) flags |= OptionKeywordFlag(keyword);
  return flags;
}

std::string ViewerTitle(int code) {
  char title[64];
  std::snprintf(title, sizeof title, "Bitmap Browser - %i", code);
  return title;
}

}  // namespace statmon
