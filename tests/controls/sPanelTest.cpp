// The skinned panel: the order in which skin commands reach it and its
// children, waiting for an updating parent, the caption line, OnPaint
// drawing into the cache, and a background erase that paints nothing.
#include "controls/sPanel.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "PanelGroupFixture.h"

namespace {

using namespace panel_group;

TMessage Command(uint16_t code, LPARAM lParam = 0) { return TMessage{SM_KAVRACMD, SkinCommandWParam(code), lParam, 0}; }

// A skin-aware child that writes down each announcement it hears together
// with what `look` says about its parent at that moment.
class TCommandProbe : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void WndProc(TMessage& m) override {
    const uint16_t code = SkinCommandCode(m);
    if (code == SKC_ISSKINAWARE) {
      m.LParam = 1;
      return;
    }
    if (code == SKC_NEWSKIN || code == SKC_REMOVESKIN || code == SKC_REFRESH) {
      heard.push_back({code, CommandManager(m), look ? look() : std::string()});
      return;
    }
    TWinControl::WndProc(m);
  }
  struct THeard {
    uint16_t Code;
    const TsSkinManager* Manager;
    std::string Parent;  // what `look` said
    bool operator==(const THeard&) const = default;
  };
  std::vector<THeard> heard;
  std::function<std::string()> look;
};

// A parent that says whether it is still being updated.
class TUpdatingParent : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void WndProc(TMessage& m) override {
    if (SkinCommandCode(m) == SKC_GETUPDATING) {
      m.LParam = updating ? 1 : 0;
      return;
    }
    TWinControl::WndProc(m);
  }
  bool updating = true;
};

class PanelTest : public PanelGroupFixture {};

// The rows of `cache` inside `area` that hold a pixel other than `background`.
std::vector<int> InkRows(const TBitmap& cache, const TRect& area, TColor background) {
  std::vector<int> rows;
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (cache.Pixel(x, y) != background) {
        rows.push_back(y);
        break;
      }
  return rows;
}

}  // namespace

// A new skin is resolved from the inside out (children first), a removed
// one from the outside in (the panel first), and a refresh repaints the
// panel only after its children took it. Commands of another manager pass
// through to the children without touching the panel.
TEST_F(PanelTest, SkinCommandsReachThePanelAndItsChildrenInTheirOrder) {
  TsSkinManager* manager = MakeSkin();
  TsSkinManager* other = NewManager();
  auto* panel = Make<TsPanel>(form, {10, 10, 110, 70});
  int paints = 0;
  panel->OnPaint = [&](TComponent*, TCanvas*) { ++paints; };
  auto* probe = new TCommandProbe(panel);
  probe->SetBounds(5, 5, 10, 10);
  probe->SetParent(panel);
  TsCommonData& data = *panel->SkinData();
  probe->look = [&] {
    return std::string(data.Updating ? "updating" : "ready") + (data.SkinIndex >= 0 ? " skinned" : " plain") + " " +
           std::to_string(paints) + (data.BGChanged ? " stale" : "");
  };
  form->Show();
  Snapshot();
  ASSERT_EQ(paints, 1);
  ASSERT_FALSE(data.Updating);
  const LPARAM mine = ManagerParam(manager);

  for (uint16_t code : {SKC_NEWSKIN, SKC_REMOVESKIN, SKC_NEWSKIN, SKC_REFRESH}) {
    TMessage m = Command(code, mine);
    panel->Perform(m);
  }
  EXPECT_EQ(paints, 2) << "the refresh repainted the panel at once";
  const std::vector<TCommandProbe::THeard> expected = {
      {SKC_NEWSKIN, manager, "ready skinned 1"},           // the panel still as it was
      {SKC_REMOVESKIN, manager, "updating plain 1 stale"},  // the panel already plain
      {SKC_NEWSKIN, manager, "updating plain 1 stale"},     // not yet resolved again
      {SKC_REFRESH, manager, "ready skinned 1 stale"},      // refreshed, not yet repainted
  };
  EXPECT_EQ(probe->heard, expected);

  probe->heard.clear();
  for (uint16_t code : {SKC_NEWSKIN, SKC_REMOVESKIN, SKC_REFRESH}) {
    TMessage m = Command(code, ManagerParam(other));
    panel->Perform(m);
  }
  ASSERT_EQ(probe->heard.size(), 3u) << "another manager's commands still reach the children";
  for (const auto& h : probe->heard) {
    EXPECT_EQ(h.Manager, other);
    EXPECT_EQ(h.Parent, "ready skinned 2") << "the panel itself is left as it is";
  }
  EXPECT_EQ(paints, 2);
  EXPECT_TRUE(data.Skinned());
}

