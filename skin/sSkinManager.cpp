// The manager's life: its properties and their setters, choosing the skin,
// and the three announcements to the forms. Building the tables is in
// sSkinTables.cpp, the lookups in sSkinLookups.cpp.
#include "skin/sSkinManager.h"

#include <algorithm>
#include <cstdio>

#include "framework/base/Exceptions.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "skin/sMessages.h"
#include "skin/sSkinFile.h"
#include "skin/sSkinFolder.h"
#include "skin/sSkinOverlay.h"
#include "skin/sSkinText.h"

TsSkinManager* DefaultManager = nullptr;
bool SkinIsChanging = false;

namespace {

// Raises the skin-changing flag for a scope and restores what it was, so a
// reload nested in another one does not lower it early.
class TSkinChangingScope {
 public:
  TSkinChangingScope() : saved_(SkinIsChanging) { SkinIsChanging = true; }
  ~TSkinChangingScope() { SkinIsChanging = saved_; }
  TSkinChangingScope(const TSkinChangingScope&) = delete;
  TSkinChangingScope& operator=(const TSkinChangingScope&) = delete;

 private:
  bool saved_;
};

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

}  // namespace

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner) {
  if (!DefaultManager) DefaultManager = this;
}

TsSkinManager::~TsSkinManager() {
  Destroying();
  // Removal is announced even when skinning was already switched off:
  // controls bound to this manager still hold it and must forget it
  // before it is gone.
  active_ = false;
  AnnounceSkinRemoval();
  if (DefaultManager == this) DefaultManager = nullptr;
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (skinDirectory_.empty()) SetSkinDirectory("c:\\Skins");
  if (menuSupport_.IcoLineSkin.empty()) menuSupport_.IcoLineSkin = "ICOLINE";
  // The description fills the overlay straight into the list; keep it as
  // the setter would have.
  const std::vector<std::string> stripped = StripOverlaySpaces(commonSections_.ToVector());
  if (stripped != commonSections_.ToVector()) {
    commonSections_.BeginUpdate();
    commonSections_.Clear();
    for (const std::string& line : stripped) commonSections_.Add(line);
    commonSections_.EndUpdate();
  }
  if (active_ && !skinName_.empty()) AnnounceNewSkin();
}

// --- properties ---

bool TsSkinManager::IsDefault() const { return DefaultManager == this; }

void TsSkinManager::SetIsDefault(bool v) {
  if (v || !DefaultManager) {
    isDefault_ = true;
    DefaultManager = this;
    if (active_) {
      AnnounceNewSkin();
      AnnounceRefresh();
    } else {
      AnnounceSkinRemoval();
    }
  } else {
    isDefault_ = v;
  }
}

void TsSkinManager::SetActive(bool v) {
  if (v == active_) return;
  active_ = v;
  if (v) {
    ChangeSkin();
  } else if (!IsLoading()) {
    AnnounceSkinRemoval();
    ResolveCachedIndexes();
  } else {
    // The forms are still being read, so there is nobody to tell; but a
    // skin loaded earlier in the same description must not stay behind,
    // reported as active while skinning is off.
    CommonSkinData.Active = false;
    ClearTables();
    ResolveCachedIndexes();
  }
}

void TsSkinManager::SetCommonSections(const TStrings& lines) {
  std::vector<std::string> all;
  for (int i = 0; i < lines.Count(); ++i) all.push_back(lines.Get(i));
  commonSections_.BeginUpdate();
  commonSections_.Clear();
  for (const std::string& line : StripOverlaySpaces(all)) commonSections_.Add(line);
  commonSections_.EndUpdate();
  ChangeSkin();
}

void TsSkinManager::SetSaturation(int v) {
  if (v == saturation_) return;
  saturation_ = v;
  ReloadColours();
}

void TsSkinManager::SetHueOffset(int v) {
  if (v == hueOffset_) return;
  hueOffset_ = v;
  ReloadColours();
}

