// A storm of mixed input against the real main window on the headless
// backend: clicks and double clicks anywhere, drags, keys, the wheel,
// screen changes, time passing, the skin switched off and on, refreshes,
// and fills, shows, hides and sorts arriving in the middle of sorts. After
// every step the trainer must be whole: nothing escaped to a message box,
// the ten numbers are the last fill's numbers, and every skinned cache
// that claims to be current is what a fresh repaint makes; at the end no
// window, timer or device context is left over.
//
// SORTARIUM_STORM_STEPS and SORTARIUM_STORM_SEED run it longer or
// elsewhere; failures found that way become cases of their own below.
#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sRadioButton.h"
#include "framework/components/Windows.h"
#include "skin/sCommonData.h"
#include "skin/sSkinManager.h"

namespace {

int EnvNumber(const char* name, int fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::atoi(v) : fallback;
}

void CollectSkinned(TWinControl& container, std::vector<std::pair<TWinControl*, TsCommonData*>>& out) {
  for (int i = 0; i < container.ControlCount(); ++i) {
    auto* w = dynamic_cast<TWinControl*>(container.Controls(i));
    if (!w) continue;
    TsCommonData* data = nullptr;
    if (auto* p = dynamic_cast<TsPanel*>(w)) data = p->SkinData();
    if (auto* b = dynamic_cast<TsBitBtn*>(w)) data = b->SkinData();
    if (auto* g = dynamic_cast<TsGroupBox*>(w)) data = g->SkinData();
    if (auto* r = dynamic_cast<TsRadioButton*>(w)) data = r->SkinData();
    if (data) out.push_back({w, data});
    CollectSkinned(*w, out);
  }
}

class StormTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    // Every fill, whoever starts it, is noted, so the numbers can be held
    // to the fill they came from.
    for (TsBitBtn* b : {form->sBitBtn1, form->sBitBtn2}) {
      auto original = b->OnClick;
      b->OnClick = [this, original](TComponent* sender) {
        filled = true;
        original(sender);
        filled = true;
      };
    }
    lastFill = Sorted();
  }

  std::vector<int> Sorted() const {
    std::vector<int> v = Values();
    std::sort(v.begin(), v.end());
    return v;
  }

  TPoint RandomPoint() {
    return {static_cast<int>(Next() % static_cast<unsigned>(std::max(1, form->Width()))),
            static_cast<int>(Next() % static_cast<unsigned>(std::max(1, form->Height())))};
  }

  // One event of the storm; some arrive later, in the middle of what the
  // step starts.
  void Step() {
    const HWND h = form->Handle();
    const TPoint p = RandomPoint();
    switch (Next() % 14) {
      case 0:
      case 1:
        backend->InjectMouseMove(h, p);
        backend->InjectMouseButton(h, p, Next() % 4 == 0 ? 1 : 0, true);
        backend->InjectMouseButton(h, p, 0, false);
        backend->InjectMouseButton(h, p, 1, false);
        break;
      case 2:  // a double click
        for (int i = 0; i < 2; ++i) {
          backend->InjectMouseButton(h, p, 0, true);
          backend->InjectMouseButton(h, p, 0, false);
        }
        break;
      case 3: {  // a drag
        backend->InjectMouseMove(h, p);
        backend->InjectMouseButton(h, p, 0, true);
        const TPoint q = RandomPoint();
        backend->InjectMouseMove(h, {(p.X + q.X) / 2, (p.Y + q.Y) / 2});
        backend->InjectMouseMove(h, q);
        backend->InjectMouseButton(h, q, 0, false);
        break;
      }
      case 4: {
        static const int keys[] = {VK_SPACE, VK_TAB, VK_RETURN, VK_ESCAPE, VK_LEFT, VK_RIGHT,
                                   VK_UP,    VK_DOWN, VK_NEXT,  VK_HOME,   'A',     '7'};
        const int vk = keys[Next() % std::size(keys)];
        backend->InjectKey(vk, true);
        backend->InjectKey(vk, false);
        break;
      }
      case 5:
        backend->InjectWheel(h, p, Next() % 2 ? 120 : -120);
        break;
      case 6:
        backend->SetScreenSize({640 + static_cast<int>(Next() % 1300), 480 + static_cast<int>(Next() % 700)});
        break;
      case 7:
        backend->Advance(Next() % 700);
        break;
      case 8:
        form->sSkinManager1->SetActive(!form->sSkinManager1->Active());
        break;
      case 9:
        form->sSkinManager1->AnnounceRefresh();
        break;
      case 10:
      case 11: {  // a button, and something arriving in the middle of what it starts
        TsBitBtn* buttons[] = {form->sBitBtn1, form->sBitBtn2, form->sBitBtn3, form->sBitBtn4};
        TsBitBtn* later = buttons[Next() % 4];
        backend->Schedule(Next() % 4000, [this, later] {
          if (later->Enabled() && later->Visible()) later->Click();
        });
        TsBitBtn* now = buttons[Next() % 4];
        if (now->Enabled()) ClickControl(now);
        break;
      }
      case 12:
        form->sRadioGroup->SetItemIndex(static_cast<int>(Next() % 2));
        break;
      default:
        backend->InjectMouseMove(h, p);
        break;
    }
    Pump();
  }

  void CheckWhole(int step) {
    ASSERT_TRUE(backend->MessageBoxes().empty())
        << "step " << step << ": " << backend->MessageBoxes().front().Text;
    const std::vector<int> now = Sorted();
    if (filled) {
      lastFill = now;
      filled = false;
      ASSERT_GE(now.front(), 10) << "step " << step;
      ASSERT_LE(now.back(), 98) << "step " << step;
    }
    ASSERT_EQ(now, lastFill) << "step " << step << ": the numbers are not the last fill's";
  }

  // Every skinned cache that says it is current equals a fresh repaint.
  void CheckCaches(int step) {
    RunFor(500);  // let fades end
    UpdateAllWindows();
    std::vector<std::pair<TWinControl*, TsCommonData*>> skinned;
    CollectSkinned(*form, skinned);
    for (auto& [control, data] : skinned) {
      if (!data->Skinned(RequireActive::Yes) || !control->HandleAllocated() || !control->Visible() ||
          data->BGChanged || !data->CacheBmp || data->CacheBmp->Empty())
        continue;
      TBitmap before;
      before.Assign(*data->CacheBmp);
      data->BGChanged = true;
      RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      UpdateAllWindows();
      ASSERT_FALSE(data->BGChanged) << "step " << step << ": " << control->Name() << " was not repainted";
      ASSERT_TRUE(SamePixels(before, *data->CacheBmp))
          << "step " << step << ": the cache of " << control->Name() << " (" << data->SkinSection()
          << ") is not what a fresh repaint makes";
    }
  }

  // Time passing as it does on screen: timers fire once per due tick.
  void RunFor(int ms) {
    for (int t = 0; t < ms; t += 10) {
      backend->Advance(10);
      Pump();
    }
  }

  static bool SamePixels(const TBitmap& a, const TBitmap& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x)
        if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
  }

  unsigned Next() { return static_cast<unsigned>(random_()); }

  std::mt19937 random_{static_cast<unsigned>(EnvNumber("SORTARIUM_STORM_SEED", 20261208))};
  std::vector<int> lastFill;
  bool filled = false;
};

}  // namespace

