// The text form of skin files ("Options.dat") and of the manager's
// CommonSections: "[SECTION]" lines open a section, ';' lines are comments,
// KEY=value lines belong to the last opened section.
//
//   [BUTTON]
//   PARENTCLASS=PANEL
//   COLOR=0xFFFFFF
//   BORDERSMASK=^0000,0000,0081,0054,0009,0009,0009,0009,3,1,1,0
//
// Every key remembers its line, so an error in a value can say where it is.
// Section and key names are compared without regard to ASCII case (skins are
// written by hand); section names keep the case they were written in. A
// section named twice is one section, and of a key named twice in a section
// the first value counts. Blanks around names and values are dropped; lines
// before the first section or without '=' belong to no key.
#pragma once

#include <string>
#include <vector>

struct TsSkinTextEntry {
  std::string Key;  // upper case
  std::string Value;
  int Line = 0;     // 1-based line of the text
};

struct TsSkinTextSection {
  std::string Name;  // as first written
  std::vector<TsSkinTextEntry> Entries;

  const TsSkinTextEntry* Find(const std::string& key) const;
};

class TsSkinText {
 public:
  TsSkinText() = default;
  // `origin` names the text in error messages ("Options.dat", "CommonSections").
  TsSkinText(const std::vector<std::string>& lines, std::string origin);

  const std::vector<TsSkinTextSection>& Sections() const { return sections_; }
  const TsSkinTextSection* FindSection(const std::string& name) const;
  const std::string& Origin() const { return origin_; }
  // "in Options.dat, line 12": the tail of an error message about a value.
  std::string Where(int line) const;

 private:
  std::vector<TsSkinTextSection> sections_;
  std::string origin_;
};

// The lines of an overlay as the manager keeps them: every line that is
// neither empty nor a comment loses all its spaces.
std::vector<std::string> StripOverlaySpaces(const std::vector<std::string>& lines);