void TsSkinManager::ReloadColours() {
  if (!CommonSkinData.Active) return;
  ReadActiveSkin();  // raises the skin-changing flag while it reloads
  if (!IsLoading()) AnnounceRefresh();
}

void TsSkinManager::SetSkinDirectory(const std::string& v) {
  if (v == skinDirectory_) return;
  skinDirectory_ = v;
  CommonSkinData.SkinPath = ResolvedSkinDirectory();
}

void TsSkinManager::SetSkinName(const std::string& v) {
  skinName_ = v;
  requestedSkinName_ = v;
  ChangeSkin();
}

void TsSkinManager::ChangeSkin() {
  if (!active_) return;
  if (OnBeforeChange) OnBeforeChange(this);
  {
    TSkinChangingScope changing;
    CommonSkinData.Active = false;
    ReadActiveSkin();
    // Nothing to show (no folder, no stored skin) switched skinning off:
    // announcing would tell every control that an empty skin is active.
    if (active_) AnnounceNewSkin();
  }
  if (OnAfterChange) OnAfterChange(this);
}

std::string TsSkinManager::SkinInfo() const {
  return CommonSkinData.Active ? FloatToStr(CommonSkinData.Version) : "N/A";
}

// --- choosing the skin ---

std::string TsSkinManager::ResolvedSkinDirectory() const {
  const std::string& d = skinDirectory_;
  const std::string programDir = ExtractFilePath(ParamStr0());
  if (d.rfind("..", 0) == 0) {
    // One folder up from the program's: cut its last name off.
    std::string up = programDir.empty() ? programDir : programDir.substr(0, programDir.size() - 1);
    while (!up.empty() && !IsSeparator(up.back())) up.pop_back();
    return up + d.substr(std::min<size_t>(3, d.size()));
  }
  if (d.rfind(".\\", 0) == 0 || d.rfind("./", 0) == 0) return programDir + d.substr(2);
  // A drive, a network share or, here, a path from the root is absolute.
  const bool absolute = d.find(':') != std::string::npos || d.find("\\\\") != std::string::npos ||
                        (!d.empty() && d[0] == '/');
  if (!absolute) return programDir + d;
  return d;
}

std::string TsSkinManager::SkinFolderPath(const std::string& name) const {
  if (name.empty()) return "";
  // A skin name is one folder of the skin directory, never a path to
  // somewhere else; a stored skin may still carry such a name.
  if (name.find_first_of("/\\") != std::string::npos || name == "." || name == "..") {
    if (internalSkins_.FindStoredSkin(name) >= 0) return "";
    throw EReadError("a skin name is a folder name, not a path");
  }
  std::string dir = ResolvedSkinDirectory();
  if (!dir.empty() && !IsSeparator(dir.back())) dir += '/';
  const std::string folder = dir + name;
  if (!HoldsSkinFile(folder)) return "";
  return folder + "/";
}

std::unique_ptr<TsLoadedSkin> TsSkinManager::LoadFolderSkin(const std::string& path) const {
  return std::make_unique<TsLoadedSkin>(
      ReadSkinFolder(path, commonSections_.ToVector(), const_cast<TsSkinManager*>(this)));
}

void TsSkinManager::ReportSkinError(const std::string& name, const std::string& fault) {
  // A fault already reported is not reported again: the stored skin that
  // replaces a folder skin may meet the same faulty overlay, and a reload
  // for a colour change meets the same file.
  if (fault == lastSkinError_) return;
  lastSkinError_ = fault;
  const std::string message = "Skin “" + name + "” could not be loaded: " + fault;
  if (OnSkinError) {
    OnSkinError(message);
    return;
  }
  std::fprintf(stderr, "sortarium: %s\n", message.c_str());
  if (Application) Application->ShowException(message);
}

