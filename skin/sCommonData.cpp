#include "skin/sCommonData.h"

#include <algorithm>

#include "framework/base/SysUtils.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/Edit.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

std::string EditedSectionName;
bool PositionChangeRepaints = false;

namespace {

bool HasSkinData(const TsSkinManager* manager) { return manager && !manager->Sections().empty(); }

}  // namespace

std::string DefaultSectionForKind(TsControlKind kind) {
  const int code = KindCode(kind);
  struct Range {
    int First, Last;
    const char* Section;
  };
  static const Range kRanges[] = {
      {2, 8, "EDIT"},          {10, 10, "EDIT"},         {41, 41, "EDIT"},         {76, 76, "EDIT"},
      {78, 78, "EDIT"},        {83, 84, "EDIT"},         {96, 97, "EDIT"},         {131, 131, "EDIT"},
      {140, 140, "EDIT"},      {227, 227, "EDIT"},       {11, 18, "COMBOBOX"},     {81, 82, "COMBOBOX"},
      {19, 19, "BAR"},         {20, 20, "BARTITLE"},     {32, 32, "CHECKBOX"},     {152, 152, "CHECKBOX"},
      {33, 33, "RADIOBUTTON"}, {51, 51, "PANEL"},        {59, 59, "PANEL"},        {68, 68, "PANEL"},
      {73, 73, "PANEL"},       {52, 52, "PANEL_LOW"},    {58, 58, "PANEL_LOW"},    {53, 54, "TOOLBAR"},
      {60, 60, "TOOLBAR"},     {56, 56, "DRAGBAR"},      {57, 57, "TABSHEET"},     {74, 74, "GROUPBOX"},
      {226, 226, "GROUPBOX"},  {75, 75, "SPLITTER"},     {92, 92, "SPEEDBUTTON"},  {95, 95, "SPEEDBUTTON"},
      {93, 94, "BUTTON"},      {98, 98, "TOOLBUTTON"},   {141, 141, "PAGECONTROL"}, {143, 143, "TABCONTROL"},
      {151, 151, "STATUSBAR"}, {161, 161, "GAUGE"},      {165, 165, "TRACKBAR"},
  };
  for (const Range& r : kRanges)
    if (code >= r.First && code <= r.Last) return r.Section;
  return {};
}

// Panels and other containers (51 to 74), and the page, tab and status
// kinds (110, 141 to 161), stay as they are under the mouse.
bool IsHotExemptKind(TsControlKind kind) {
  const int code = KindCode(kind);
  return (code >= 51 && code <= 74) || code == 110 || (code >= 141 && code <= 161);
}

TsCommonData::TsCommonData(TComponent* owner, bool withCache)
    : OwnerControl(dynamic_cast<TControl*>(owner)), OwnerObject(owner) {
  if (withCache) CacheBmp = std::make_unique<TBitmap>();
}

TsCommonData::~TsCommonData() {
  BorderIndex = SkinIndex = Texture = HotTexture = -1;
  OwnerControl = nullptr;
  OwnerObject = nullptr;
  skinManager_ = nullptr;
}

TsSkinManager* TsCommonData::Manager() const { return ResolveManager(skinManager_); }

const TsGeneralData* TsCommonData::Section() const {
  const TsSkinManager* manager = Manager();
  if (!manager || !manager->SectionIndexValid(SkinIndex)) return nullptr;
  return &manager->Sections()[static_cast<size_t>(SkinIndex)];
}

// --- published properties ---

void TsCommonData::SetSkinSection(const std::string& value) {
  if (value == skinSection_) return;
  skinSection_ = value.empty() ? "UNKNOWN" : UpperCase(value);
  if (HasSkinData(Manager()))
    UpdateIndexes();
  else
    SkinIndex = -1;
  if (OwnerControl && OwnerControl->HasParent() && !OwnerControl->IsDestroying()) TellOwnerSkinState();
}

void TsCommonData::SetSkinManager(TsSkinManager* value) {
  if (value == skinManager_) return;
  // The default manager is stored as "none", so the control follows
  // whichever manager is the default later.
  skinManager_ = value == DefaultManager ? nullptr : value;
  if (OwnerObject && OwnerObject->IsLoading()) return;
  if (HasSkinData(Manager()))
    UpdateIndexes();
  else
    SkinIndex = -1;
  if (CtrlKind == TsControlKind::FormFrame) return;
  if (OwnerControl && OwnerControl->HasParent() && !OwnerControl->IsDestroying()) {
    try {
      TellOwnerSkinState();
    } catch (...) {
      // The new binding stands even when the owner cannot show it yet.
    }
  }
}