// While the parent is being updated the panel (and the panel inside it)
// paints nothing; SKC_PARENTPAINTED has both painted before it returns.
TEST_F(PanelTest, PanelWaitsForItsParentAndThenRedrawsWithItsChildren) {
  MakeSkin();
  auto* parent = new TUpdatingParent(form);
  parent->SetBounds(0, 0, 200, 150);
  parent->SetColor(kFormColor);
  parent->SetParent(form);
  auto* panel = Make<TsPanel>(parent, {10, 10, 120, 100});
  auto* inner = Make<TsPanel>(panel, {20, 20, 60, 50});
  int outerPaints = 0, innerPaints = 0;
  panel->OnPaint = [&](TComponent*, TCanvas*) { ++outerPaints; };
  inner->OnPaint = [&](TComponent*, TCanvas*) { ++innerPaints; };
  form->Show();
  Snapshot();
  EXPECT_EQ(outerPaints, 0);
  EXPECT_EQ(innerPaints, 0);
  EXPECT_NE(Drawn(10 + 50, 10 + 5), kPanel);
  EXPECT_TRUE(panel->SkinData()->Updating);

  parent->updating = false;
  SendSkinCommand(panel->Handle(), SKC_PARENTPAINTED);
  EXPECT_EQ(outerPaints, 1);
  EXPECT_EQ(innerPaints, 1);
  EXPECT_EQ(Drawn(10 + 50, 10 + 5), kPanel) << "the panel, drawn without a pump";
  EXPECT_EQ(Drawn(10 + 20 + 30, 10 + 20 + 25), kPanel) << "its child panel too";
  EXPECT_EQ(Drawn(10, 10), kBorder);
}

// Whatever the text (descenders, a line break), the caption is one line of
// the height of "W", centred in the panel: every caption sits on the same
// baseline inside that band.
TEST_F(PanelTest, CaptionIsOneLineCentredByTheHeightOfW) {
  MakeSkin({.PanelBorder = false});
  auto* panel = Make<TsPanel>(form, {0, 0, 150, 61});
  panel->SetAlignment(TAlignment::taLeftJustify);
  form->Show();
  Snapshot();
  TBitmap probe(1, 1);
  *probe.Canvas()->Font() = *panel->Font();
  const int h = probe.Canvas()->TextHeight("W");
  const int top = (61 - h) / 2;
  ASSERT_GT(h, 4);

  int baseline = -1;
  for (const char* caption : {"W", "xx", "Wy", "a\r\nb", "\tWq"}) {
    SCOPED_TRACE(caption);
    panel->SetCaption(caption);
    panel->PrepareCache();
    const std::vector<int> rows = InkRows(*panel->SkinData()->CacheBmp, {0, 0, 150, 61}, kPanel);
    ASSERT_FALSE(rows.empty()) << "the caption was written";
    EXPECT_GE(rows.front(), top);
    EXPECT_LT(rows.back(), top + h);
    // Without descenders the lowest ink lies on the baseline.
    const std::string text = caption;
    if (text.find_first_of("yq") == std::string::npos) {
      if (baseline < 0) baseline = rows.back();
      EXPECT_EQ(rows.back(), baseline);
    }
  }
}

// OnPaint draws into the cache: its drawing survives repaints without a
// second call, and printing a stale panel rebuilds the cache (one call)
// and calls it once more.
TEST_F(PanelTest, OnPaintDrawsIntoTheCache) {
  constexpr TColor kMark = RGB(250, 0, 250);
  MakeSkin();
  auto* panel = Make<TsPanel>(form, {10, 10, 110, 70});
  int calls = 0;
  panel->OnPaint = [&](TComponent* sender, TCanvas* canvas) {
    EXPECT_EQ(sender, panel);
    ++calls;
    canvas->SetPixel(5, 5, kMark);
  };
  form->Show();
  Snapshot();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(panel->SkinData()->CacheBmp->Pixel(5, 5), kMark);
  EXPECT_EQ(Drawn(15, 15), kMark);

  panel->Invalidate();
  Snapshot();
  EXPECT_EQ(calls, 1) << "a repaint shows the cache";
  EXPECT_EQ(Drawn(15, 15), kMark);

  TBitmap printed(100, 60);
  printed.Fill(clBlack);
  panel->SkinData()->BGChanged = true;
  panel->Perform(WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas()->Handle()), PRF_CLIENT);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(printed.Pixel(5, 5), kMark);
  EXPECT_EQ(printed.Pixel(50, 30), kPanel);
  EXPECT_EQ(printed.Pixel(0, 0), kBorder);

  panel->Perform(WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas()->Handle()), PRF_CLIENT);
  EXPECT_EQ(calls, 3) << "a fresh cache is printed as it is";
}

// The cache covers the whole panel or group box; an erase request while
// skinned is answered without a pixel drawn.
TEST_F(PanelTest, BackgroundEraseNeverPaintsWhileSkinned) {
  constexpr TColor kUntouched = RGB(7, 7, 7);
  MakeSkin();
  auto* panel = Make<TsPanel>(form, {0, 0, 120, 80});
  auto* group = MakeGroup(panel, {10, 10, 100, 60}, {"a", "b"});
  form->Show();
  Snapshot();
  for (TWinControl* control : std::vector<TWinControl*>{panel, group}) {
    SCOPED_TRACE(control->ClassName());
    TBitmap target(120, 80);
    target.Fill(kUntouched);
    const LRESULT answer = control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(target.Canvas()->Handle()));
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(test_skins::Pixels(target), std::vector<TColor>(120 * 80, kUntouched));
  }
}
