#include "controls/sControlAdapter.h"

#include <algorithm>

#include "controls/sSkinProvider.h"
#include "framework/stdctrls/Edit.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/streaming/ClassRegistry.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

namespace {

// The framework's families of list-like controls, by their base classes.
constexpr const char* kAdoptedFamilies[] = {"TCustomListView", "TCustomGrid",    "TCustomTreeView",
                                            "TCustomComboBox", "TCustomEdit",    "TCustomListBox"};

// Editors and trees of other libraries that draw like the families above.
constexpr const char* kAdoptedClassNames[] = {
    "TSynEdit",         "TSynMemo",         "TDBSynEdit",      "TVirtualStringTree",       "TVirtualDrawTree",
    "TRichView",        "TRichViewEdit",    "TDBRichViewEdit", "TDBRichView",              "TVirtualExplorerTreeview",
    "TVirtualExplorerListview"};

bool InFamily(const std::string& className) {
  const TClassRegistry& registry = TClassRegistry::Instance();
  return std::any_of(std::begin(kAdoptedFamilies), std::end(kAdoptedFamilies),
                     [&](const char* family) { return registry.InheritsFrom(className, family); });
}

}  // namespace

// --- the adapter ---

bool TsControlAdapter::Accepts(const TControl* control) {
  if (!control || !control->HasParent() || control->IsDestroying()) return false;
  if (dynamic_cast<const TCustomEdit*>(control)) return true;
  const std::string name = control->ClassName();
  if (InFamily(name)) return true;
  if (std::find(std::begin(kAdoptedClassNames), std::end(kAdoptedClassNames), name) != std::end(kAdoptedClassNames))
    return true;
  return dynamic_cast<const TCustomControl*>(control) &&
         TClassRegistry::Instance().FindProperty(name, "OptionsEh") != nullptr;
}

TsControlAdapter::~TsControlAdapter() = default;

void TsControlAdapter::AdoptChildren(TWinControl* container) {
  if (!container) return;
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    if (Accepts(child)) {
      Adopt(child);
    } else if (auto* windowed = AsWindowed(child)) {
      AdoptChildren(windowed);
    }
  }
}

TsAdapterItem* TsControlAdapter::ItemOf(const TControl* control) const {
  for (const auto& item : items_)
    if (item->Control() == control) return item.get();
  return nullptr;
}

void TsControlAdapter::Adopt(TControl* control) {
  auto* windowed = AsWindowed(control);
  if (!windowed || !Accepts(control)) return;
  std::string section = kAdaptedSection;
  bool canBeAdded = true;
  if (provider_.OnSkinItem) provider_.OnSkinItem(control, canBeAdded, section);
  if (!canBeAdded) return;
  if (TsAdapterItem* known = ItemOf(control)) {
    known->SkinData().SetSkinSection(section);
    return;
  }
  items_.push_back(std::make_unique<TsAdapterItem>(*windowed, provider_.SkinData()->SkinManager()));
  // Set once the item is listed: the section setter tells the control,
  // which announces itself to the form again and must be found then.
  items_.back()->SkinData().SetSkinSection(section);
}

void TsControlAdapter::Forget(TComponent* component) {
  // Compared as components: a control that leaves while it is destroyed is
  // only a component by now, and no longer casts to a control.
  auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& item) {
    return static_cast<TComponent*>(item->Control()) == component;
  });
  if (it == items_.end()) return;
  if (component->IsDestroying()) (*it)->Release();
  items_.erase(it);
}

void TsControlAdapter::RemoveSkin(TMessage& m) {
  for (const auto& item : items_)
    if (TWinControl* control = item->Control(); control && !control->IsDestroying()) {
      TMessage copy{m.Msg, m.WParam, m.LParam, 0};
      control->WindowProc(copy);
    }
}

void TsControlAdapter::Refresh(TMessage& m) {
  // A handler may adopt more controls: walk by index over what is there.
  for (size_t i = 0; i < items_.size(); ++i)
    if (TWinControl* control = items_[i]->Control(); control && !control->IsDestroying()) {
      TMessage copy{m.Msg, m.WParam, m.LParam, 0};
      control->WindowProc(copy);
    }
}

// --- one adopted control ---

TsAdapterItem::TsAdapterItem(TWinControl& control, TsSkinManager* manager)
    : control_(&control),
      skinData_(std::make_unique<TsCommonData>(&control, true)),
      hotPart_(TScrollPart::None),
      pressedPart_(TScrollPart::None) {
  skinData_->CtrlKind = TsControlKind::Adapted;
  skinData_->SetSkinManager(manager);
  previous_ = control.WindowProc;
  control.WindowProc = [this](TMessage& m) { WndProc(m); };
}

TsAdapterItem::~TsAdapterItem() {
  if (control_ && !control_->IsDestroying()) {
    control_->WindowProc = previous_;
    control_->Invalidate();
  }
}

void TsAdapterItem::WndProc(TMessage& m) {
  if (!control_ || control_->IsDestroying()) {
    previous_(m);
    return;
  }
  if (m.Msg == SM_KAVRACMD) {
    const uint16_t code = SkinCommandCode(m);
    const bool taken = skinData_->HandleSkinCommand(m);
    if (code == SKC_NEWSKIN || code == SKC_REMOVESKIN || code == SKC_REFRESH) control_->Invalidate();
    if (taken) return;
    previous_(m);
    return;
  }
  skinData_->HandlePlainMessage(m);
  TrackScrollBar(m);
  previous_(m);
  if (m.Msg == WM_PAINT && skinData_->Skinned(RequireActive::Yes)) PaintSkinnedParts();
}