void TsCommonData::TellOwnerSkinState() {
  TsSkinManager* manager = Manager();
  const bool valid = HasSkinData(manager) && manager->SectionIndexValid(SkinIndex);
  OwnerControl->Perform(SM_KAVRACMD, SkinCommandWParam(valid ? SKC_REFRESH : SKC_REMOVESKIN),
                        ManagerParam(manager));
}

void TsCommonData::SetCustomColor(bool value) {
  if (value == customColor_) return;
  customColor_ = value;
  if (Skinned() && dynamic_cast<TCustomEdit*>(OwnerControl) && !OwnerControl->IsLoading()) ApplyEditColors();
  InvalidateSkin();
}

void TsCommonData::SetCustomFont(bool value) {
  if (value == customFont_) return;
  customFont_ = value;
  InvalidateSkin();
}

// --- operations ---

void TsCommonData::SkinDataLoaded() {
  if (!skinSection_.empty()) {
    UpdateIndexes();
  } else {
    std::string section = DefaultSectionForKind(CtrlKind);
    if (section.empty() && OwnerObject) section = OwnerObject->ClassName();
    SetSkinSection(section);
  }
  if (!Skinned() || !OwnerControl || !OwnerControl->HasParent() || OwnerControl->IsLoading()) return;
  if (OwnerControl->IsWindowed()) AnnounceControl(OwnerControl);
  if (IsEditLike()) ApplyEditColors();
}

void TsCommonData::UpdateIndexes() {
  BGChanged = true;
  const TsSkinManager* manager = Manager();
  SkinIndex = manager ? manager->FindSection(skinSection_) : -1;
  if (SkinIndex < 0) {
    // The border of the last skin stays: nothing paints it without a section.
    Texture = HotTexture = -1;
    return;
  }
  BorderIndex = manager->FindMask(SkinIndex, skinSection_, "BORDERSMASK");
  Texture = manager->FindTextureMask(SkinIndex, skinSection_, "PATTERN");
  HotTexture = manager->FindTextureMask(SkinIndex, skinSection_, "HOTPATTERN");
}

bool TsCommonData::OwnerReadyForPaint() const {
  if (!OwnerControl) return false;
  if (auto* windowed = AsWindowed(OwnerControl); windowed && !windowed->HandleAllocated())
    return false;
  return !OwnerControl->ControlState().Contains(csCreating) &&
         !OwnerControl->ControlState().Contains(csReadingState) && !OwnerControl->IsLoading() &&
         !OwnerControl->IsDestroying() && OwnerControl->HasParent();
}

void TsCommonData::InvalidateSkin() {
  if (!OwnerObject || OwnerObject->IsDestroying() || OwnerObject->IsLoading()) return;
  BGChanged = true;
  if (OwnerReadyForPaint()) OwnerControl->Invalidate();
}

bool TsCommonData::Skinned(RequireActive requireActive) const {
  if (!OwnerObject || OwnerObject->IsDestroying()) return false;
  const TsSkinManager* manager = Manager();
  if (!manager || manager->IsDestroying()) return false;
  if (requireActive == RequireActive::Yes && !manager->CommonSkinData.Active) return false;
  return HasSkinData(manager) && manager->SectionIndexValid(SkinIndex);
}

bool TsCommonData::ControlIsActive() const {
  if (!OwnerControl || OwnerControl->IsDestroying() || !OwnerControl->Enabled() || OwnerControl->IsDesigning())
    return false;
  if (Focused) return true;
  if (auto* windowed = AsWindowed(OwnerControl); windowed && windowed->Focused()) return true;
  if (!MouseAbove) return false;
  return !IsHotExemptKind(CtrlKind);
}

bool TsCommonData::IsUpdating() const {
  const TsSkinManager* manager = Manager();
  if (!manager || !manager->CommonSkinData.Active) return true;
  if (Updating) return true;
  if (!OwnerControl || OwnerControl->IsDestroying()) return false;
  // A control without a parent has nowhere to be shown yet.
  if (!OwnerControl->Parent()) return true;
  return AskSkinCommand(OwnerControl->Parent(), SKC_GETUPDATING);
}