void TsSkinManager::ReadActiveSkin() {
  if (!active_) return;
  TSkinChangingScope changing;
  pending_.reset();
  std::unique_ptr<TsLoadedSkin> loaded;
  std::string folder;
  try {
    folder = SkinFolderPath(skinName_);
    if (!folder.empty()) loaded = LoadFolderSkin(folder);
  } catch (const Exception& e) {
    // A skin made by hand must not keep the program from starting: the
    // stored skin takes its place and the user is told why.
    ReportSkinError(skinName_, e.Message());
    loaded.reset();
  }
  if (loaded) {
    CommonSkinData.SkinPath = folder;
    lastSkinError_.clear();
  } else {
    CommonSkinData.SkinPath.clear();
    if (internalSkins_.Count() == 0) {
      SetActive(false);
      return;
    }
    if (internalSkins_.FindStoredSkin(skinName_) < 0) skinName_ = internalSkins_[0]->Name;
    loaded = LoadStoredSkin();
  }
  pending_ = std::move(loaded);
  BuildMaskTable();
  BuildPatternTable();
  BuildSectionTable();
  pending_.reset();
}

std::string TsSkinManager::ListAvailableSkins(TStrings& list) const {
  std::vector<std::string> names;
  for (int i = 0; i < internalSkins_.Count(); ++i) names.push_back(internalSkins_[i]->Name);
  std::string firstFolder;
  const std::string dir = ResolvedSkinDirectory();
  if (DirectoryExists(dir)) {
    std::vector<std::string> entries = ListDirectory(dir);
    std::sort(entries.begin(), entries.end());
    for (const std::string& entry : entries) {
      if (entry.empty() || entry[0] == '.') continue;
      if (!HoldsSkinFile(dir + "/" + entry)) continue;
      if (firstFolder.empty()) firstFolder = entry;
      names.push_back(entry);
    }
  }
  std::sort(names.begin(), names.end());
  list.BeginUpdate();
  list.Clear();
  for (const std::string& name : names) list.Add(name);
  list.EndUpdate();
  if (internalSkins_.Count() > 0) return internalSkins_[0]->Name;
  return firstFolder;
}

// --- announcing ---

// Forms are frozen only where the refresh that follows thaws them again: a
// form frozen while the manager is still being read would never draw again
// if the manager then stayed switched off.
bool TsSkinManager::RedrawsForms() const { return !IsLoading() && Application && Application->MainForm(); }

void TsSkinManager::AnnounceNewSkin() {
  if (RedrawsForms()) StopFormsRedraw();
  CommonSkinData.Active = false;
  ResolveCachedIndexes();
  TMessage m{SM_KAVRACMD, SkinCommandWParam(SKC_NEWSKIN), ManagerParam(this), 0};
  DeliverToAllForms(m);
  CommonSkinData.Active = true;
  AnnounceRefresh();
}

void TsSkinManager::AnnounceRefresh() {
  TMessage stop{SM_KAVRACMD, SkinCommandWParam(SKC_STOPFADING), ManagerParam(this), 0};
  DeliverToAllForms(stop);
  const bool redraw = RedrawsForms();
  if (redraw) StopFormsRedraw();
  TMessage refresh{SM_KAVRACMD, SkinCommandWParam(SKC_REFRESH), ManagerParam(this), 0};
  DeliverToAllForms(refresh);
  if (redraw) {
    const TsEffect& effect = AnimEffects()->skinChanging;
    ResumeFormsRedraw(*this, effect.Active ? std::optional<int>(effect.Time) : std::nullopt);
  }
}

void TsSkinManager::AnnounceSkinRemoval() {
  CommonSkinData.Active = false;
  TMessage m{SM_KAVRACMD, SkinCommandWParam(SKC_REMOVESKIN), ManagerParam(this), 0};
  DeliverToAllForms(m);
  ClearTables();
}

void TsSkinManager::ClearTables() {
  ClearMaskTable();
  ClearPatternTable();
  gd_.clear();
}
