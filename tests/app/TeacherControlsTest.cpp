// The teacher's hands on a running sort, read on the virtual clock: pause,
// step, speed, the indicator and the highlighted listing line.
#include <fstream>

#include "AutoSortFixture.h"
#include "app/CommandLine.h"
#include "framework/components/Windows.h"

namespace {

constexpr std::array<uint8_t, 10> kRow = {50, 20, 20, 10, 64, 71, 38, 90, 47, 83};

class TeacherControlsTest : public AutoSortFixture {
 protected:
  // Runs `action` once `ms` of the next sort have passed, at its first pump after that.
  void At(uint64_t ms, std::function<void()> action) { backend->Schedule(ms, std::move(action)); }
  void KeyAt(uint64_t ms, int vk, const char* text = nullptr) {
    At(ms, [this, vk, text] {
      backend->InjectKey(vk, true);
      if (text) backend->InjectText(text);
      backend->InjectKey(vk, false);
    });
  }
  // The events of one kind from `from` (included) to `to` (left out).
  std::vector<Event> Between(uint64_t from, uint64_t to, char kind) const {
    std::vector<Event> out;
    for (const auto& e : events)
      if (e.kind == kind && e.t >= from && e.t < to) out.push_back(e);
    return out;
  }
  // How many pixels of the listing's text area, in a column near its right
  // edge where no text reaches, have this colour on screen.
  int ListingRowsOf(TColor color) {
    const TBitmap& screen = backend->FindWindow(form->Handle())->Screen;
    const TRect text = form->sText1->TextRect();
    int n = 0;
    for (int y = text.Top; y < text.Bottom; ++y) {
      const TPoint p = form->sText1->ClientToScreen({text.Right - 3, y});
      n += screen.Pixel(p.X - form->Left(), p.Y - form->Top()) == color;
    }
    return n;
  }
  std::vector<TColor> Colors() const {
    std::vector<TColor> c;
    for (int k = 1; k <= 10; ++k) c.push_back(CellColor(k));
    return c;
  }
};

// Each pause of the timeline is scaled exactly: same events in the same
// order, every time multiplied by the factor; at x8 the 37.5 ms halves of a
// new candidate's pauses add up, so the whole still takes an eighth.
TEST_F(TeacherControlsTest, SpeedScalesEveryPauseOfTheTimeline) {
  Arm(kRow);
  const uint64_t took = Sort();
  const std::vector<Event> base = events;
  ASSERT_EQ(took % 8, 0u);
  struct Case {
    int exponent;
    uint64_t num, den;  // times scale by num/den
  };
  for (const Case c : {Case{1, 1, 2}, Case{-1, 2, 1}, Case{3, 1, 8}, Case{-3, 8, 1}}) {
    SCOPED_TRACE(c.exponent);
    form->SetSpeedExponent(c.exponent);
    form->ShowValues(kRow);
    Pump();
    EXPECT_EQ(Sort(), took * c.num / c.den);
    ASSERT_EQ(events.size(), base.size());
    for (size_t i = 0; i < base.size(); ++i) {
      // Exact, in whole milliseconds of the exact time in eighths: what a
      // pause cannot take is carried to the next one.
      const Event& b = base[i];
      EXPECT_EQ(events[i], (Event{b.t * 8 * c.num / c.den / 8, b.kind, b.cell, b.color})) << i;
    }
    EXPECT_EQ(form->IndicatorText(), "Скорость ×" + SpeedName(c.exponent));
  }
  form->SetSpeedExponent(0);
  EXPECT_EQ(form->IndicatorText(), "");
}

// P at 1 s is read at the next pump, the one that shows cell 3 compared
// (1800 ms, after the new candidate at cell 2): from there the yellow cell
// and every other colour hold until Pause comes at 10 s, and the rest of
// the sort is the untouched one, 8.2 s later.
TEST_F(TeacherControlsTest, PauseHoldsEveryColourUntilResumed) {
  Arm(kRow);
  Sort();
  const std::vector<Event> untouched = events;
  form->ShowValues(kRow);
  Pump();
  KeyAt(1000, 'P', "p");
  std::vector<TColor> held;
  At(6000, [&] {
    held = Colors();
    EXPECT_TRUE(form->Paused());
    EXPECT_EQ(form->IndicatorText(), "Пауза");
  });
  KeyAt(10000, VK_PAUSE);
  constexpr uint64_t kPausedAt = 1800, kHeld = 10000 - kPausedAt;
  EXPECT_EQ(Sort(), untouched.back().t + kHeld);
  EXPECT_FALSE(form->Paused()) << "the pause ends with the sort";
  EXPECT_EQ(form->IndicatorText(), "");
  std::vector<TColor> atPause(10, clBtnFace);
  for (const auto& e : untouched)
    if (e.kind == 'c' && e.t < kPausedAt) atPause[static_cast<size_t>(e.cell - 1)] = e.color;
  EXPECT_EQ(held, atPause);
  EXPECT_EQ(held[2], clYellow);
  EXPECT_TRUE(Between(kPausedAt + 1, 10000, 'c').empty()) << "no colour changes while paused";
  EXPECT_TRUE(Between(kPausedAt + 1, 10000, 'p').empty()) << "no cell repainted while paused";
  std::vector<Event> shifted;
  for (auto e : events) {
    if (e.t > kPausedAt) e.t -= kHeld;
    shifted.push_back(e);
  }
  EXPECT_EQ(shifted, untouched);
}

// Paused on the first comparison, each N lets exactly one comparison run:
// one more cell turns yellow and the sort waits again at that cell. The
// first step takes a new candidate with it (1200 ms), the second does not
// (600 ms); the right arrow steps too, even with a button focused.
TEST_F(TeacherControlsTest, EachStepRunsExactlyOneComparison) {
  Arm(kRow);
  KeyAt(0, 'P', "p");
  std::vector<std::pair<uint64_t, std::vector<TColor>>> seen;
  auto look = [&](uint64_t t) { At(t, [&, t] { seen.push_back({t, Colors()}); }); };
  look(3000);
  KeyAt(4000, 'N', "n");
  look(7000);
  KeyAt(8000, VK_RIGHT);
  look(11000);
  KeyAt(12000, 'P', "p");
  Sort();
  const auto yellow = [&](uint64_t from, uint64_t to) {
    std::vector<int> cells;
    for (const auto& e : Between(from, to, 'c'))
      if (e.color == clYellow) cells.push_back(e.cell);
    return cells;
  };
  EXPECT_EQ(yellow(600, 4000), std::vector<int>{}) << "paused at cell 2";
  EXPECT_EQ(yellow(4000, 8000), std::vector<int>{3});
  EXPECT_EQ(yellow(8000, 12000), std::vector<int>{4});
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].second[1], clYellow);
  EXPECT_EQ(seen[1].second[2], clYellow);
  EXPECT_EQ(seen[2].second[3], clYellow);
  EXPECT_EQ(Between(4000, 8000, 'p').back().t, 4000u + 1200) << "300 + 300 ms of the candidate, 600 ms compared";
  EXPECT_EQ(Between(8000, 12000, 'p').back().t, 8000u + 600);
}

