// The skin commands that reach the form's window, and the form's window
// procedure that sorts every message into commands, the skinned frame's
// own handling and what the form does anyway.
#include "controls/sControlAdapter.h"
#include "controls/sSkinProvider.h"
#include "controls/sSystemMenu.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "skin/sSkinManager.h"

void TsSkinProvider::FormWndProc(TMessage& m) {
  // While the form goes away, or in a designer, the form is on its own.
  if (!form_ || form_->IsDestroying() || IsDestroying() || IsDesigning()) {
    CallPrevious(m);
    return;
  }
  if (m.Msg == SM_KAVRACMD && HandleSkinCommand(m)) return;
  if (FormSkinned() && HandleSkinnedMessage(m)) return;
  CallPrevious(m);
}

bool TsSkinProvider::HandleSkinCommand(TMessage& m) {
  const uint16_t code = SkinCommandCode(m);
  // New and removed skins are heard in every state.
  if (code == SKC_NEWSKIN) {
    if (!IsMyManager(m)) return false;
    NewSkin(m);
    return true;
  }
  if (code == SKC_REMOVESKIN) {
    if (!IsMyManager(m)) return false;
    RemoveSkin(m);
    return true;
  }
  if (!FormSkinned()) return false;
  if (HandleFadeCommand(m)) return true;
  switch (code) {
    case SKC_REFRESH:
      if (!IsMyManager(m)) return false;
      Refresh(m);
      return true;
    case SKC_GETPROVIDER:
      m.Result = reinterpret_cast<LRESULT>(static_cast<TsFrameProvider*>(this));
      return true;
    case SKC_GETCACHE:
      if (IsLoading()) return true;
      UpdateFrameImage();
      if (skinData_->CacheBmp) {
        const TPoint offset = ClientOffsetInCache();
        SharedCacheInfo = {skinData_->CacheBmp.get(), offset.X, offset.Y, true};
      }
      return true;
    case SKC_ISSKINAWARE:
      m.LParam = 1;
      return true;
    case SKC_SETUPDATING:
      skinData_->Updating = m.WParamLo() == 1;
      if (skinData_->IsUpdating()) skinData_->BGChanged = true;
      return true;
    case SKC_SETKEEPCACHE:
      skinData_->HandleSkinCommand(m);
      return true;
    case SKC_GETUPDATING:
      m.LParam = skinData_->BGChanged || skinData_->IsUpdating() ? 1 : 0;
      return true;
    case SKC_SETLINKEDCONTROL:
      skinData_->LinkedObject = reinterpret_cast<TPersistent*>(m.LParam);
      return true;
    case SKC_GETPOSITIONDEPENDENT: {
      const TsGeneralData* section = skinData_->Section();
      m.LParam = section && section->GradientPercent + section->ImagePercent > 0 ? 1 : 0;
      return true;
    }
    case SKC_GETCOLOR: {
      const TsGeneralData* section = skinData_->Section();
      SharedColor = section && !skinData_->CustomColor() ? ColorToRGB(section->Color) : ColorToRGB(form_->Color());
      return true;
    }
    case SKC_ADAPTCONTROL:
      if (form_->IsLoading() || IsLoading()) return true;
      CreateAdapter();
      if (auto* control = reinterpret_cast<TControl*>(m.LParam)) adapter_->Adopt(control);
      return true;
    case SKC_BEGINSCROLL:
      return skinData_->Skinned();
    case SKC_ENDSCROLL:
      if (!skinData_->Skinned()) return false;
      RedrawWindow(form_->Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_FRAME | RDW_UPDATENOW);
      return true;
    default:
      return false;
  }
}

void TsSkinProvider::NewSkin(TMessage& m) {
  if (!systemMenu_) PrepareSkin();
  skinData_->UpdateIndexes();
  ResolveImages();
  SetSystemMenuStyle(false);
  ApplyGlobalColor();
  if (systemMenu_) systemMenu_->UpdateItems();
  framePrepared_ = false;
  cachedCaption_ = -1;
  if (!skinned_) {
    skinned_ = true;
    CreateAdapter();
    BroadcastToChildren(form_, m);
  } else if (form_->HandleAllocated()) {
    SendMessage(form_->Handle(), WM_NCPAINT, 1);
  }
}

void TsSkinProvider::RemoveSkin(TMessage& m) {
  if (adapter_) {
    adapter_->RemoveSkin(m);
    adapter_.reset();
  }
  skinData_->HandleSkinCommand(m);
  cachedCaption_ = -1;
  skinned_ = false;
  framePrepared_ = false;
  ResetButtonStates();
  BroadcastToChildren(form_, m);
  if (useGlobalColor_ && !skinData_->CustomColor()) form_->SetColor(clBtnFace);
  SetSystemMenuStyle(true);
  if (form_->BorderStyle() != TFormBorderStyle::bsNone && form_->HandleAllocated()) {
    shapeRunCount_ = 0;
    SetWindowRgn(form_->Handle(), std::nullopt, true);
    RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

void TsSkinProvider::Refresh(TMessage& m) {
  CreateAdapter();
  // The manager marks its skin active only after the new skin was told.
  ApplyGlobalColor();
  skinData_->Updating = false;
  skinData_->BGChanged = true;
  cachedCaption_ = -1;
  if (form_->BorderStyle() != TFormBorderStyle::bsNone) framePrepared_ = false;
  if (form_->HandleAllocated() && form_->Showing()) {
    SendMessage(form_->Handle(), WM_NCPAINT, 1);
    InvalidateRect(form_->Handle(), nullptr, false);
  }
  if (adapter_) adapter_->Refresh(m);
}
