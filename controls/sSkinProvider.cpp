#include "controls/sSkinProvider.h"

#include "controls/sControlAdapter.h"
#include "controls/sSystemMenu.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "skin/sFade.h"
#include "skin/sSkinManager.h"

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(owner), skinData_(std::make_unique<TsCommonData>(this, true)) {
  skinData_->CtrlKind = TsControlKind::FormFrame;
  skinData_->SetSkinSection("FORM");
  form_ = dynamic_cast<TCustomForm*>(owner);
  if (!IsDesigning()) {
    fadeFrom_ = std::make_unique<TBitmap>();
    fadeFrame_ = std::make_unique<TBitmap>();
    Attach();
  }
  // A manager placed on the form before the provider is the one it uses.
  if (owner)
    for (int i = 0; i < owner->ComponentCount(); ++i)
      if (auto* manager = dynamic_cast<TsSkinManager*>(owner->Components(i)); manager && !skinData_->SkinManager())
        skinData_->SetSkinManager(manager);
}

TsSkinProvider::~TsSkinProvider() {
  Destroying();
  if (fadeData_ && fadeTimer_) StopFade(fadeTimer_, *fadeData_);
  ReleaseFadeOwner();
  Detach();
  systemMenu_.reset();
  adapter_.reset();
}

void TsSkinProvider::Attach() {
  if (!form_ || attached_) return;
  previous_ = form_->WindowProc;
  form_->WindowProc = [this](TMessage& m) { FormWndProc(m); };
  attached_ = true;
}

void TsSkinProvider::Detach() {
  if (!attached_) return;
  attached_ = false;
  // A form that is going away frees the provider after its own window
  // procedure is gone: nothing may be put back then.
  if (!form_ || form_->IsDestroying()) return;
  form_->WindowProc = previous_;
  // The form goes on with its plain frame: its own buttons and shape.
  if (skinned_ && form_->HandleAllocated()) {
    skinned_ = false;
    SetSystemMenuStyle(true);
    SetWindowRgn(form_->Handle(), std::nullopt, true);
    InvalidateFrame(form_->Handle());
  }
}

void TsSkinProvider::CallPrevious(TMessage& m) {
  if (previous_) previous_(m);
}

bool TsSkinProvider::IsMyManager(const TMessage& m) const { return CommandManager(m) == skinData_->Manager(); }

bool TsSkinProvider::FormSkinned() const {
  if (!form_ || form_->IsDestroying() || IsDesigning() || IsDestroying()) return false;
  const TsSkinManager* manager = skinData_->Manager();
  return manager && !manager->IsDestroying() && manager->CommonSkinData.Active && !manager->Sections().empty() &&
         skinned_;
}

void TsSkinProvider::Loaded() {
  TComponent::Loaded();
  TsSkinManager* manager = skinData_->Manager();
  if (!manager || IsDesigning() || !manager->CommonSkinData.Active) return;
  CreateAdapter();
  PrepareSkin();
  if (systemMenu_) systemMenu_->UpdateItems();
  skinned_ = true;
}

void TsSkinProvider::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  // The fade's timer belongs to the form, which frees it before the
  // provider when it goes in the middle of a fade.
  if (operation == TOperation::opRemove && component == fadeTimer_) {
    fadeTimer_ = nullptr;
    return;
  }
  if (auto* manager = dynamic_cast<TsSkinManager*>(component)) {
    if (operation == TOperation::opInsert && !skinData_->SkinManager() && manager != DefaultManager)
      skinData_->SetSkinManager(manager);
    if (operation == TOperation::opRemove && skinData_->SkinManager() == manager) skinData_->SetSkinManager(nullptr);
    return;
  }
  // A windowed control that joins the form is adopted when it is of a kind
  // the adapter dresses.
  if (operation == TOperation::opInsert && adapter_ && !IsLoading())
    if (auto* control = dynamic_cast<TWinControl*>(component); control && TsControlAdapter::Accepts(control))
      adapter_->Adopt(control);
  if (operation == TOperation::opRemove && adapter_) adapter_->Forget(component);
}

