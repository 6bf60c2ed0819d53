// The teacher's hands on a running sort: pause and step, the speed of the
// animation, the indicator that shows both, and the listing line that
// runs. Untouched, none of it changes the sort: the speed stays x1, no
// pause point waits and no line is marked.
//
// Keys. During an automatic sort P (or Pause), N (or the right arrow), +,
// - and L belong to the teacher wherever the focus is: a teacher who has
// clicked into the listing to point at a line must still be able to stop
// the sort, and nobody edits the program while it is being run. The
// character such a key types is dropped. Outside a sort there is nothing
// to pause or step, so only +, - and L are taken, and not while the
// listing pane has the focus: there every key types. The pupil's manual
// sort uses the mouse only and never meets these keys.
#include "app/Unit1.h"

#include <algorithm>

#include "app/CommandLine.h"
#include "controls/sBitBtn.h"
#include "controls/sPanel.h"
#include "framework/components/Application.h"
#include "framework/components/Input.h"
#include "framework/components/Windows.h"
#include "framework/stdctrls/RichEdit.h"
#include "skin/sCommonData.h"

namespace {

// The listing's bands, tints of the cells' own colours: the yellow cell's
// comparison, the green cell's new candidate, the exchange that makes a
// position done (cyan). Dark text stays readable on all three.
constexpr TColor kCompareBand = RGB(255, 255, 128);
constexpr TColor kCandidateBand = RGB(160, 255, 160);
constexpr TColor kExchangeBand = RGB(128, 255, 255);

constexpr unsigned Bit(TSortStep step) { return 1u << static_cast<unsigned>(step); }

// The indicator sits under the button column, as wide as a button.
constexpr int kIndicatorGap = 20;
constexpr int kIndicatorHeight = 36;

}  // namespace

void TForm1::SetUpTeacherControls() {
  SetKeyPreview(true);
  // Owned by the panel, not the form: the form's components are the ones
  // its description names.
  indicator_ = TComponent::Create<TsPanel>(sPanel2);
  indicator_->SetName("sIndicator");
  indicator_->SetVisible(false);
  indicator_->SkinData()->SetSkinSection("PANEL_LOW");
  indicator_->SetParentFont(false);
  *indicator_->Font() = *sBitBtn4->Font();
  indicator_->Font()->SetStyle({fsBold});
  indicator_->SetBounds(sBitBtn4->Left(), sBitBtn4->Top() + sBitBtn4->Height() + kIndicatorGap, sBitBtn4->Width(),
                        kIndicatorHeight);
  indicator_->SetParent(sPanel2);
  // The lines of each step are looked for once per text of the listing.
  sText1->OnChange = [this, previous = sText1->OnChange](TComponent* sender) {
    listingLinesValid_ = false;
    if (previous) previous(sender);
  };
}

// --- state ---

void TForm1::SetSpeedExponent(int exponent) {
  exponent = std::clamp(exponent, kSlowest, kFastest);
  if (exponent == speed_) return;
  speed_ = exponent;
  UpdateIndicator();
}

void TForm1::TogglePause() {
  if (!SortRunning()) return;
  paused_ = !paused_;
  stepsGranted_ = 0;
  UpdateIndicator();
}

void TForm1::Step() {
  if (!SortRunning()) return;
  if (paused_)
    ++stepsGranted_;
  else
    paused_ = true;  // a running sort stops at its next comparison
  UpdateIndicator();
}

void TForm1::SetFollowListing(bool on) {
  if (on == followListing_) return;
  followListing_ = on;
  UpdateRunningLines();
}

void TForm1::BeginSort() {
  if (sortDepth_++ > 0) return;
  owedEighths_ = 0;
  shownSteps_ = 0;
  exchangeUnseen_ = false;
}

void TForm1::EndSort() {
  if (--sortDepth_ > 0) return;
  // The pause, the steps and the highlight belong to the sort that ran.
  paused_ = false;
  stepsGranted_ = 0;
  shownSteps_ = 0;
  exchangeUnseen_ = false;
  UpdateRunningLines();
  UpdateIndicator();
}

void TForm1::PausePoint() {
  while (paused_ && !Application->Terminated()) {
    if (stepsGranted_ > 0) {
      --stepsGranted_;
      return;
    }
    if (OnPauseWait) OnPauseWait(this);
    if (!paused_) return;
    // When no message can ever come again there is nobody to resume: go on.
    if (!Application->HandleMessage()) return;
  }
}

