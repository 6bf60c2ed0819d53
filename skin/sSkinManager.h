// TsSkinManager: the non-visual component that owns the active skin. It
// chooses the skin (a skin folder, else one of the skins stored in the
// window description), turns it into three run-time tables (sections,
// masks, patterns) and the master bitmap, answers lookups by name, and
// announces every change to all forms through SM_KAVRACMD (sMessages.h).
//
// The first manager made becomes the process-wide default manager, used by
// controls whose own SkinManager is unset.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "framework/components/Component.h"
#include "framework/components/StringList.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Font.h"
#include "skin/pixels/sMaskData.h"
#include "skin/sStoredSkin.h"

struct TsLoadedSkin;

// One animation setting: whether it runs and for how long.
class TsEffect : public TPersistent {
 public:
  SORTARIUM_CLASS(TsEffect)
  TsEffect(bool active, int time) : Active(active), Time(time) {}
  void SetActive(bool v) { Active = v; }
  void SetTime(int v) { Time = v; }
  bool Active;
  int Time;  // ms
};

enum TsButtonEvent { beMouseEnter, beMouseLeave, beMouseDown, beMouseUp };
using TsButtonEvents = TSet<TsButtonEvent>;

class TsBtnEffects : public TPersistent {
 public:
  SORTARIUM_CLASS(TsBtnEffects)
  void SetEvents(TsButtonEvents v) { Events = v; }
  // The mouse events on which buttons fade.
  TsButtonEvents Events{beMouseEnter, beMouseLeave, beMouseDown, beMouseUp};
};

class TsAnimEffects : public TPersistent {
 public:
  SORTARIUM_CLASS(TsAnimEffects)
  TsBtnEffects* Buttons() { return &buttons; }
  TsEffect* DialogShow() { return &dialogShow; }
  TsEffect* FormShow() { return &formShow; }
  TsEffect* PageChange() { return &pageChange; }
  TsEffect* SkinChanging() { return &skinChanging; }

  TsBtnEffects buttons;
  TsEffect dialogShow{true, 100};
  TsEffect formShow{true, 0};
  TsEffect pageChange{true, 0};
  TsEffect skinChanging{true, 100};
  // Not stored: while set, no control of the manager fades (its windows
  // are being redrawn some other way); changes then show at once.
  bool Suspended = false;
};

// Settings of the skinned menus (the menus themselves are not part of this
// program; the settings are kept as stored).
class TsMenuSupport : public TPersistent {
 public:
  SORTARIUM_CLASS(TsMenuSupport)
  void SetIcoLineSkin(const std::string& v) { IcoLineSkin = v; }
  void SetUseExtraLine(bool v) { UseExtraLine = v; }
  void SetExtraLineWidth(int v) { ExtraLineWidth = v; }
  TFont* ExtraLineFont() { return &extraLineFont; }

  std::string IcoLineSkin;
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  TFont extraLineFont;
};

// What the manager knows of the loaded skin as a whole.
struct TsSkinData {
  std::string SkinPath;  // the skin folder with a trailing separator; empty for a stored skin
  bool Active = false;   // a skin is loaded and has been announced
  double Version = 0;
  std::string Author;
  std::string Description;
  TColor Shadow1Color = clBlack;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Blur = -1;
  int32_t Shadow1Transparency = 0;
  // Percent of their own size the skinned controls draw their captions at.
  int32_t FontScale = 100;
};

// Indexes the engine asks for often, resolved once per skin (-1: none).
struct TsScrollPart {
  int Section = -1;
  int Border = -1;      // "BORDERSMASK"
  int Pattern = -1;     // "PATTERN"
  int HotPattern = -1;  // "HOTPATTERN"
  int Glyph = -1;       // "GLYPHMASK" where the part has one
};
enum TsSide { sdTop, sdBottom, sdLeft, sdRight };
struct TsCachedIndexes {
  int GlobalInfo = -1;
  int TabSection[4] = {-1, -1, -1, -1};  // by TsSide
  int TabBorder[4] = {-1, -1, -1, -1};
  TsScrollPart ScrollBtn[4];             // by TsSide
  TsScrollPart SliderV, SliderH;
  TsScrollPart Bar1H, Bar1V, Bar2H, Bar2V;
  int BoxChecked = -1, BoxUnchecked = -1, BoxGrayed = -1;
  int RadioChecked = -1, RadioUnchecked = -1, RadioGrayed = -1;
  int SmallChecked = -1, SmallUnchecked = -1, SmallGrayed = -1;
  TsScrollPart ComboBtn;
  int ComboGlyph = -1;
};

