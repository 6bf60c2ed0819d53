#include <filesystem>
#include <functional>
#include <optional>

#include "AutoSortFixture.h"
#include "controls/sRadioButton.h"
#include "framework/components/Windows.h"
#include "framework/base/SysUtils.h"

namespace {

class AutoSortTest : public AutoSortFixture {};

TEST_F(AutoSortTest, SortedRowTakesTwentySevenSecondsAndTheYellowMarkShowsOneStepLate) {
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  EXPECT_EQ(Sort(), 27000u) << "45 comparisons of 600 ms each";
  EXPECT_TRUE(Of('c', clLime).empty()) << "no change of candidate in a sorted row";
  // Cell 2 turns yellow at once, is drawn yellow at the pump after its own
  // pause and drawn neutral again at the following pump.
  const std::vector<Event> expectedStart = {
      {0, 'c', 2, clYellow},  {600, 'p', 2, clYellow},  {600, 'c', 2, clBtnFace},
      {600, 'c', 3, clYellow}, {1200, 'p', 2, clBtnFace}, {1200, 'p', 3, clYellow},
  };
  ASSERT_GE(events.size(), expectedStart.size());
  EXPECT_EQ(std::vector<Event>(events.begin(), events.begin() + 6), expectedStart);
  // Each position turns cyan in turn, after its comparisons.
  const auto cyan = Of('c', clAqua);
  ASSERT_EQ(cyan.size(), 10u);
  uint64_t t = 0;
  for (int i = 1; i <= 10; ++i) {
    t += 600u * static_cast<uint64_t>(10 - i);
    EXPECT_EQ(cyan[static_cast<size_t>(i - 1)], (Event{t, 'c', i, clAqua}));
  }
  EXPECT_EQ(CountColor(clAqua), 10);
}

// An expose of the whole window (frame, client area and every child) with
// nothing changed finds every kept picture on screen: the cells, the
// listing and the skinned controls copy nothing, and no pixel changes.
TEST_F(AutoSortTest, AnExposeWithNothingChangedCopiesNoPicture) {
  Arm({50, 20, 90, 10, 70, 30, 60, 80, 40, 15});
  UpdateAllWindows();
  const TBitmap& screen = *WindowFramebuffer(form->Handle());
  const std::vector<uint8_t> before(screen.Bits(), screen.Bits() + screen.RowBytes() * screen.Height());
  // A first expose copies what the last changes left unknown.
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
  UpdateAllWindows();
  const TPaintCounts start = PaintCounts();
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
  UpdateAllWindows();
  const TPaintCounts end = PaintCounts();
  const std::vector<uint8_t> after(screen.Bits(), screen.Bits() + screen.RowBytes() * screen.Height());
  EXPECT_TRUE(before == after) << "an expose changed pixels";
  // Ten cells, the listing, two panels, four buttons, the radio group and
  // its two items.
  EXPECT_GE(end.PicturesKept - start.PicturesKept, 20u);
}

// Every colour a cell is painted in during the sort is on the framebuffer
// when its paint ends: no kept picture stands in for a changed one.
TEST_F(AutoSortTest, EveryPaintedColourReachesTheFramebuffer) {
  Arm({50, 20, 90, 10, 70, 30, 60, 80, 40, 15});
  const TBitmap& screen = *WindowFramebuffer(form->Handle());
  int paints = 0, wrong = 0;
  onPaint = [&] {
    const Event& e = events.back();
    TStaticText* cell = form->Cell(e.cell);
    // Just inside the border, where no digit reaches.
    const TPoint p = cell->ClientOrigin();
    const TPoint at{p.X - form->Left() + 3, p.Y - form->Top() + 3};
    ++paints;
    wrong += screen.Pixel(at.X, at.Y) != ColorToRGB(e.color);
  };
  Sort();
  onPaint = nullptr;
  EXPECT_GT(paints, 100);
  EXPECT_EQ(wrong, 0);
}

// Only the cells change during an automatic sort: from its first colour
// change to its last, every paint is a cell's own, reaches that cell alone,
// and no skinned cache is rebuilt.
TEST_F(AutoSortTest, StepsRepaintOnlyTheChangedCells) {
  Arm({50, 20, 90, 10, 70, 30, 60, 80, 40, 15});
  // The mouse leaves the buttons, and their fades end before the sort.
  backend->InjectMouseMove(form->Handle(), {form->Width() / 2, form->Height() - 20});
  for (int i = 0; i < 40; ++i) {
    backend->Advance(50);
    Pump();
  }
  std::vector<TsCommonData*> skinned;
  std::function<void(TWinControl&)> collect = [&](TWinControl& container) {
    for (int i = 0; i < container.ControlCount(); ++i) {
      TControl* c = container.Controls(i);
      if (auto* p = dynamic_cast<TsPanel*>(c)) skinned.push_back(p->SkinData());
      if (auto* b = dynamic_cast<TsBitBtn*>(c)) skinned.push_back(b->SkinData());
      if (auto* g = dynamic_cast<TsGroupBox*>(c)) skinned.push_back(g->SkinData());
      if (auto* r = dynamic_cast<TsRadioButton*>(c)) skinned.push_back(r->SkinData());
      if (auto* w = dynamic_cast<TWinControl*>(c)) collect(*w);
    }
  };
  collect(*form);
  // What had happened by a moment of the sort.
  struct Mark {
    TPaintCounts counts;
    uint64_t builds = 0, cellPaints = 0, cellPixels = 0;
  };
  Mark now, first, last;
  bool started = false;
  uint64_t tooLarge = 0;
  auto take = [&] {
    now.counts = PaintCounts();
    now.builds = 0;
    for (const TsCommonData* d : skinned) now.builds += d->CacheBuilds;
    return now;
  };
  std::vector<std::function<void(TMessage&)>> originals;
  for (int k = 1; k <= 10; ++k) {
    TStaticText* cell = form->Cell(k);
    originals.push_back(cell->WindowProc);
    cell->WindowProc = [&, cell, previous = cell->WindowProc](TMessage& m) {
      const uint64_t before = PaintCounts().PaintedPixels;
      previous(m);
      if (m.Msg == CM_COLORCHANGED) {
        last = take();
        if (!started) first = last;
        started = true;
      }
      if (m.Msg != WM_PAINT || m.WParam != 0) return;
      const uint64_t pixels = PaintCounts().PaintedPixels - before;
      ++now.cellPaints;
      now.cellPixels += pixels;
      tooLarge += pixels > static_cast<uint64_t>(cell->Width()) * static_cast<uint64_t>(cell->Height());
    };
  }
  form->sBitBtn4Click(form->sBitBtn4);  // the sort itself, without the button's looks of a click
  Pump();
  for (int k = 1; k <= 10; ++k) form->Cell(k)->WindowProc = originals[static_cast<size_t>(k - 1)];

  ASSERT_TRUE(started);
  const uint64_t paints = last.cellPaints - first.cellPaints;
  EXPECT_GT(paints, 45u);
  EXPECT_EQ(last.counts.ClientPaints - first.counts.ClientPaints, paints) << "no window but the cells painted";
  EXPECT_EQ(last.counts.FramePaints, first.counts.FramePaints);
  EXPECT_EQ(last.counts.DeviceContexts - first.counts.DeviceContexts, paints) << "nothing drew outside a cell's paint";
  EXPECT_EQ(last.counts.PaintedPixels - first.counts.PaintedPixels, last.cellPixels - first.cellPixels);
  EXPECT_EQ(tooLarge, 0u) << "a cell's paint reached past the cell";
  EXPECT_EQ(last.builds, first.builds) << "a skinned cache was rebuilt";
  EXPECT_LE(last.counts.RegionsComputed - first.counts.RegionsComputed, 10u)
      << "each cell's region is computed at most once";
  EXPECT_EQ(Values(), (std::vector<int>{10, 15, 20, 30, 40, 50, 60, 70, 80, 90}));
}

TEST_F(AutoSortTest, EqualNumbersDoNotMoveTheCandidate) {
  Arm({50, 20, 20, 10, 60, 70, 80, 90, 95, 98});
  EXPECT_EQ(Sort(), 27000u + 2 * 600u) << "two changes of candidate, 0.6 s each";
  const auto lime = Of('c', clLime);
  ASSERT_EQ(lime.size(), 2u);
  EXPECT_EQ(lime[0], (Event{900, 'c', 2, clLime})) << "the first 20 becomes the candidate";
  EXPECT_EQ(lime[1].cell, 4) << "then 10; the second 20 is only compared";
  const auto yellowCell3 = std::count_if(events.begin(), events.end(), [](const Event& e) {
    return e.kind == 'c' && e.cell == 3 && e.color == clYellow;
  });
  EXPECT_GE(yellowCell3, 1);
  // The green mark stays for its 300 ms pause and the next 600 ms comparison.
  const auto painted = std::find(events.begin(), events.end(), Event{900, 'p', 2, clLime});
  EXPECT_NE(painted, events.end());
  EXPECT_NE(std::find(events.begin(), events.end(), Event{1800, 'p', 2, clBtnFace}), events.end());
  EXPECT_EQ(Values(), (std::vector<int>{10, 20, 20, 50, 60, 70, 80, 90, 95, 98}));
}

TEST_F(AutoSortTest, DescendingRowSortedDescendingMarksNoCandidate) {
  form->sRadioGroup->SetItemIndex(1);
  Arm({98, 90, 80, 70, 60, 50, 40, 30, 20, 10});
  EXPECT_EQ(Sort(), 27000u);
  EXPECT_TRUE(Of('c', clLime).empty());
  const auto cyan = Of('c', clAqua);
  ASSERT_EQ(cyan.size(), 10u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(cyan[static_cast<size_t>(i)].cell, i + 1) << "left to right";
  EXPECT_EQ(Values(), (std::vector<int>{98, 90, 80, 70, 60, 50, 40, 30, 20, 10}));
}

// Descending, too, an equal number is only compared: the candidate moves
// to the first 70 and then to 90, never to the second 70, and the run time
// has exactly two changes of candidate in it.
TEST_F(AutoSortTest, DescendingEqualNumbersDoNotMoveTheCandidate) {
  form->sRadioGroup->SetItemIndex(1);
  Arm({50, 70, 70, 90, 40, 30, 20, 15, 12, 10});
  EXPECT_EQ(Sort(), 27000u + 2 * 600u);
  const auto lime = Of('c', clLime);
  ASSERT_EQ(lime.size(), 2u);
  EXPECT_EQ(lime[0].cell, 2);
  EXPECT_EQ(lime[1].cell, 4) << "the second 70 is only compared";
  EXPECT_EQ(Values(), (std::vector<int>{90, 70, 70, 50, 40, 30, 20, 15, 12, 10}));
}

TEST_F(AutoSortTest, ChangingTheOrderDuringTheFirstPassAddsADescendingPass) {
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  ClickDuringSort(1000, form->sRadioGroup->Controls(1));
  const uint64_t took = Sort();
  ASSERT_EQ(form->sRadioGroup->ItemIndex(), 1);
  EXPECT_EQ(took, 2 * 27000u + 600u * Of('c', clLime).size());
  EXPECT_FALSE(Of('c', clLime).empty());
  EXPECT_EQ(Values(), (std::vector<int>{20, 19, 18, 17, 16, 15, 14, 13, 12, 11}));
}

TEST_F(AutoSortTest, FillDuringTheSortGivesTheRestOfThePassNewNumbers) {
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  ClickDuringSort(7000, form->sBitBtn1);  // during position 2
  Sort();
  EXPECT_EQ(CellColor(1), clBtnFace) << "the fill cleared position 1, the pass had left it";
  for (int k = 2; k <= 10; ++k) EXPECT_EQ(CellColor(k), clAqua);
  auto v = Values();
  EXPECT_TRUE(std::is_sorted(v.begin() + 1, v.end())) << "positions 2..10 were sorted from the new numbers";
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(CellText(k), std::to_string(form->Value(k)));
}

TEST_F(AutoSortTest, SecondSortDuringAPumpRunsToItsEndFirst) {
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  ClickDuringSort(1000, form->sBitBtn4);
  EXPECT_EQ(Sort(), 2 * 27000u) << "the nested sort, then the rest of the outer one";
  EXPECT_EQ(CountColor(clAqua), 10);
}

TEST_F(AutoSortTest, HideDuringTheSortTurnsManualSortingBackOn) {
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  ClickDuringSort(1000, form->sBitBtn3);
  ClickDuringSort(2000, form->Cell(9), TPoint{5, 5});
  Sort();
  EXPECT_FALSE(form->sBitBtn4->Enabled());
  EXPECT_TRUE(form->IsManualMode()) << "the sort does not switch it off again";
  EXPECT_EQ(form->ManualPosition(), 1) << "the cell click between steps was a manual step";
}

TEST_F(AutoSortTest, LastPositionIsOnlyExchangedWithItself) {
  Arm({11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  Sort();
  const auto yellow10 = std::count_if(events.begin(), events.end(), [](const Event& e) {
    return e.kind == 'c' && e.cell == 10 && e.color == clYellow;
  });
  EXPECT_EQ(yellow10, 9) << "cell 10 is compared once for each of positions 1..9, never as position 10";
  EXPECT_EQ(Of('c', clAqua).back(), (Event{27000, 'c', 10, clAqua}));
}

class ListingTest : public AppFixture {};

TEST_F(ListingTest, MissingListingShowsTheErrorAndGoesOn) {
  std::filesystem::remove("возрастание.txt");
  const auto before = Values();
  ClickControl(form->sBitBtn2);
  ASSERT_EQ(backend->MessageBoxes().size(), 1u);
  EXPECT_EQ(backend->MessageBoxes()[0].Caption, "Сортарий");
  EXPECT_EQ(backend->MessageBoxes()[0].Text, "Cannot open file возрастание.txt.");
  EXPECT_NE(Values(), before) << "the row was refilled before the load failed";
  EXPECT_FALSE(form->IsManualMode());
  EXPECT_EQ(form->sText1->Text(), "");
  EXPECT_FALSE(form->sBitBtn4->Enabled());
  ClickControl(form->sBitBtn1);
  EXPECT_EQ(backend->MessageBoxes().size(), 1u) << "the program goes on";
}

TEST_F(ListingTest, DescendingListingIsLoadedAndNotReloadedOnSelection) {
  form->sRadioGroup->SetItemIndex(1);
  ClickControl(form->sBitBtn2);
  EXPECT_NE(form->sText1->Text().find("SortDescending"), std::string::npos);
  form->sRadioGroup->SetItemIndex(0);
  Pump();
  EXPECT_NE(form->sText1->Text().find("SortDescending"), std::string::npos);
}

TEST_F(ListingTest, ListingStoredUnderItsCodePageName) {
  std::filesystem::rename("возрастание.txt", Utf8ToCp1251("возрастание.txt"));
  ClickControl(form->sBitBtn2);
  EXPECT_TRUE(backend->MessageBoxes().empty());
  EXPECT_NE(form->sText1->Text().find("SortAscending"), std::string::npos);
  EXPECT_NE(form->sText1->Text().find("Сортировка выбором"), std::string::npos) << "code page 1251 in RTF";
}

TEST_F(ListingTest, HideEmptiesThePaneEvenAfterTyping) {
  ClickControl(form->sBitBtn2);
  ClickControl(form->sText1);
  backend->InjectText("добавлено");
  Pump();
  EXPECT_NE(form->sText1->Text().find("добавлено"), std::string::npos);
  ClickControl(form->sBitBtn3);
  EXPECT_EQ(form->sText1->Text(), "");
}

}  // namespace
