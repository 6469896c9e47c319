#include "memory_state.h"

#include <strings.h>

#include <fstream>
#include <sstream>

namespace {
bool Same(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }
}  // namespace

MemoryState::MemoryState(const std::string& iniText) {
  std::istringstream in(iniText);
  std::string line, section;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      section = line.substr(1, line.find(']') - 1);
      continue;
    }
    const size_t equals = line.find('=');
    if (equals != std::string::npos) Set(section, line.substr(0, equals), line.substr(equals + 1));
  }
}

MemoryState MemoryState::FromFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return MemoryState(text.str());
}

MemoryState::Section* MemoryState::Find(const std::string& section, bool create) {
  for (Section& s : sections_) {
    if (Same(s.first, section)) return &s;
  }
  if (!create) return nullptr;
  sections_.push_back({section, {}});
  return &sections_.back();
}

std::string MemoryState::Get(const std::string& section, const std::string& key) {
  if (Section* s = Find(section, false)) {
    for (auto& e : s->second) {
      if (Same(e.first, key)) return e.second;
    }
  }
  return {};
}

void MemoryState::Set(const std::string& section, const std::string& key, const std::string& value) {
  Section* s = Find(section, true);
  for (auto& e : s->second) {
    if (Same(e.first, key)) {
      e.second = value;
      return;
    }
  }
  s->second.push_back({key, value});
}

void MemoryState::Remove(const std::string& section, const std::string& key) {
  if (Section* s = Find(section, false)) {
    for (auto it = s->second.begin(); it != s->second.end(); ++it) {
      if (Same(it->first, key)) {
        s->second.erase(it);
        return;
      }
    }
  }
}

std::vector<std::pair<std::string, std::string>> MemoryState::Entries(const std::string& section) {
  Section* s = Find(section, false);
  return s ? s->second : std::vector<std::pair<std::string, std::string>>{};
}

void MemoryState::RemoveSection(const std::string& section) {
  for (auto it = sections_.begin(); it != sections_.end(); ++it) {
    if (Same(it->first, section)) {
      sections_.erase(it);
      return;
    }
  }
}