void TsCommonData::InitCacheBmp() {
  ++CacheBuilds;
  if (!CacheBmp) CacheBmp = std::make_unique<TBitmap>();
  CacheBmp->SetPixelFormat(TPixelFormat::pf24bit);
  if (OwnerControl && (CacheBmp->Width() != OwnerControl->Width() || CacheBmp->Height() != OwnerControl->Height()))
    CacheBmp->SetSize(std::max(0, OwnerControl->Width()), std::max(0, OwnerControl->Height()));
}

TCacheInfo TsCommonData::GetParentCache() const {
  SharedCacheInfo.Ready = false;
  TWinControl* parent = OwnerControl ? OwnerControl->Parent() : nullptr;
  if (!parent || !parent->HandleAllocated() || parent->IsDestroying()) return {};
  // Straight into the parent's message handling: a parent that fails to
  // answer leaves this control without a background, not the user with a
  // message box.
  try {
    TMessage m{SM_KAVRACMD, SkinCommandWParam(SKC_GETCACHE), 0, 0};
    parent->WindowProc(m);
  } catch (...) {
    return {};
  }
  // Whatever an earlier answer left in the slot is not this parent's.
  return SharedCacheInfo.Ready ? SharedCacheInfo : TCacheInfo{};
}

bool TsCommonData::BgIsPositionDependent() const {
  if (KeepCache || !Skinned() || !OwnerControl) return true;
  if (OwnerControl->ControlState().Contains(csCreating) || !OwnerControl->Visible()) return true;
  const TsGeneralData* section = Section();
  if (!section) return false;
  const bool seesParent = !OwnerControl->Enabled() || section->Transparency > 0;
  TWinControl* parent = OwnerControl->Parent();
  if (seesParent && parent && parent->HandleAllocated()) return AskSkinCommand(parent, SKC_GETPOSITIONDEPENDENT);
  return seesParent;
}

bool TsCommonData::IsEditLike() const {
  return dynamic_cast<const TCustomEdit*>(OwnerControl) != nullptr || CtrlKind == TsControlKind::EditLike;
}

void TsCommonData::ApplyEditColors() {
  const TsGeneralData* section = Section();
  if (!section || !OwnerControl) return;
  if (!customColor_ && OwnerControl->Color() != section->Color) OwnerControl->SetColor(section->Color);
  const TColor text = section->FontColor[TCMAIN];
  if (!customFont_ && OwnerControl->Font()->Color() != text) OwnerControl->Font()->SetColor(text);
}

// --- messages ---

