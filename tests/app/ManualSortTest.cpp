#include "AppFixture.h"

namespace {

class ManualSortTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    form->ShowValues({50, 20, 30, 40, 90, 60, 70, 80, 10, 95});
    Pump();
  }
  int Cyan() const {
    int n = 0;
    for (int k = 1; k <= 10; ++k) n += CellColor(k) == clAqua;
    return n;
  }
};

TEST_F(ManualSortTest, ClickingTheLeftmostCellFixesItInPlace) {
  ClickCell(1);
  EXPECT_EQ(form->ManualPosition(), 1);
  EXPECT_EQ(form->Value(1), 50);
  EXPECT_EQ(CellColor(1), clAqua);
  EXPECT_EQ(Cyan(), 1);
}

TEST_F(ManualSortTest, ClickingCellSevenFirstExchangesWithPositionOne) {
  ClickCell(7);
  EXPECT_EQ(form->Value(1), 70);
  EXPECT_EQ(form->Value(7), 50);
  EXPECT_EQ(CellText(1), "70");
  EXPECT_EQ(CellText(7), "50");
  EXPECT_EQ(CellColor(1), clAqua);
  EXPECT_EQ(CellColor(7), clBtnFace) << "the clicked cell keeps its colour";
}

TEST_F(ManualSortTest, DoneCellsAndCellsLeftOfThemChangeNothing) {
  ClickCell(9);  // 10 to position 1
  ClickCell(2);  // 20 stays at position 2
  const auto before = Values();
  ClickCell(1);
  ClickCell(2);
  EXPECT_EQ(Values(), before);
  EXPECT_EQ(form->ManualPosition(), 2);
}

TEST_F(ManualSortTest, TenStepsSortTheRowAndLaterClicksDoNothing) {
  // The pupil picks the smallest remaining number each time.
  for (int step = 1; step <= 10; ++step) {
    int best = step;
    for (int k = step + 1; k <= 10; ++k)
      if (form->Value(k) < form->Value(best)) best = k;
    ClickCell(best);
  }
  EXPECT_EQ(Values(), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 95}));
  EXPECT_EQ(Cyan(), 10);
  EXPECT_EQ(form->ManualPosition(), 10);
  ClickCell(10);
  EXPECT_EQ(form->ManualPosition(), 10);
}

TEST_F(ManualSortTest, ClicksWhileTheListingIsShownOnlyAdvanceThePosition) {
  ClickControl(form->sBitBtn2);
  ASSERT_FALSE(form->IsManualMode());
  form->ShowValues({50, 20, 30, 40, 90, 60, 70, 80, 10, 95});
  const auto before = Values();
  ClickCell(8);
  ClickCell(9);
  ClickCell(10);
  EXPECT_EQ(Values(), before) << "no exchange while manual sorting is off";
  EXPECT_EQ(form->ManualPosition(), 3);
  ClickControl(form->sBitBtn3);
  EXPECT_TRUE(form->IsManualMode());
  ClickCell(9);
  EXPECT_EQ(form->ManualPosition(), 4);
  EXPECT_EQ(form->Value(4), 10);
  EXPECT_EQ(CellColor(4), clAqua);
}

TEST_F(ManualSortTest, WrongOrderLeavesTheRowUnsortedButMarked) {
  ClickCell(5);  // 90 first
  ClickCell(2);
  EXPECT_EQ(form->Value(1), 90);
  EXPECT_EQ(Cyan(), 2);
}

TEST_F(ManualSortTest, FillAfterAPartialSortStartsOver) {
  ClickCell(3);
  ClickCell(4);
  ClickControl(form->sBitBtn1);
  EXPECT_EQ(form->ManualPosition(), 0);
  EXPECT_EQ(Cyan(), 0);
  EXPECT_TRUE(form->IsManualMode()) << "the fill leaves the mode alone";
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(CellText(k), std::to_string(form->Value(k)));
  const int first = form->Value(4);
  ClickCell(4);
  EXPECT_EQ(form->Value(1), first);
  EXPECT_EQ(form->ManualPosition(), 1);
}

TEST_F(ManualSortTest, SenderWithATagPastTheRowIsIgnored) {
  // The handler indexes the row by the sender's tag; a tag past the ten
  // cells must not reach memory beyond the row.
  TComponent stray(nullptr);
  const auto before = Values();
  for (intptr_t tag : {11, 200, 255}) {
    stray.SetTag(tag);
    form->StaticTextClick(&stray);
  }
  EXPECT_EQ(Values(), before);
  EXPECT_EQ(form->ManualPosition(), 0);
  // The tag is read as a byte: 259 reads as 3, a step like a click on cell 3.
  stray.SetTag(256 + 3);
  form->StaticTextClick(&stray);
  EXPECT_EQ(form->ManualPosition(), 1);
  EXPECT_EQ(form->Value(1), 30);
  EXPECT_EQ(form->Value(3), 50);
}

TEST_F(ManualSortTest, ModeTableShowHideAndSort) {
  struct Row {
    const char* operation;
    bool manual;
    int pos;
    bool sortEnabled;
  };
  ClickCell(3);
  const Row afterClick{"cell click", true, 1, false};
  EXPECT_EQ(form->IsManualMode(), afterClick.manual);
  EXPECT_EQ(form->ManualPosition(), afterClick.pos);

  ClickControl(form->sBitBtn2);  // show
  EXPECT_FALSE(form->IsManualMode());
  EXPECT_EQ(form->ManualPosition(), 0);
  EXPECT_TRUE(form->sBitBtn4->Enabled());
  EXPECT_NE(form->sText1->Text().find("SortAscending"), std::string::npos);

  ClickCell(5);
  const auto shown = Values();
  ClickControl(form->sBitBtn3);  // hide
  EXPECT_TRUE(form->IsManualMode());
  EXPECT_EQ(form->ManualPosition(), 1) << "hide leaves the position";
  EXPECT_FALSE(form->sBitBtn4->Enabled());
  EXPECT_EQ(Values(), shown);
  EXPECT_EQ(form->sText1->Text(), "");

  ClickControl(form->sBitBtn2);  // show again, then sort
  ClickControl(form->sBitBtn4);
  EXPECT_FALSE(form->IsManualMode());
  EXPECT_EQ(form->ManualPosition(), 0);
  EXPECT_TRUE(form->sBitBtn4->Enabled());
  EXPECT_EQ(Cyan(), 10);
  auto v = Values();
  EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
}

}  // namespace