void TsSkinProvider::PrepareSkin() {
  if (!systemMenu_ && form_) systemMenu_ = std::make_unique<TsSystemMenu>(*this);
  const TsSkinManager* manager = skinData_->Manager();
  if (manager && manager->CommonSkinData.Active) SetSystemMenuStyle(false);
  skinData_->UpdateIndexes();
  ResolveImages();
  ApplyGlobalColor();
}

void TsSkinProvider::ResolveImages() {
  const TsSkinManager* manager = skinData_->Manager();
  if (!manager) {
    images_ = {};
    return;
  }
  TCaptionImageRequest request;
  request.FrameSkinIndex = skinData_->SkinIndex;
  request.FrameSection = skinData_->SkinSection();
  request.BigBorder = Style().BigBorder();
  request.MDIFrame = form_ && form_->FormStyle() == TFormStyle::fsMDIForm;
  images_ = ResolveCaptionButtonImages(*manager, request);
  for (int i = 0; i < titleButtons_.Count(); ++i) {
    TsTitleButton* b = titleButtons_[i];
    b->MaskIndex = b->UseSkinData() ? images_.TitleButton : -1;
  }
  skinData_->BGChanged = true;
}

void TsSkinProvider::ApplyGlobalColor() {
  if (!useGlobalColor_ || skinData_->CustomColor() || !form_ || form_->IsLoading() || form_->IsDestroying()) return;
  if (const TsSkinManager* manager = skinData_->Manager(); manager && manager->CommonSkinData.Active)
    form_->SetColor(manager->GlobalColor());
}

// The framework draws caption buttons of its own while the window style
// holds the system-menu bit; the skinned frame draws them instead.
void TsSkinProvider::SetSystemMenuStyle(bool on) {
  if (!form_ || !form_->HandleAllocated()) return;
  if (form_->BorderIcons().Empty()) return;
  const uint32_t style = form_->Style();
  form_->SetStyle(on ? style | WS_SYSMENU : style & ~uint32_t{WS_SYSMENU});
}

void TsSkinProvider::CreateAdapter() {
  if (adapter_ || !form_) return;
  adapter_ = std::make_unique<TsControlAdapter>(*this);
  adapter_->AdoptChildren(form_);
}

TFrameStyle TsSkinProvider::Style() const { return form_ ? TFrameStyle::Of(*form_) : TFrameStyle{}; }

TFrameMetrics TsSkinProvider::Metrics() const {
  return FrameMetricsFor(Style(), {titleIcon_.Width(), titleIcon_.Height()});
}

TPoint TsSkinProvider::ClientOffsetInCache() const {
  const TFrameMetrics m = Metrics();
  return {m.BorderWidth, m.TitleBand() + m.MenuHeight};
}

void TsSkinProvider::SetCaptionAlignment(TAlignment v) {
  if (captionAlignment_ == v) return;
  captionAlignment_ = v;
  RepaintFrame();
}

void TsSkinProvider::SetGripMode(TGripMode v) {
  if (gripMode_ == v) return;
  gripMode_ = v;
  RepaintFrame();
}

void TsSkinProvider::SetShowAppIcon(bool v) {
  if (showAppIcon_ == v) return;
  showAppIcon_ = v;
  RepaintFrame();
}

void TsSkinProvider::SetTitleSkin(const std::string& v) {
  if (titleSkin_ == v) return;
  titleSkin_ = v;
  RepaintFrame();
}

void TsSkinProvider::RepaintFrame() {
  skinData_->BGChanged = true;
  cachedCaption_ = -1;
  framePrepared_ = false;
  if (form_ && form_->HandleAllocated() && !IsLoading()) InvalidateFrame(form_->Handle());
}

void TsSkinProvider::AnimateSkinChange(int) {
  // The change shows at once: the frame and the client area are redrawn
  // right after this in one go, so there is no half-changed window to hide.
}
