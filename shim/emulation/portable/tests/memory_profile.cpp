#include "memory_profile.h"

#include <strings.h>

namespace {
bool Same(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }
}  // namespace

MemoryProfile::Section* MemoryProfile::Find(const std::string& section) {
  for (Section& s : sections_) {
    if (Same(s.first, section)) return &s;
  }
  return nullptr;
}

bool MemoryProfile::HasSection(const std::string& section) const {
  for (const Section& s : sections_) {
    if (Same(s.first, section)) return true;
  }
  return false;
}

std::string MemoryProfile::ReadEntry(const std::string& section, const std::string& entry) {
  if (Section* s = Find(section)) {
    for (auto& e : s->second) {
      if (Same(e.first, entry)) return e.second;
    }
  }
  return {};
}

std::vector<std::string> MemoryProfile::EntryNames(const std::string& section) {
  std::vector<std::string> names;
  if (Section* s = Find(section)) {
    for (auto& e : s->second) names.push_back(e.first);
  }
  return names;
}

bool MemoryProfile::WriteEntry(const std::string& section, const std::string& entry,
                               const std::string& text) {
  if (failWrites) return false;
  Section* s = Find(section);
  if (!s) {
    sections_.push_back({section, {}});
    s = &sections_.back();
  }
  for (auto& e : s->second) {
    if (Same(e.first, entry)) {
      e.second = text;
      return true;
    }
  }
  s->second.push_back({entry, text});
  return true;
}

bool MemoryProfile::DeleteEntry(const std::string& section, const std::string& entry) {
  if (Section* s = Find(section)) {
    for (auto it = s->second.begin(); it != s->second.end(); ++it) {
      if (Same(it->first, entry)) {
        s->second.erase(it);
        break;
      }
    }
  }
  return true;
}

bool MemoryProfile::DeleteSection(const std::string& section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it) {
    if (Same(it->first, section)) {
      sections_.erase(it);
      break;
    }
  }
  return true;
}

std::string MemoryProfile::Text() const {
  std::string text;
  for (const Section& s : sections_) {
    text += "[" + s.first + "]\n";
    for (auto& e : s.second) text += e.first + "=" + e.second + "\n";
  }
  return text;
}
