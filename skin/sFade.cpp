#include "skin/sFade.h"

#include <algorithm>

#include "framework/components/Application.h"
#include "framework/components/Windows.h"
#include "framework/graphics/Canvas.h"
#include "skin/sCommonData.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

HWND FadeFrameOwner = 0;

namespace {

constexpr uint32_t kFrameInterval = 10;  // ms

// Whether the control's manager lets its controls fade now.
bool ManagerAnimates(const TsCommonData& data) {
  const TsSkinManager* manager = data.Manager();
  return manager && !SkinIsChanging && !manager->AnimEffects()->Suspended;
}

const TsGeneralData* FadingSection(const TsCommonData& data) {
  const TsGeneralData* section = data.Section();
  return section && section->FadingEnabled ? section : nullptr;
}

}  // namespace

TsFadeTimer::TsFadeTimer(TComponent* owner) : TTimer(owner) {}

void TsFadeTimer::Timer() {
  if (IsDestroying()) return;
  TControl* owner = OwnerData ? OwnerData->OwnerControl : nullptr;
  if (!owner || owner->IsDestroying() || (Application && Application->Terminated())) {
    Direction = TFadeDirection::Stopped;
    SetEnabled(false);
    return;
  }
  if (FadeLevel > Iterations || FadeLevel < 0) {
    // The control ends the fade (and frees this timer) and repaints
    // normally; nothing here may touch the timer afterwards.
    PerformSkinCommand(owner, SKC_STOPFADING);
    return;
  }
  if (Direction == TFadeDirection::Stopped) return;
  try {
    ShowFrame();
  } catch (const std::exception& e) {
    if (Application) Application->HandleException(&e);
  }
}

void TsFadeTimer::ShowFrame() {
  TControl* owner = OwnerData->OwnerControl;
  if (Iterations == 0) return;
  if (!owner->Enabled()) {
    SetEnabled(false);
    Iterations = 0;
    OwnerData->InvalidateSkin();
    return;
  }
  TBitmap frame;
  frame.Assign(BmpFrom);
  frame.SetPixelFormat(TPixelFormat::pf24bit);
  const int weight = std::clamp(255 - (FadeLevel * 256) / Iterations, 0, 255);
  // A cache of another size than the snapshot (the control was resized)
  // leaves the old picture for this frame.
  if (OwnerData->CacheBmp) BlendSameSize(frame, *OwnerData->CacheBmp, static_cast<uint8_t>(weight));
  ++FadeLevel;
  if (PerformSkinCommand(owner, SKC_RELEASEREGION, reinterpret_cast<LPARAM>(&frame)) == 0) {
    if (auto* windowed = AsWindowed(owner); windowed && windowed->HandleAllocated()) {
      TWindowDC dc(windowed->Handle());
      TCanvas source(&frame);
      BitBlt(dc.Handle(), 0, 0, frame.Width(), frame.Height(), source.Handle(), 0, 0, SRCCOPY);
    }
  }
  if (FadeFrameOwner) SendSkinCommand(FadeFrameOwner, SKC_REFRESH, ManagerParam(OwnerData->Manager()));
}

void SetDirection(TsFadeTimer& timer, TFadeDirection direction) {
  timer.Direction = direction;
  timer.SetEnabled(direction != TFadeDirection::Stopped);
}

void PrepareFade(TsFadeTimer& timer, TsCommonData& data) {
  timer.OwnerData = &data;
  if (data.CacheBmp) timer.BmpFrom.Assign(*data.CacheBmp);
  timer.SetInterval(kFrameInterval);
  const TsGeneralData* section = data.Section();
  const int iterations = section ? section->FadingIterations : 0;
  timer.Iterations = iterations;
  // A fade turned round runs back over the frames already shown.
  if (timer.Direction == TFadeDirection::In) timer.Iterations = timer.FadeLevel;
  if (timer.Direction == TFadeDirection::Out) timer.Iterations = iterations - timer.FadeLevel;
}

void StartFade(TsFadeTimer*& timer, TsCommonData& data, TFadeLength length, TFadeDirection direction) {
  if (!FadingSection(data) || !data.OwnerControl) return;
  if (!timer) {
    timer = new TsFadeTimer(data.OwnerControl);
    timer->SetEnabled(false);
    timer->FadeLevel = 1;
  }
  PrepareFade(*timer, data);
  if (length == TFadeLength::Half) timer->Iterations /= 2;
  if (timer->FadeLevel >= timer->Iterations || timer->FadeLevel <= 0) timer->FadeLevel = 1;
  // The control draws its new look into its cache, out of sight.
  data.OwnerControl->Perform(SM_KAVRACMD, SkinCommandWParam(SKC_PREPARECACHE), 0);
  SetDirection(*timer, direction);
}

void StopFade(TsFadeTimer*& timer, TsCommonData&) {
  if (!timer || timer->IsDestroying()) return;
  timer->Direction = TFadeDirection::Stopped;
  timer->SetEnabled(false);
  TsFadeTimer* going = timer;
  timer = nullptr;
  TComponent::Free(going);
}

void ChangePaint(TsFadeTimer*& timer, TsCommonData& data, const TLookChange& change) {
  if (!data.Skinned()) return;
  if (change.Animate && ManagerAnimates(data) && FadingSection(data) && data.CacheBmp && !data.BGChanged) {
    data.BGChanged = true;
    StartFade(timer, data, change.Length, change.Direction);
    return;
  }
  data.BGChanged = true;
  if (timer) StopFade(timer, data);
  if (data.OwnerControl) data.OwnerControl->Repaint();
}

bool IsAnimated(int event, uint8_t animatEvents, const TsSkinManager* manager) {
  if (event < 0 || event > 7) return false;
  if (animatEvents & (1u << event)) return true;
  if (!(animatEvents & kAnimateGlobalDefault) || !manager || event > beMouseUp) return false;
  return manager->AnimEffects()->buttons.Events.Contains(static_cast<TsButtonEvent>(event));
}
