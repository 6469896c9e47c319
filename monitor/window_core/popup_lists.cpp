#include "popup_lists.h"

#include <algorithm>
#include <cstdlib>
#include <set>

#include "monitor_strings.h"

namespace statmon {
namespace {

// An ErrorMessages value: colour, status and recovery texts of one code.
constexpr std::size_t kMessageBufferSize = 1024;
// Plain codes are at most six digits; longer keys are option variants.
constexpr std::size_t kPlainCodeLimit = 7;

const PopupEntry* FindLine(const PopupLists& lists, int code) {
  for (const auto* list : {&lists.inactive, &lists.active}) {
    for (const PopupEntry& entry : *list) {
      if (!entry.codes.empty() && entry.codes.front() == code) return &entry;
    }
  }
  return nullptr;
}

}  // namespace

std::vector<std::string> SplitKeyList(const char* buffer, std::size_t length) {
  std::vector<std::string> keys;
  std::size_t start = 0;
  for (std::size_t i = 0; i < length; ++i) {
    if (buffer[i] != '\0') continue;
    if (i == start) break;  // the empty name that ends the list
    keys.emplace_back(buffer + start, i - start);
    start = i + 1;
  }
  return keys;
}

std::string PopupStatusText(const std::string& errorMessage) {
  const std::size_t first = errorMessage.find(';');
  if (first == std::string::npos) return std::string();
  const std::size_t second = errorMessage.find(';', first + 1);
  std::string text = second == std::string::npos
                         ? errorMessage.substr(first + 1)
                         : errorMessage.substr(first + 1, second - first - 1);
  const std::size_t lineBreak = text.find("\\n");
  if (lineBreak != std::string::npos) text.replace(lineBreak, 2, "--");
  return text;
}

PopupLists BuildPopupLists(const std::vector<std::string>& codeKeys, const ProfileSource& profile,
                           const NameTable& names) {
  const std::string messages = names.Name(IDS_SECTION_ERROR_MESSAGES);
  const std::string inactive = names.Name(IDS_SECTION_INACTIVE_POPUPS);
  PopupLists lists;
  PopupEntry* previous = nullptr;
  for (const std::string& key : codeKeys) {
    if (key.size() >= kPlainCodeLimit) continue;
    const std::string text =
        PopupStatusText(profile.ReadString(messages, key, "", kMessageBufferSize));
    if (text.empty()) continue;
    const int code = std::atoi(key.c_str());
    if (previous != nullptr && previous->text.find(text) != std::string::npos) {
      previous->codes.push_back(code);
      continue;
    }
    auto& list = profile.ReadInt(inactive, key, 0) != 0 ? lists.inactive : lists.active;
    list.push_back({text, {code}});
    previous = &list.back();
  }
  return lists;
}

std::vector<ProfileEntry> RewriteInactivePopups(const std::vector<int>& inactiveCodes,
                                                const PopupLists& listed,
                                                const std::vector<ProfileEntry>& previous) {
  std::set<int> shown;
  for (const auto* list : {&listed.active, &listed.inactive}) {
    for (const PopupEntry& entry : *list) shown.insert(entry.codes.begin(), entry.codes.end());
  }
  std::vector<ProfileEntry> result;
  std::set<int> written;
  auto write = [&](int code) {
    if (written.insert(code).second) result.push_back({std::to_string(code), "1"});
  };
  for (int code : inactiveCodes) {
    const PopupEntry* line = FindLine(listed, code);
    if (line == nullptr) {
      write(code);
      continue;
    }
    for (int folded : line->codes) write(folded);
  }
  for (const ProfileEntry& entry : previous) {
    const int code = std::atoi(entry.key.c_str());
    if (shown.count(code) != 0 || written.count(code) != 0) continue;
    result.push_back(entry);
  }
  return result;
}

}  // namespace statmon
