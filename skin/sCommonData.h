// TsCommonData: what every skinned control knows about its skin. It binds
// the control to one section of the active skin (SkinSection, resolved to
// SkinIndex and the section's border and texture images), keeps the
// control's cache bitmap, records focus and mouse state from which the
// paint state follows, and holds a control's default reaction to the skin
// commands (sMessages.h) and to plain control events.
//
// A skinned control owns exactly one, publishes it as SkinData, calls
// SkinDataLoaded after construction and from its Loaded, and passes its
// messages to HandleSkinCommand and HandlePlainMessage.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/components/Control.h"
#include "framework/graphics/Bitmap.h"
#include "skin/pixels/sCacheInfo.h"
#include "skin/pixels/sMaskData.h"

class TsSkinManager;

// Control kind codes. Skins number every kind of control they may dress
// (the default sections and the hot-exempt kinds below go by these
// numbers); the names are the kinds this program makes. Any other code is
// valid and simply has no name here.
enum class TsControlKind : int {
  None = 0,
  RadioButton = 33,
  Panel = 51,
  GroupBox = 74,
  Button = 93,
  BitBtn = 94,
  EditLike = 97,
  FormFrame = 224,
  Adapted = 227,
};
inline int KindCode(TsControlKind kind) { return static_cast<int>(kind); }

enum class RequireActive { No, Yes };

class TsCommonData : public TPersistent {
 public:
  SORTARIUM_CLASS(TsCommonData)
  // `owner` is the control painted (or, for a form frame, the component
  // that paints it); `withCache` makes an empty 24-bit CacheBmp at once.
  TsCommonData(TComponent* owner, bool withCache);
  ~TsCommonData() override;
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  // --- published ---
  // Always upper case; "UNKNOWN" when set empty.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& value);
  bool CustomFont() const { return customFont_; }
  void SetCustomFont(bool value);
  bool CustomColor() const { return customColor_; }
  void SetCustomColor(bool value);
  // As stored: nullptr means the default manager.
  TsSkinManager* SkinManager() const { return skinManager_; }
  void SetSkinManager(TsSkinManager* value);
  // The manager in effect: the stored one, else the default manager.
  TsSkinManager* Manager() const;

  // --- state ---
  bool Updating = false;    // painting is held back until the update ends
  int BorderIndex = -1;     // the section's "BORDERSMASK"
  int SkinIndex = -1;       // SkinSection in the manager's section table
  int Texture = -1;         // the section's "PATTERN"
  int HotTexture = -1;      // the section's "HOTPATTERN"
  TPersistent* LinkedObject = nullptr;
  bool KeepCache = false;   // show the cache without rebuilding it
  bool BGChanged = true;    // the cache is stale
  bool HalfVisible = true;  // the owner is partly clipped by its parent
  bool Painting = false;    // re-entrancy guard of the form frame's painting
  TControl* OwnerControl = nullptr;
  TComponent* OwnerObject = nullptr;
  std::unique_ptr<TBitmap> CacheBmp;
  TsControlKind CtrlKind = TsControlKind::None;
  bool Focused = false;
  bool MouseAbove = false;
  // How often the cache was rebuilt: every rebuild starts with
  // InitCacheBmp. Tools and benchmarks read it to see what a repaint cost.
  uint32_t CacheBuilds = 0;

  // --- operations ---
  // After construction and from the owner's Loaded: resolve the section
  // (choosing one by CtrlKind when none is set) and introduce the owner to
  // its form.
  void SkinDataLoaded();
  void UpdateIndexes();
  // Marks the cache stale and has the owner repainted when it can be.
  void InvalidateSkin();
  // The owner is painted from the skin: a manager with skin data and a
  // valid SkinIndex (and, with RequireActive::Yes, an active skin).
  bool Skinned(RequireActive requireActive = RequireActive::No) const;
  // The hot test: focused, or under the mouse for kinds that show it.
  bool ControlIsActive() const;
  // Whether painting must wait (for the skin, or for an updating parent).
  bool IsUpdating() const;
  void InitCacheBmp();
  // The parent's cache and where the parent's client area sits in it; the
  // empty record when the parent has none or cannot say.
  TCacheInfo GetParentCache() const;
  // Whether the owner's look depends on where it stands in its parent.
  bool BgIsPositionDependent() const;
  // The section record, or nullptr while SkinIndex is not valid.
  const TsGeneralData* Section() const;

  // --- message handling ---
  // The default reaction to a skin command; answers true when the command
  // counts as handled (answered) and must not go further.
  bool HandleSkinCommand(TMessage& m);
  // The default reaction to plain control events (focus, mouse, enabling,
  // moves and size changes, children made or destroyed).
  void HandlePlainMessage(const TMessage& m);

 private:
  bool IsEditLike() const;
  // Edit-like owners show the section's colour and font colour unless the
  // owner keeps its own.
  void ApplyEditColors();
  // Whether the owner can be painted now.
  bool OwnerReadyForPaint() const;
  // SKC_REFRESH with a valid skin and index, else SKC_REMOVESKIN, through
  // the owner's own message handling.
  void TellOwnerSkinState();
  // The colour SKC_GETCOLOR answers with: the look of the section's
  // background as one colour.
  TColor BackgroundColor() const;

  std::string skinSection_;
  bool customFont_ = false;
  bool customColor_ = false;
  TsSkinManager* skinManager_ = nullptr;
};

// The section an owner without one takes, by its control kind; "" for kinds
// that take the owner's class name.
std::string DefaultSectionForKind(TsControlKind kind);
// Kinds that never show the hot look when the mouse is over them.
bool IsHotExemptKind(TsControlKind kind);

// A skin editor names the section it changed here before it sends
// SKC_SECTIONEDITED; the control showing that section repaints.
extern std::string EditedSectionName;
// Set by the last SKC_POSITIONCHANGED: whether the moved control's look
// depends on its position (the form frame reads it).
extern bool PositionChangeRepaints;