class TsSkinManager : public TComponent {
 public:
  SORTARIUM_CLASS(TsSkinManager)
  explicit TsSkinManager(TComponent* owner);
  ~TsSkinManager() override;
  void Loaded() override;

  // --- published ---
  TsAnimEffects* AnimEffects() { return &animEffects_; }
  const TsAnimEffects* AnimEffects() const { return &animEffects_; }
  // Reads whether this manager is the default manager.
  bool IsDefault() const;
  void SetIsDefault(bool v);
  bool Active() const { return active_; }
  void SetActive(bool v);
  // Extra sections in the skin-file text form, laid over every loaded skin.
  TStringList* CommonSections() { return &commonSections_; }
  void SetCommonSections(const TStrings& lines);
  int Saturation() const { return saturation_; }
  void SetSaturation(int v);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int v);
  TsStoredSkins* InternalSkins() { return &internalSkins_; }
  const TsStoredSkins* InternalSkins() const { return &internalSkins_; }
  // Copies the skins (never shares them); does not reload.
  void SetInternalSkins(const TsStoredSkins& skins) { internalSkins_.Assign(skins); }
  TsMenuSupport* MenuSupport() { return &menuSupport_; }
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(const std::string& v);
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(const std::string& v);
  // The name last asked for through SetSkinName, before a missing skin was
  // replaced by a stored one.
  const std::string& RequestedSkinName() const { return requestedSkinName_; }
  // The loaded skin's version ("5"), or "N/A" while no skin is active.
  std::string SkinInfo() const;
  void SetSkinInfo(const std::string&) {}  // read-only; stored values are ignored
  static std::string Version() { return "5.06"; }
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool v) { skinnedPopups_ = v; }
  TNotifyEvent OnBeforeChange;
  TNotifyEvent OnAfterChange;
  // Called with the message when a skin could not be loaded and the stored
  // skin took its place; unset, the message goes to stderr and to the
  // application's message box. The same message is reported only once.
  std::function<void(const std::string&)> OnSkinError;

  // --- the active skin ---
  TsSkinData CommonSkinData;
  const TsGeneralDataArray& Sections() const { return gd_; }
  const TsMaskArray& Masks() const { return ma_; }
  const TsPatternArray& Patterns() const { return pa_; }
  // 24-bit copy of the skin's master bitmap; empty while nothing is loaded.
  TBitmap* MasterBitmap() const { return masterBitmap_.get(); }
  const TsCachedIndexes& CachedIndexes() const { return cachedIndexes_; }

  // --- loading and announcing ---
  // Chooses the skin (a folder skin, else a stored one) and builds the
  // tables from it. A folder skin or overlay that fails to load is reported
  // and the stored skin is built instead; the tables are replaced only by a
  // skin that loaded whole.
  void ReadActiveSkin();
  // Each moves its part of the skin ReadActiveSkin has read into the
  // manager (called on their own, they read the stored skin first).
  void BuildMaskTable();
  void BuildPatternTable();
  void BuildSectionTable();
  void ClearMaskTable();
  void ClearPatternTable();
  void ResolveCachedIndexes();
  void AnnounceNewSkin();
  void AnnounceRefresh();
  void AnnounceSkinRemoval();
  // SkinDirectory with a relative path taken from the program's folder.
  std::string ResolvedSkinDirectory() const;
  // The folder of skin `name` with a trailing '/' when it holds an
  // "Options.dat" (in any letter case), else "". A name that is a path
  // throws EReadError.
  std::string SkinFolderPath(const std::string& name) const;
  // Fills `list`, sorted, with the stored skins' names and the skin folders
  // of ResolvedSkinDirectory; answers the first stored name, else the first
  // folder, else "".
  std::string ListAvailableSkins(TStrings& list) const;
  // Recolour the master bitmap, the own mask bitmaps and every colour of
  // the section table (nothing for 0).
  void RotateHue(int offset);
  void AdjustSaturation(int amount);

  // --- lookups (case-sensitive; -1 means none) ---
  int FindSection(const std::string& name) const;
  // Follows ParentClass when the section has no such image.
  int FindMask(int skinIndex, const std::string& section, const std::string& property) const;
  int FindMaskByNames(const std::string& section, const std::string& property) const;
  int FindTextureMask(int skinIndex, const std::string& section, const std::string& property) const;
  int FindPattern(int skinIndex, const std::string& section, const std::string& property) const;
  bool SectionIndexValid(int index) const;
  bool MaskIndexValid(int index) const;
  // Border widths of a mask in pixels; 0 for an invalid index.
  int MaskBorderLeft(int maskIndex);
  int MaskBorderTop(int maskIndex) const;
  int MaskBorderRight(int maskIndex) const;
  int MaskBorderBottom(int maskIndex) const;
  // Skin-wide colours from the GLOBALINFO section, as RGB.
  TColor GlobalColor() const;      // clBtnFace without GLOBALINFO
  TColor GlobalFontColor() const;  // 0xFF00FF without GLOBALINFO
  TColor GlobalHotColor() const;   // clWindow without GLOBALINFO

 private:
  // The SkinName path: reload and announce when active.
  void ChangeSkin();
  // Reload after a colour setting changed, when a skin is active.
  void ReloadColours();
  const TsStoredSkin* ActiveStoredSkin() const;
  // Reads the skin folder `path` with the overlay laid on it; throws.
  std::unique_ptr<TsLoadedSkin> LoadFolderSkin(const std::string& path) const;
  // The stored skin SkinName names with the overlay on it, or without it
  // when the overlay fails (reported); none when no stored skin matches.
  std::unique_ptr<TsLoadedSkin> LoadStoredSkin();
  void ReportSkinError(const std::string& name, const std::string& fault);
  bool PreparePendingSkin();
  // Whether announcements freeze the forms and redraw them afterwards.
  bool RedrawsForms() const;
  // Empties the three tables and frees the master bitmap.
  void ClearTables();
  // FindMask and its relatives: the first record with both names matching,
  // else the same search in the section's parent, and so on up the chain.
  template <class Table, class Accept>
  int FindInherited(const Table& table, int skinIndex, std::string section, const std::string& property,
                    Accept accept) const;
  bool GlobalInfoValid() const;

  TsAnimEffects animEffects_;
  bool isDefault_ = true;
  bool active_ = true;
  TStringList commonSections_;
  int saturation_ = 0;
  int hueOffset_ = 0;
  TsStoredSkins internalSkins_;
  TsMenuSupport menuSupport_;
  std::string skinDirectory_;
  std::string skinName_;
  std::string requestedSkinName_;
  std::string lastSkinError_;  // reported already; cleared by a skin that loads
  bool skinnedPopups_ = true;

  TsGeneralDataArray gd_;
  TsMaskArray ma_;
  TsPatternArray pa_;
  std::unique_ptr<TBitmap> masterBitmap_;
  // The skin being read, between ReadActiveSkin and the Build* calls.
  std::unique_ptr<TsLoadedSkin> pending_;
  TsCachedIndexes cachedIndexes_;
};

// The first manager made, until it is destroyed or another one claims it.
extern TsSkinManager* DefaultManager;
// Raised from the start of a skin reload until its announcement has ended.
extern bool SkinIsChanging;

// The manager a control with `own` as its SkinManager is bound to.
inline TsSkinManager* ResolveManager(TsSkinManager* own) { return own ? own : DefaultManager; }

void RegisterSkinClasses();