TEST_F(StormTest, ThousandsOfMixedEventsKeepTheTrainerWhole) {
  Pump();
  UpdateAllWindows();
  const TWindowServiceCounts before = WindowServiceCounts();
  // The focused control may keep a timer of its own (the listing's caret);
  // the count is compared with the same control focused again.
  TWinControl* startFocus = form->ActiveControl();
  const int steps = EnvNumber("SORTARIUM_STORM_STEPS", 1500);
  for (int step = 1; step <= steps; ++step) {
    Step();
    CheckWhole(step);
    if (HasFatalFailure()) return;
    if (step % 100 == 0) {
      CheckCaches(step);
      if (HasFatalFailure()) return;
    }
  }
  // The storm over: a menu left open is closed, the skin on, every sort
  // and fade run out.
  for (int i = 0; i < 2; ++i) {
    backend->InjectKey(VK_ESCAPE, true);
    backend->InjectKey(VK_ESCAPE, false);
  }
  form->sSkinManager1->SetActive(true);
  if (startFocus && startFocus->CanFocus()) startFocus->SetFocus();
  for (int i = 0; i < 200 && backend->HasScheduled(); ++i) {
    backend->Advance(backend->NextScheduledAt() - backend->NowMs() + 1);
    Pump();
  }
  RunFor(2000);
  UpdateAllWindows();
  const TWindowServiceCounts after = WindowServiceCounts();
  EXPECT_EQ(after.Windows, before.Windows) << "windows left over";
  EXPECT_EQ(after.Timers, before.Timers) << "timers left over";
  EXPECT_EQ(after.DeviceContexts, before.DeviceContexts) << "device contexts left over";
}
