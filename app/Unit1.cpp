#include "app/Unit1.h"

#include <algorithm>

#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sSkinProvider.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "framework/components/Clock.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/stdctrls/StdCtrls.h"
#include "framework/streaming/Reader.h"
#include "skin/sSkinManager.h"

namespace {

// Cell colours of the trainer.
constexpr TColor kNeutral = clBtnFace;
constexpr TColor kDone = clAqua;
constexpr TColor kCompared = clYellow;
constexpr TColor kCandidate = clLime;

// Pauses of the animation, in milliseconds.
constexpr uint32_t kComparePause = 600;
constexpr uint32_t kCandidatePause = 300;

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) { ReadComponentResource(this, "UNIT1"); }

void TForm1::AfterConstruction() {
  TForm::AfterConstruction();
  DoCreate();
  SetUpTeacherControls();
}

const char* TForm1::ListingFileName(int order) { return order == 0 ? "возрастание.txt" : "убывание.txt"; }

std::string TForm1::ResolveListingFile(const std::string& name) {
  if (FileExists(name)) return name;
  const std::string legacy = Utf8ToCp1251(name);
  if (FileExists(legacy)) return legacy;
  return name;
}

void TForm1::Initcmd() {
  TStaticText* cells[] = {StaticText1, StaticText2, StaticText3, StaticText4, StaticText5,
                          StaticText6, StaticText7, StaticText8, StaticText9, StaticText10};
  for (int k = 1; k <= kCellCount; ++k) Cells[static_cast<size_t>(k)] = cells[k - 1];
}

void TForm1::FormCreate(TComponent*) {
  Initcmd();
  Randomize();
  const int screenWidth = Screen->Width();
  const int screenHeight = Screen->Height();
  const int w = static_cast<int>(Round(screenWidth / 10.0));
  sPanel1->SetWidth(screenWidth);
  sPanel2->SetHeight(screenHeight - sPanel1->Height());
  sText1->SetWidth(screenWidth - sPanel2->Width());
  sText1->SetHeight(screenHeight - sPanel1->Height());
  for (int k = 1; k <= kCellCount; ++k) {
    const size_t i = static_cast<size_t>(k);
    Values[i] = static_cast<uint8_t>(10 + Random(89));
    Cells[i]->SetWidth(w);
    Cells[i]->Font()->SetHeight(static_cast<int>(Round(w / 1.6)));
    Cells[i]->SetTop(0);
    Cells[i]->SetLeft((k - 1) * w);
    Cells[i]->SetColor(kNeutral);
    Cells[i]->SetCaption(IntToStr(Values[i]));
  }
  ManualMode = true;
}

void TForm1::sBitBtn1Click(TComponent*) {
  for (int k = 1; k <= kCellCount; ++k) {
    const size_t i = static_cast<size_t>(k);
    Values[i] = static_cast<uint8_t>(10 + Random(89));
    Cells[i]->SetColor(kNeutral);
    Cells[i]->SetCaption(IntToStr(Values[i]));
  }
  ManualPos = 0;
}

void TForm1::ShowValues(const std::array<uint8_t, 10>& values) {
  for (int k = 1; k <= kCellCount; ++k) {
    const size_t i = static_cast<size_t>(k);
    Values[i] = values[i - 1];
    Cells[i]->SetColor(kNeutral);
    Cells[i]->SetCaption(IntToStr(Values[i]));
  }
  ManualPos = 0;
}

void TForm1::StaticTextClick(TComponent* sender) {
  const auto t = static_cast<uint8_t>(sender->Tag());
  // Only the ten cells share this handler; any other tag would point past the row.
  if (t > kCellCount) return;
  if (t <= ManualPos) return;
  ++ManualPos;
  if (!ManualMode) return;
  const size_t p = ManualPos;
  std::swap(Values[p], Values[t]);
  Cells[p]->SetCaption(IntToStr(Values[p]));
  Cells[p]->SetColor(kDone);
  Cells[t]->SetCaption(IntToStr(Values[t]));
}

void TForm1::sBitBtn2Click(TComponent*) {
  ManualMode = false;
  sBitBtn1Click(sBitBtn1);
  if (sRadioGroup->ItemIndex() == 0) sText1->Lines()->LoadFromFile(ResolveListingFile(ListingFileName(0)));
  if (sRadioGroup->ItemIndex() == 1) sText1->Lines()->LoadFromFile(ResolveListingFile(ListingFileName(1)));
  sBitBtn4->SetEnabled(true);
}

void TForm1::sBitBtn3Click(TComponent*) {
  sText1->SetText("");
  sBitBtn4->SetEnabled(false);
  ManualMode = true;
}

void TForm1::Pause(uint32_t ms) {
  // In eighths of a millisecond: x8 makes 300 ms 37.5 ms.
  const uint64_t eighths = uint64_t{ms} * 8;
  // After a close nobody watches: a slowed sort runs out at the normal
  // speed, so the process never outlives its window longer than it does
  // untouched.
  const int speed = Application->Terminated() ? std::max(speed_, 0) : speed_;
  owedEighths_ += speed >= 0 ? eighths >> speed : eighths << -speed;
  const uint64_t whole = owedEighths_ / 8;
  owedEighths_ %= 8;
  Sleep(static_cast<uint32_t>(whole));
}

void TForm1::Pump() { Application->ProcessMessages(); }

void TForm1::SortPass(bool ascending) {
  auto better = [ascending](uint8_t a, uint8_t b) { return ascending ? a < b : a > b; };
  for (int i = 1; i <= kCellCount; ++i) {
    int m = i;
    for (int j = i + 1; j <= kCellCount; ++j) {
      Cells[static_cast<size_t>(j)]->SetColor(kCompared);
      ShowStep(TSortStep::Compare);
      Pause(kComparePause);
      Pump();
      PausePoint();
      Cells[static_cast<size_t>(j)]->SetColor(kNeutral);
      if (better(Values[static_cast<size_t>(j)], Values[static_cast<size_t>(m)])) {
        Pause(kCandidatePause);
        Pump();
        Cells[static_cast<size_t>(m)]->SetColor(kNeutral);
        m = j;
        Cells[static_cast<size_t>(m)]->SetColor(kCandidate);
        ShowStep(TSortStep::Candidate);
        Pump();
        Pause(kCandidatePause);
        Cells[static_cast<size_t>(m)]->SetColor(kNeutral);
      }
    }
    std::swap(Values[static_cast<size_t>(i)], Values[static_cast<size_t>(m)]);
    ShowStep(TSortStep::Exchange);
    Cells[static_cast<size_t>(m)]->SetCaption(IntToStr(Values[static_cast<size_t>(m)]));
    Cells[static_cast<size_t>(i)]->SetColor(kDone);
    Cells[static_cast<size_t>(i)]->SetCaption(IntToStr(Values[static_cast<size_t>(i)]));
  }
}

void TForm1::sBitBtn4Click(TComponent*) {
  BeginSort();
  struct TEnd {
    TForm1* Form;
    ~TEnd() { Form->EndSort(); }
  } end{this};
  ManualMode = false;
  for (int k = 1; k <= kCellCount; ++k) Cells[static_cast<size_t>(k)]->SetColor(kNeutral);
  if (sRadioGroup->ItemIndex() == 0) SortPass(true);
  // The order is read again: a change of selection during the first pass
  // makes a descending pass follow it.
  if (sRadioGroup->ItemIndex() == 1) SortPass(false);
}