bool TsCommonData::HandleSkinCommand(TMessage& m) {
  const uint16_t code = SkinCommandCode(m);
  const bool mine = CommandManager(m) == Manager();
  switch (code) {
    case SKC_NEWSKIN:
      if (!mine) return false;
      Updating = true;
      UpdateIndexes();
      return false;
    case SKC_REMOVESKIN:
      if (!mine) return false;
      if (skinManager_ && skinManager_->IsDestroying()) skinManager_ = nullptr;
      BorderIndex = SkinIndex = Texture = HotTexture = -1;
      Updating = true;
      if (CacheBmp) CacheBmp->SetSize(0, 0);
      if (IsEditLike() && OwnerControl) {
        if (!customColor_) OwnerControl->SetColor(clWindow);
        if (!customFont_) OwnerControl->Font()->SetColor(clWindowText);
      }
      return false;
    case SKC_REFRESH:
      if (!mine) return false;
      BGChanged = true;
      Updating = false;
      if (Skinned()) {
        if (IsEditLike()) ApplyEditColors();
        if (OwnerControl && OwnerControl->IsWindowed()) AnnounceControl(OwnerControl);
      }
      return false;
    case SKC_GETCACHE:
      if (CacheBmp) SharedCacheInfo = {CacheBmp.get(), 0, 0, true};
      return false;
    case SKC_ISSKINAWARE:
      m.LParam = 1;
      return true;
    case SKC_SETUPDATING:
      Updating = m.WParamLo() == 1;
      return false;
    case SKC_SETKEEPCACHE:
      KeepCache = m.WParamLo() == 1;
      return false;
    case SKC_GETUPDATING:
      m.LParam = BGChanged || IsUpdating() ? 1 : 0;
      return true;
    case SKC_GETHALFVISIBLE:
      m.LParam = HalfVisible ? 1 : 0;
      return true;
    case SKC_INVALIDATEIFTRANSPARENT:
      if (const TsGeneralData* section = Section(); section && section->Transparency > 0 && m.WParamLo() == 1)
        BGChanged = true;
      return false;
    case SKC_SECTIONEDITED:
      if (!EditedSectionName.empty() && UpperCase(skinSection_) == EditedSectionName) {
        EditedSectionName.clear();
        InvalidateSkin();
      }
      return false;
    case SKC_SETLINKEDCONTROL:
      LinkedObject = reinterpret_cast<TPersistent*>(m.LParam);
      return false;
    case SKC_INVALIDATECACHE:
      BGChanged = true;
      return false;
    case SKC_GETPOSITIONDEPENDENT: {
      const TsGeneralData* section = Section();
      if (!section) {
        m.Result = 0;
      } else {
        m.LParam = section->GradientPercent + section->ImagePercent > 0 || BgIsPositionDependent() ? 1 : 0;
      }
      return true;
    }
    case SKC_POSITIONCHANGED: {
      const bool dependent = BgIsPositionDependent();
      PositionChangeRepaints = dependent;
      BGChanged = BGChanged || dependent;
      auto* windowed = AsWindowed(OwnerControl);
      if (!windowed) return false;
      if (m.WParamLo() == 1 && windowed->HandleAllocated())
        RedrawWindow(windowed->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
      if (dependent)
        for (int i = 0; i < windowed->ControlCount(); ++i) {
          TControl* child = windowed->Controls(i);
          if (!child->IsDestroying()) PerformSkinCommand(child, SKC_POSITIONCHANGED);
        }
      return false;
    }
    case SKC_GETCOLOR:
      SharedColor = BackgroundColor();
      return true;
    case SKC_SETHALFVISIBLE:
      HalfVisible = true;
      return false;
    default:
      return false;
  }
}

// A transparent section shows its parent through its own colour: each
// channel moves from the section's colour towards the parent's by the
// transparency, in steps of 1/256.
TColor TsCommonData::BackgroundColor() const {
  const TsGeneralData* section = Skinned() ? Section() : nullptr;
  if (!section) return ColorToRGB(OwnerControl ? OwnerControl->Color() : clBtnFace);
  const TColor own = ColorToRGB(section->Color);
  const int t = std::clamp(section->Transparency, 0, 100);
  if (t == 0) return own;
  TWinControl* parent = OwnerControl ? OwnerControl->Parent() : nullptr;
  const TColor parentColor =
      parent ? GetParentColor(parent) : ColorToRGB(OwnerControl ? OwnerControl->Color() : clBtnFace);
  if (t == 100) return parentColor;
  auto mix = [t](int p, int o) { return static_cast<uint8_t>((t * (p - o) + 256 * o) / 256); };
  return RGB(mix(GetRValue(parentColor), GetRValue(own)), mix(GetGValue(parentColor), GetGValue(own)),
             mix(GetBValue(parentColor), GetBValue(own)));
}

void TsCommonData::HandlePlainMessage(const TMessage& m) {
  if (!OwnerControl) return;
  auto* windowed = AsWindowed(OwnerControl);
  switch (m.Msg) {
    case WM_MOVE:
      if (BgIsPositionDependent()) OwnerControl->Perform(SM_KAVRACMD, SkinCommandWParam(SKC_POSITIONCHANGED, 1), 0);
      break;
    case WM_SIZE:
      if (!Skinned()) break;
      BGChanged = true;
      if (const TsGeneralData* section = Section(); windowed && section && section->GradientPercent > 0)
        for (int i = 0; i < windowed->ControlCount(); ++i) {
          TControl* child = windowed->Controls(i);
          const TAnchors anchors = child->Anchors();
          if (!child->IsDestroying() && !anchors.Contains(akRight) && !anchors.Contains(akBottom))
            PerformSkinCommand(child, SKC_POSITIONCHANGED, 0, 1);
        }
      break;
    case WM_SETFOCUS:
      if (windowed && windowed->CanFocus()) {
        BGChanged = true;
        Focused = true;
      }
      break;
    case WM_KILLFOCUS:
      // Losing the focus always ends the focused look, also for a control
      // that can no longer take the focus (hidden or disabled meanwhile).
      if (windowed) {
        BGChanged = true;
        Focused = false;
      }
      break;
    case CM_ENABLEDCHANGED:
    case WM_CANCELMODE:
    case CM_CANCELMODE:
      MouseAbove = false;
      Focused = false;
      break;
    case WM_PARENTNOTIFY:
      if (windowed && (m.WParamLo() == WM_CREATE || m.WParamLo() == WM_DESTROY)) AnnounceControl(windowed);
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (!OwnerControl->IsDesigning() && !IsHotExemptKind(CtrlKind)) MouseAbove = m.Msg == CM_MOUSEENTER;
      break;
    default:
      break;
  }
}