// The pause does not take the window: a fill, a show, a hide with the
// manual step it allows, and the close all work while the sort waits.
TEST_F(TeacherControlsTest, FillShowHideAndCloseWorkWhilePaused) {
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  KeyAt(7000, 'P', "p");  // read at 7200, during position 2
  std::vector<TColor> afterFill;
  bool pausedAfterFill = false;
  ClickDuringSort(8000, form->sBitBtn1);
  At(8500, [&] {
    afterFill = Colors();
    pausedAfterFill = form->Paused();
  });
  KeyAt(9000, 'P', "p");
  Sort();
  EXPECT_EQ(afterFill, std::vector<TColor>(10, clBtnFace)) << "the fill cleared the held colours";
  EXPECT_TRUE(pausedAfterFill);
  EXPECT_EQ(CellColor(1), clBtnFace);
  for (int k = 2; k <= 10; ++k) EXPECT_EQ(CellColor(k), clAqua);
  const auto v = Values();
  EXPECT_TRUE(std::is_sorted(v.begin() + 1, v.end())) << "positions 2..10 sorted from the new numbers";

  // Show, then hide while paused: the listing comes again with new
  // numbers, then manual sorting is back at once, between held steps.
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  KeyAt(1000, 'P', "p");
  form->sText1->SetText("");
  ClickDuringSort(1500, form->sBitBtn2);
  bool shownWhilePaused = false;
  At(1800, [&] {
    shownWhilePaused = form->Paused() && !form->sText1->Text().empty() && Colors() == std::vector<TColor>(10, clBtnFace);
  });
  ClickDuringSort(2000, form->sBitBtn3);
  ClickDuringSort(3000, form->Cell(9), TPoint{5, 5});
  bool pausedAfterHide = false;
  At(3500, [&] { pausedAfterHide = form->Paused(); });
  KeyAt(4000, 'P', "p");
  Sort();
  EXPECT_TRUE(shownWhilePaused);
  EXPECT_TRUE(pausedAfterHide);
  EXPECT_FALSE(form->sBitBtn4->Enabled());
  EXPECT_TRUE(form->IsManualMode());
  EXPECT_EQ(form->ManualPosition(), 1) << "the cell click during the pause was a manual step";

  // Close while paused: the pause is lifted and the sort runs out, as a
  // close during a running sort does.
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  KeyAt(1000, 'P', "p");
  At(3000, [&] { backend->InjectClose(form->Handle()); });
  EXPECT_EQ(Sort(), 27000u + 3000 - 1200);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(Values(), (std::vector<int>{11, 12, 13, 14, 15, 16, 17, 18, 19, 20}));
}

