// Cross-fades between a control's old and new look.
#include "skin/sFade.h"

#include <gtest/gtest.h>

#include "SkinManagerFixture.h"
#include "skin/sCommonData.h"
#include "skin/sMessages.h"

namespace {

using namespace test_skins;

constexpr TColor kOldLook = RGB(0, 0, 0);
constexpr TColor kNewLook = RGB(255, 255, 255);

// A control that fades as the skinned buttons do: it draws its new look
// into its cache on SKC_PREPARECACHE, shows each offered frame itself and
// ends the fade on SKC_STOPFADING.
class TFader : public TWinControl {
 public:
  explicit TFader(TWinControl* parent) : TWinControl(parent), data(this, true) {
    SetParent(parent);
    SetBounds(0, 0, 4, 4);
  }
  ~TFader() override { StopFade(timer, data); }
  void WndProc(TMessage& m) override {
    switch (SkinCommandCode(m)) {
      case SKC_PREPARECACHE:
        data.InitCacheBmp();
        data.CacheBmp->Fill(kNewLook);
        data.BGChanged = false;
        return;
      case SKC_RELEASEREGION:
        frames.push_back(reinterpret_cast<TBitmap*>(m.LParam)->Pixel(1, 1));
        m.Result = 1;
        return;
      case SKC_STOPFADING:
        StopFade(timer, data);
        ++stops;
        return;
      default:
        TWinControl::WndProc(m);
    }
  }
  TsCommonData data;
  TsFadeTimer* timer = nullptr;
  std::vector<TColor> frames;
  int stops = 0;
};

class FadeTest : public SkinManagerFixture {
 protected:
  void Skin(bool fading, int iterations) {
    manager = NewManager();
    TsStoredSkin* skin = AddSkin(*manager->InternalSkins(), "Fades");
    TsSkinGeneral* s = AddSection(*skin, "BUTTON");
    s->FadingEnabled = fading;
    s->FadingIterations = iterations;
    manager->SetSkinName("Fades");
    form = MakeForm(50, 50);
    fader = new TFader(form);
    form->Show();
    fader->data.SetSkinSection("BUTTON");
    ASSERT_TRUE(fader->data.Skinned());
    // The cache shows the old look and is up to date.
    fader->data.InitCacheBmp();
    fader->data.CacheBmp->Fill(kOldLook);
    fader->data.BGChanged = false;
  }
  // The grey of a frame that keeps `weight` of the old (black) look.
  static TColor Frame(int weight) {
    const int v = (0 * weight + 255 * (255 - weight) + 127) >> 8;
    return RGB(v, v, v);
  }

  TsSkinManager* manager = nullptr;
  TForm* form = nullptr;
  TFader* fader = nullptr;
};

}  // namespace

