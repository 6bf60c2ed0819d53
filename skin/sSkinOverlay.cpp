#include "skin/sSkinOverlay.h"

#include <optional>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/components/StringList.h"
#include "skin/sSkinFolder.h"
#include "skin/sSkinImageLine.h"
#include "skin/sSkinValues.h"

void LayOverlay(TsLoadedSkin& skin, const std::vector<std::string>& lines, const TsSkinFolder& folder,
                TsSkinManager* manager) {
  // Lines read from a description still hold their spaces; the overlay is
  // always compared without them.
  const TsSkinText text(StripOverlaySpaces(lines), "CommonSections");
  TsImageLineContext context;
  context.Folder = &folder;
  context.Rules = TsImageLineRules::Overlay;
  context.MasterLoaded = skin.Master != nullptr;
  context.Manager = manager;
  for (const TsSkinTextSection& section : text.Sections()) {
    const TsSkinTextEntry* parentEntry = section.Find("PARENTCLASS");
    const std::string parent = parentEntry ? UpperCase(parentEntry->Value) : "-1";
    TsGeneralData record = DefaultSectionRecord();
    for (const TsGeneralData& existing : skin.Sections)
      if (UpperCase(existing.SectionName) == parent) {
        record = existing;
        break;
      }
    record.SectionName = section.Name;
    record.ParentClass = parent;
    for (const TsSkinTextEntry& entry : section.Entries) {
      if (entry.Key == "PARENTCLASS") continue;
      if (ApplySectionKey(record, entry.Key, entry.Value, text.Where(entry.Line))) continue;
      if (IsHeaderKey(entry.Key) && SameText(section.Name, "GLOBALINFO")) continue;
      context.Where = text.Where(entry.Line);
      TsImageLineResult line = ReadImageLine(section.Name, entry.Key, entry.Value, context);
      if (line.HasMask) skin.Masks.push_back(std::move(line.Mask));
      if (line.HasPattern) skin.Patterns.push_back(std::move(line.Pattern));
    }
    HoldSectionToMeaning(record);
    skin.Sections.push_back(std::move(record));
  }
}

TsLoadedSkin ReadSkinFolder(const std::string& path, const std::vector<std::string>& overlay, TsSkinManager* manager) {
  const TsSkinFolder folder(path);
  const std::optional<std::vector<uint8_t>> bytes = folder.Read("Options.dat");
  if (!bytes) throw EFOpenError(Format(SFOpenError, {path + "Options.dat"}));
  const TsSkinText text(SplitLines(DecodeTextBytes(*bytes)), "Options.dat");
  TsLoadedSkin skin = ReadSkinFile(text, folder, manager);
  LayOverlay(skin, overlay, folder, manager);
  return skin;
}