// A slowed sort closed while paused runs out at the normal speed: 45
// comparisons, the first four at x1/2 (1200 ms each), then the pause, then
// the other 41 at 600 ms once the window is gone.
TEST_F(TeacherControlsTest, CloseEndsTheSlowdown) {
  form->SetSpeedExponent(-1);
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  KeyAt(4000, 'P', "p");
  At(9000, [&] { backend->InjectClose(form->Handle()); });
  EXPECT_EQ(Sort(), 4 * 1200u + (9000 - 4800) + 41 * 600u);
  EXPECT_TRUE(Application->Terminated());
}

// The running line, read at every paint of a yellow or green cell: the
// comparison while a cell shows yellow, the new candidate while one shows
// green, and at the pump that first shows two numbers exchanged the
// exchange lines beside the next comparison. Both shipped listings have
// them on the same lines (15, 16, 17..19); a listing of the teacher's own
// without them marks nothing. The band is on screen while paused, and the
// listing's document never changes.
TEST_F(TeacherControlsTest, RunningLineFollowsEachStepInBothListings) {
  struct Case {
    int order;
    const char* ownListing;  // replaces the ascending file
    std::vector<int> compare, candidate, exchange;
  };
  const Case cases[] = {
      {0, nullptr, {14}, {15}, {16, 17, 18}},
      {1, nullptr, {14}, {15}, {16, 17, 18}},
      {0, "program Mine;\r\nbegin\r\n  writeln('a[m] := t; m := j')\r\nend.\r\n", {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order);
    if (c.ownListing) std::ofstream(TForm1::ListingFileName(0), std::ios::binary) << c.ownListing;
    form->sRadioGroup->SetItemIndex(c.order);
    Arm(kRow);
    const TRichDocument before = form->sText1->Document();
    form->SetFollowListing(true);
    std::vector<std::vector<int>> linesAt;  // per event
    onPaint = [&] {
      linesAt.resize(events.size());
      linesAt.back() = form->RunningLines();
    };
    KeyAt(100, 'P', "p");
    int bandRows = -1;
    At(2000, [&] {
      const auto& marks = form->sText1->ParagraphMarks();
      if (!marks.empty()) bandRows = ListingRowsOf(ColorToRGB(marks[0].Color));
    });
    KeyAt(3000, 'P', "p");
    Sort();
    onPaint = nullptr;
    linesAt.resize(events.size());

    bool exchanged = false;
    int yellowPaints = 0, withExchange = 0, greenPaints = 0;
    for (size_t i = 0; i < events.size(); ++i) {
      const Event& e = events[i];
      if (e.kind == 'c' && e.color == clAqua) exchanged = true;
      if (e.kind != 'p') continue;
      if (e.color == clYellow) {
        std::vector<int> expected = c.compare;
        if (exchanged) expected.insert(expected.end(), c.exchange.begin(), c.exchange.end());
        withExchange += exchanged;
        exchanged = false;
        ++yellowPaints;
        EXPECT_EQ(linesAt[i], expected) << e;
      } else if (e.color == clLime) {
        ++greenPaints;
        EXPECT_EQ(linesAt[i], c.candidate) << e;
      }
    }
    EXPECT_EQ(yellowPaints, 45);
    EXPECT_GT(greenPaints, 0);
    EXPECT_EQ(withExchange, 8) << "positions 1..8 are followed by a comparison";
    EXPECT_TRUE(form->RunningLines().empty()) << "the highlight ends with the sort";
    if (c.compare.empty())
      EXPECT_EQ(bandRows, -1) << "no mark at all";
    else
      EXPECT_GT(bandRows, 10) << "the comparison line's band on screen while paused";

    const TRichDocument& after = form->sText1->Document();
    ASSERT_EQ(after.ParagraphCount(), before.ParagraphCount());
    for (int p = 0; p < before.ParagraphCount(); ++p) {
      const auto& a = after.Paragraph(p).Runs;
      const auto& b = before.Paragraph(p).Runs;
      ASSERT_EQ(a.size(), b.size()) << p;
      for (size_t r = 0; r < a.size(); ++r) {
        EXPECT_EQ(a[r].Text, b[r].Text);
        EXPECT_TRUE(a[r].Format == b[r].Format);
      }
    }
    form->SetFollowListing(false);
  }
}

// The keys never cost the listing a letter. Outside a sort the focused
// pane types them all; with a button focused +, - and L are the teacher's
// and type nothing. During a sort P pauses even from the pane, and its
// letter is dropped.
TEST_F(TeacherControlsTest, KeysLeaveTheListingAlone) {
  auto press = [this](int vk, const char* text) {
    backend->InjectKey(vk, true);
    backend->InjectText(text);
    backend->InjectKey(vk, false);
    Pump();
  };
  Arm(kRow);
  ClickControl(form->sText1);
  const std::string loaded = form->sText1->Text();
  using Key = std::pair<int, const char*>;
  for (auto [vk, text] : {Key{'P', "p"}, Key{'N', "n"}, Key{'L', "l"}, Key{VK_OEM_PLUS, "+"}, Key{VK_SUBTRACT, "-"}})
    press(vk, text);
  EXPECT_EQ(form->sText1->Text().size(), loaded.size() + 5);
  EXPECT_NE(form->sText1->Text().find("pnl+-"), std::string::npos);
  EXPECT_EQ(form->SpeedExponent(), 0);
  EXPECT_FALSE(form->FollowsListing());

  Arm(kRow);
  const std::string shown = form->sText1->Text();  // the focus is on the show button now
  press(VK_OEM_PLUS, "+");
  press(VK_ADD, "+");
  press(VK_OEM_MINUS, "-");
  press('L', "l");
  press('P', "p");  // nothing to pause
  EXPECT_EQ(form->SpeedExponent(), 1);
  EXPECT_TRUE(form->FollowsListing());
  EXPECT_FALSE(form->Paused());
  EXPECT_EQ(form->sText1->Text(), shown);

  form->SetSpeedExponent(0);
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  ClickDuringSort(1000, form->sText1);
  KeyAt(2000, 'P', "p");  // read at 2400
  KeyAt(5000, 'P', "p");
  EXPECT_EQ(Sort(), 27000u + 5000 - 2400);
  EXPECT_EQ(form->sText1->Text(), shown);
  EXPECT_EQ(GetFocus(), form->sText1->Handle());
}

}  // namespace