// Frame k of N keeps 255 - 256k/N of the old look (at most 255, at least
// 0); then one more tick ends the fade and frees the timer.
TEST_F(FadeTest, FramesMixTheOldLookIntoTheNewByFallingWeights) {
  struct Case {
    const char* what;
    int iterations;
    TFadeLength length;
    std::vector<int> weights;
  } cases[] = {
      {"whole", 5, TFadeLength::Full, {204, 153, 102, 51, 0}},
      {"half (a press)", 5, TFadeLength::Half, {127, 0}},
      // Seven frames: level x 256 and level x 255 part at the second frame
      // (73 against 72), so the step of the weight shows.
      {"seven", 7, TFadeLength::Full, {219, 182, 146, 109, 73, 36, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Skin(true, c.iterations);
    ChangePaint(fader->timer, fader->data, {.Length = c.length, .Animate = true});
    ASSERT_NE(fader->timer, nullptr);
    RunFor(200);
    std::vector<TColor> expected;
    for (int w : c.weights) expected.push_back(Frame(w));
    EXPECT_EQ(fader->frames, expected);
    EXPECT_EQ(fader->stops, 1);
    EXPECT_EQ(fader->timer, nullptr);
    TComponent::Free(form);
    TComponent::Free(manager);
  }
}

// Without fading, or without the wish to animate, the new look shows at
// once and no timer is made; a running fade is stopped.
TEST_F(FadeTest, ChangesThatDoNotFadeRepaintAtOnce) {
  struct Case {
    const char* what;
    bool fading, animate, suppressed, stale;
  } cases[] = {
      {"section does not fade", false, true, false, false},
      {"not animated", true, false, false, false},
      {"fades suppressed", true, true, true, false},
      {"cache already stale", true, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Skin(c.fading, 5);
    manager->AnimEffects()->Suspended = c.suppressed;
    fader->data.BGChanged = c.stale;
    ChangePaint(fader->timer, fader->data, {.Animate = c.animate});
    EXPECT_EQ(fader->timer, nullptr);
    EXPECT_TRUE(fader->data.BGChanged);
    RunFor(100);
    EXPECT_TRUE(fader->frames.empty());
    TComponent::Free(form);
    TComponent::Free(manager);
  }
  // A fade under way is stopped by a change that does not fade.
  Skin(true, 5);
  ChangePaint(fader->timer, fader->data, {.Direction = TFadeDirection::In, .Animate = true});
  ASSERT_NE(fader->timer, nullptr);
  ChangePaint(fader->timer, fader->data, {.Direction = TFadeDirection::Out, .Animate = false});
  EXPECT_EQ(fader->timer, nullptr);
}

// Turned round in the middle, a fade runs back over the frames it showed:
// a leave at frame 3 of a fade-in has 3 frames.
TEST_F(FadeTest, ReversedFadeRunsTheFramesAlreadyShown) {
  Skin(true, 5);
  TsFadeTimer* timer = nullptr;
  StartFade(timer, fader->data, TFadeLength::Full, TFadeDirection::In);
  ASSERT_NE(timer, nullptr);
  timer->FadeLevel = 3;
  StartFade(timer, fader->data, TFadeLength::Full, TFadeDirection::Out);
  EXPECT_EQ(timer->Iterations, 3);
  EXPECT_EQ(timer->Direction, TFadeDirection::Out);
  EXPECT_EQ(timer->FadeLevel, 1) << "a level at the end of the new run starts it again";
  timer->FadeLevel = 2;
  StartFade(timer, fader->data, TFadeLength::Full, TFadeDirection::In);
  EXPECT_EQ(timer->Iterations, 5 - 2) << "fading out at frame 2, turned in again";
  EXPECT_EQ(timer->FadeLevel, 2);
  StopFade(timer, fader->data);
  EXPECT_EQ(timer, nullptr);
}

// A control that goes away, or is disabled, during a fade ends it without
// a fault.
TEST_F(FadeTest, FadeEndsQuietlyWhenItsControlCannotShowIt) {
  Skin(true, 5);
  ChangePaint(fader->timer, fader->data, {.Direction = TFadeDirection::In, .Animate = true});
  RunFor(15);
  fader->SetEnabled(false);
  RunFor(100);
  EXPECT_LE(fader->frames.size(), 2u);
  TComponent::Free(fader);  // its destructor stops the fade
  RunFor(100);
}

TEST(FadeEventsTest, OwnEventsFirstThenTheManagersButtonEffects) {
  TsSkinManager* manager = TComponent::Create<TsSkinManager>(nullptr);
  manager->AnimEffects()->Buttons()->SetEvents({beMouseEnter, beMouseUp});
  struct Case {
    int event;
    uint8_t own;
    bool expected;
  } cases[] = {
      {0, 0b0000'0001, true},                    // own enter
      {1, 0b0000'0001, false},                   // own set without leave
      {1, kAnimateGlobalDefault, false},         // the manager has no leave
      {3, kAnimateGlobalDefault, true},          // the manager has up
      {5, kAnimateGlobalDefault, false},         // beyond the manager's events
      {5, 0b0010'0000, true},                    // own event 5
      {8, 0xFF, false},                          // no such event
      {-1, 0xFF, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsAnimated(c.event, c.own, manager), c.expected) << c.event;
  EXPECT_FALSE(IsAnimated(3, kAnimateGlobalDefault, nullptr));
  TComponent::Free(manager);
}

// A step shows the next frame at once, between ticks; the window whose
// frame fades too is refreshed with every frame shown, named by the
// control's manager.
TEST_F(FadeTest, StepsShowFramesAtOnceAndEveryFrameRefreshesTheFadingFrame) {
  Skin(true, 5);
  TForm* frameOwner = ListeningForm();
  frameOwner->Show();
  Pump();
  heard.clear();
  FadeFrameOwner = frameOwner->Handle();
  ChangePaint(fader->timer, fader->data, {.Animate = true});
  ASSERT_NE(fader->timer, nullptr);
  fader->timer->Step();
  EXPECT_EQ(fader->frames, std::vector<TColor>{Frame(204)}) << "no tick has passed yet";
  RunFor(200);
  FadeFrameOwner = 0;
  EXPECT_EQ(fader->frames.size(), 5u);
  ASSERT_EQ(heard.size(), 5u);
  for (const THeardCommand& c : heard) EXPECT_EQ(c.Code, SKC_REFRESH);
}
