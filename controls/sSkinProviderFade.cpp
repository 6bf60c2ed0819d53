// Caption buttons change their looks (normal, hot, pressed) as a short
// cross-fade when the frame's section fades, like the skinned buttons of the
// client area. The fade runs on the skin engine's fade timer with skin data
// of its own whose cache is the row of caption buttons; each frame is shown
// over the title and the frame is refreshed with it (the form's window is
// the fade's frame owner meanwhile), so a repaint of the frame in the middle
// of a fade keeps showing the fade.
#include "controls/sSkinProvider.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "framework/graphics/Canvas.h"
#include "skin/sFade.h"
#include "skin/sSkinManager.h"

TRect TsSkinProvider::ButtonRowRect() const {
  const TCaptionButtonsLayout layout = CaptionLayout();
  TRect row;
  for (const TRect& r : layout.Buttons) row = row.Union(r);
  return row;
}

void TsSkinProvider::CopyButtonRow(TBitmap& to) const {
  const TBitmap* image = skinData_->CacheBmp.get();
  to.SetPixelFormat(TPixelFormat::pf24bit);
  to.SetSize(fadeRect_.Width(), fadeRect_.Height());
  if (!image || fadeRect_.IsEmpty()) return;
  BitBlt(to.Canvas()->Handle(), 0, 0, fadeRect_.Width(), fadeRect_.Height(), const_cast<TBitmap*>(image)->Canvas()->Handle(),
         fadeRect_.Left, fadeRect_.Top, SRCCOPY);
}

void TsSkinProvider::ChangeButtonLooks(const std::array<TPaintState, kCaptionButtonCount>& states, bool entering,
                                       bool pressing) {
  const TsSkinManager* manager = skinData_->Manager();
  const TsGeneralData* section = skinData_->Section();
  const TRect row = ButtonRowRect();
  const TBitmap* image = skinData_->CacheBmp.get();
  const int event = pressing ? (entering ? beMouseDown : beMouseUp) : (entering ? beMouseEnter : beMouseLeave);
  const bool fades = manager && section && section->FadingEnabled && section->FadingIterations > 0 &&
                     !SkinIsChanging && !manager->AnimEffects()->Suspended &&
                     IsAnimated(event, kAnimateGlobalDefault, manager) && image && !skinData_->BGChanged &&
                     !row.IsEmpty() && form_->HandleAllocated() && form_->Showing();
  if (!fades) {
    buttonStates_ = states;
    RepaintFrame();
    return;
  }
  if (!fadeData_) {
    fadeData_ = std::make_unique<TsCommonData>(form_, true);
    fadeData_->CtrlKind = TsControlKind::FormFrame;
  }
  fadeData_->SetSkinManager(skinData_->SkinManager());
  fadeData_->SetSkinSection(skinData_->SkinSection());
  fadeData_->BGChanged = false;
  fadeRect_ = row;
  // The fade starts from the row as it is on screen now.
  CopyButtonRow(*fadeData_->CacheBmp);
  buttonStates_ = states;
  skinData_->BGChanged = true;
  fadeOwner_ = form_->Handle();
  FadeFrameOwner = fadeOwner_;
  StartFade(fadeTimer_, *fadeData_, pressing ? TFadeLength::Half : TFadeLength::Full,
            entering ? TFadeDirection::In : TFadeDirection::Out);
  if (!fadeTimer_) EndButtonFade();
}

void TsSkinProvider::EndButtonFade() {
  if (fadeData_ && fadeTimer_) StopFade(fadeTimer_, *fadeData_);
  ReleaseFadeOwner();
  fadeRect_ = {};
  RepaintFrame();
}

void TsSkinProvider::ReleaseFadeOwner() {
  if (fadeOwner_ && FadeFrameOwner == fadeOwner_) FadeFrameOwner = 0;
  fadeOwner_ = 0;
}

bool TsSkinProvider::HandleFadeCommand(TMessage& m) {
  switch (SkinCommandCode(m)) {
    case SKC_PREPARECACHE:
      // The fade's new look: the frame with the buttons' new states.
      UpdateFrameImage();
      if (fadeData_) CopyButtonRow(*fadeData_->CacheBmp);
      return true;
    case SKC_RELEASEREGION: {
      const auto* frame = reinterpret_cast<const TBitmap*>(m.LParam);
      if (!frame || !fadeFrame_ || fadeRect_.IsEmpty()) return false;
      fadeFrame_->Assign(*frame);
      if (HDC dc = GetWindowDC(form_->Handle())) {
        BitBlt(dc, fadeRect_.Left, fadeRect_.Top, fadeRect_.Width(), fadeRect_.Height(),
               fadeFrame_->Canvas()->Handle(), 0, 0, SRCCOPY);
        ReleaseDC(form_->Handle(), dc);
      }
      m.Result = 1;
      return true;
    }
    case SKC_STOPFADING:
      if (!fadeTimer_) return false;
      EndButtonFade();
      return true;
    default:
      return false;
  }
}
