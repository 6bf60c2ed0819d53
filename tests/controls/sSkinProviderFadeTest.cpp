// The caption buttons' cross-fade: when the frame's section fades, a change
// of a button's look is shown as frames mixing the old look into the new one.
#include <gtest/gtest.h>

#include "FrameFixture.h"
#include "skin/sFade.h"

namespace {

using namespace frame_art;

constexpr int kW = 300;
constexpr int kFrames = 4;  // 10 ms apart
const TPoint kClose{kW - 3 - 9, 12};

// Each channel of `from` moved toward `to`: `weight` 255 is all `from`.
TColor Mix(TColor from, TColor to, int weight) {
  auto ch = [weight](int f, int t) { return (f * weight + t * (255 - weight) + 127) >> 8; };
  return RGB(ch(GetRValue(from), GetRValue(to)), ch(GetGValue(from), GetGValue(to)),
             ch(GetBValue(from), GetBValue(to)));
}

// Hover fades the close button from its normal (red) look to its hot
// (green) one: it starts on the old look, shows mixed frames (frame k keeps
// 255 - 64k of the old look), ends on the hot look, and the form's window
// owns the fade's frame exactly while the fade runs. Leaving fades back.
TEST_F(FrameFixture, HoveredCaptionButtonCrossFadesWhileTheFormOwnsTheFadeFrame) {
  TSkinShape shape;
  shape.FrameFadeFrames = kFrames;
  MakeSkin(shape);
  MakeSkinnedForm();
  ASSERT_EQ(OnScreen(kClose.X, kClose.Y), kStateColors[0]);
  ASSERT_EQ(FadeFrameOwner, HWND{0});

  backend->InjectMouseMove(form->Handle(), kClose);
  Pump();
  UpdateAllWindows();
  EXPECT_EQ(provider->ButtonState(TCaptionButton::Close), TPaintState::Hot);
  EXPECT_EQ(FadeFrameOwner, form->Handle());
  EXPECT_EQ(OnScreen(kClose.X, kClose.Y), kStateColors[0]) << "the fade starts from the look on screen";
  // The minimize button beside it does not take part.
  EXPECT_EQ(OnScreen(kW - 3 - 26, 12), kStateColors[0]);

  RunFor(15);
  EXPECT_EQ(OnScreen(kClose.X, kClose.Y), Mix(kStateColors[0], kStateColors[1], 191));
  // A repaint of the whole frame in the middle keeps showing the fade.
  provider->RepaintFrame();
  UpdateAllWindows();
  EXPECT_EQ(OnScreen(kClose.X, kClose.Y), Mix(kStateColors[0], kStateColors[1], 191));
  RunFor(10);
  EXPECT_EQ(OnScreen(kClose.X, kClose.Y), Mix(kStateColors[0], kStateColors[1], 127));
  EXPECT_EQ(FadeFrameOwner, form->Handle());

  RunFor(100);
  UpdateAllWindows();
  EXPECT_EQ(FadeFrameOwner, HWND{0}) << "reset once the fade is over";
  EXPECT_EQ(OnScreen(kClose.X, kClose.Y), kStateColors[1]);
  EXPECT_EQ(OnScreen(kW - 3 - 26, 12), kStateColors[0]);

  // Out to the client area: back to the normal look through mixed frames.
  backend->InjectMouseMove(form->Handle(), {150, 100});
  Pump();
  EXPECT_EQ(provider->ButtonState(TCaptionButton::Close), TPaintState::Normal);
  EXPECT_EQ(FadeFrameOwner, form->Handle());
  RunFor(15);
  EXPECT_EQ(OnScreen(kClose.X, kClose.Y), Mix(kStateColors[1], kStateColors[0], 191));
  RunFor(100);
  UpdateAllWindows();
  EXPECT_EQ(FadeFrameOwner, HWND{0});
  EXPECT_EQ(OnScreen(kClose.X, kClose.Y), kStateColors[0]);
}

// A form that goes away in the middle of a fade leaves no frame owner behind.
TEST_F(FrameFixture, FormFreedMidFadeReleasesTheFadeFrame) {
  TSkinShape shape;
  shape.FrameFadeFrames = kFrames;
  MakeSkin(shape);
  MakeSkinnedForm();
  backend->InjectMouseMove(form->Handle(), kClose);
  RunFor(15);
  ASSERT_EQ(FadeFrameOwner, form->Handle());
  TComponent::Free(form);
  form = nullptr;
  EXPECT_EQ(FadeFrameOwner, HWND{0});
  RunFor(100);
}

}  // namespace