// --- the running line ---

void TForm1::ShowStep(TSortStep step) {
  if (step == TSortStep::Exchange) {
    shownSteps_ = Bit(step);
    exchangeUnseen_ = true;
  } else if (step == TSortStep::Compare && exchangeUnseen_) {
    // The exchange is drawn at the next pump, together with this
    // comparison's yellow cell: both lines are marked for that moment.
    shownSteps_ = Bit(step) | Bit(TSortStep::Exchange);
    exchangeUnseen_ = false;
  } else {
    shownSteps_ = Bit(step);
  }
  UpdateRunningLines();
}

std::vector<int> TForm1::RunningLines() const {
  std::vector<int> lines;
  for (const auto& mark : sText1->ParagraphMarks()) lines.push_back(mark.Paragraph);
  std::sort(lines.begin(), lines.end());
  return lines;
}

void TForm1::UpdateRunningLines() {
  std::vector<TCustomRichEdit::TParagraphMark> marks;
  if (followListing_ && SortRunning() && shownSteps_ != 0) {
    if (!listingLinesValid_) {
      listingLines_ = FindListingLines(sText1->Document());
      listingLinesValid_ = true;
    }
    const std::pair<TSortStep, TColor> kinds[] = {
        {TSortStep::Compare, kCompareBand}, {TSortStep::Candidate, kCandidateBand}, {TSortStep::Exchange, kExchangeBand}};
    for (const auto& [step, band] : kinds)
      if (shownSteps_ & Bit(step))
        for (int line : listingLines_.Of(step)) marks.push_back({line, band});
  }
  if (!marks.empty()) {
    int first = marks.front().Paragraph, last = first;
    for (const auto& m : marks) {
      first = std::min(first, m.Paragraph);
      last = std::max(last, m.Paragraph);
    }
    sText1->ScrollParagraphsIntoView(first, last);
  }
  sText1->SetParagraphMarks(std::move(marks));
}

// --- the indicator ---

std::string TForm1::IndicatorText() const {
  const std::string speed = "×" + SpeedName(speed_);
  if (paused_) return speed_ == 0 ? "Пауза" : "Пауза  " + speed;
  if (speed_ != 0) return "Скорость " + speed;
  return {};
}

void TForm1::UpdateIndicator() {
  if (!indicator_) return;
  const std::string text = IndicatorText();
  indicator_->SetCaption(text);
  indicator_->SetVisible(!text.empty());
}

// --- keys ---

bool TForm1::TeacherKey(uint16_t key, TShiftState shift) {
  if (shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return false;
  const bool faster = key == VK_ADD || key == VK_OEM_PLUS;
  const bool slower = key == VK_SUBTRACT || key == VK_OEM_MINUS;
  const bool pause = key == 'P' || key == VK_PAUSE;
  const bool step = key == 'N' || key == VK_RIGHT;
  const bool follow = key == 'L';
  if (!faster && !slower && !pause && !step && !follow) return false;
  // "+" is a shifted key on most keyboards; Shift with the others is
  // someone typing a capital letter or extending a selection.
  if (shift.Contains(ssShift) && !faster && !slower) return false;
  if (!SortRunning() && (pause || step || sText1->Focused())) return false;
  if (pause)
    TogglePause();
  else if (step)
    Step();
  else if (faster)
    SetSpeedExponent(speed_ + 1);
  else if (slower)
    SetSpeedExponent(speed_ - 1);
  else
    SetFollowListing(!followListing_);
  return true;
}

void TForm1::KeyDown(uint16_t& key, TShiftState shift) {
  if (TeacherKey(key, shift)) {
    swallowKey_ = key;
    key = 0;
    return;
  }
  TForm::KeyDown(key, shift);
}

void TForm1::KeyPress(char32_t& key) {
  // The character a taken key types arrives while the key is still held.
  const bool taken = swallowKey_ != 0 && GetKeyState(swallowKey_) < 0;
  swallowKey_ = 0;
  if (taken) {
    key = 0;
    return;
  }
  TForm::KeyPress(key);
}

void TForm1::CMDialogKey(TMessage& m) {
  // A focused control that does not want the arrows (a button) hands them
  // to the form here, before any key preview: the step key is caught first.
  if (static_cast<int>(m.WParam) == VK_RIGHT && TeacherKey(VK_RIGHT, KeyShiftState())) {
    m.Result = 1;
    return;
  }
  TForm::CMDialogKey(m);
}
