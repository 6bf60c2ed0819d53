#include "skin/sSkinText.h"

#include <algorithm>

#include "framework/base/SysUtils.h"

const TsSkinTextEntry* TsSkinTextSection::Find(const std::string& key) const {
  for (const TsSkinTextEntry& e : Entries)
    if (e.Key == key) return &e;
  return nullptr;
}

TsSkinText::TsSkinText(const std::vector<std::string>& lines, std::string origin) : origin_(std::move(origin)) {
  TsSkinTextSection* current = nullptr;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
      const std::string name = Trim(line.substr(1, line.size() - 2));
      auto found = std::find_if(sections_.begin(), sections_.end(),
                                [&](const TsSkinTextSection& s) { return SameText(s.Name, name); });
      if (found == sections_.end()) {
        sections_.push_back({name, {}});
        current = &sections_.back();
      } else {
        current = &*found;
      }
      continue;
    }
    const size_t eq = line.find('=');
    if (!current || eq == std::string::npos) continue;
    const std::string key = UpperCase(Trim(line.substr(0, eq)));
    if (key.empty() || current->Find(key)) continue;
    current->Entries.push_back({key, Trim(line.substr(eq + 1)), static_cast<int>(i + 1)});
  }
}

const TsSkinTextSection* TsSkinText::FindSection(const std::string& name) const {
  for (const TsSkinTextSection& s : sections_)
    if (SameText(s.Name, name)) return &s;
  return nullptr;
}

std::string TsSkinText::Where(int line) const { return " in " + origin_ + ", line " + std::to_string(line); }

std::vector<std::string> StripOverlaySpaces(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (std::string line : lines) {
    // Comment lines keep their spaces; everything else is compared without.
    if (!line.empty() && line[0] != ';') line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    out.push_back(std::move(line));
  }
  return out;
}
