// The trainer's main window: a row of ten number cells, the button column,
// the order selector and the listing pane. The window is created from its
// compiled-in description; the handlers below are bound to it by name.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/ListingLines.h"
#include "framework/components/Forms.h"

class TsPanel;
class TsBitBtn;
class TsRadioGroup;
class TsSkinManager;
class TsSkinProvider;
class TStaticText;
class TRichEdit;

class TForm1 : public TForm {
 public:
  SORTARIUM_CLASS(TForm1)
  // Creates the window from its description and runs FormCreate.
  explicit TForm1(TComponent* owner);
  void AfterConstruction() override;

  // Published fields, in declaration order.
  TsPanel* sPanel1 = nullptr;
  TStaticText* StaticText1 = nullptr;
  TStaticText* StaticText2 = nullptr;
  TStaticText* StaticText3 = nullptr;
  TStaticText* StaticText4 = nullptr;
  TStaticText* StaticText5 = nullptr;
  TStaticText* StaticText6 = nullptr;
  TStaticText* StaticText7 = nullptr;
  TStaticText* StaticText8 = nullptr;
  TStaticText* StaticText9 = nullptr;
  TStaticText* StaticText10 = nullptr;
  TsSkinManager* sSkinManager1 = nullptr;
  TsSkinProvider* sSkinProvider1 = nullptr;
  TsPanel* sPanel2 = nullptr;
  TsBitBtn* sBitBtn1 = nullptr;
  TsRadioGroup* sRadioGroup = nullptr;
  TsBitBtn* sBitBtn2 = nullptr;
  TsBitBtn* sBitBtn3 = nullptr;
  TsBitBtn* sBitBtn4 = nullptr;
  TRichEdit* sText1 = nullptr;

  // Published methods.
  void Initcmd();
  void StaticTextClick(TComponent* sender);
  void FormCreate(TComponent* sender);
  void sBitBtn1Click(TComponent* sender);
  void sBitBtn3Click(TComponent* sender);
  void sBitBtn2Click(TComponent* sender);
  void sBitBtn4Click(TComponent* sender);

  // The trainer's state, read by tools and tests.
  uint8_t Value(int position) const { return Values[static_cast<size_t>(position)]; }
  TStaticText* Cell(int position) const { return Cells[static_cast<size_t>(position)]; }
  bool IsManualMode() const { return ManualMode; }
  int ManualPosition() const { return ManualPos; }
  // Puts given numbers into the row, as a fill would (a demonstration aid).
  void ShowValues(const std::array<uint8_t, 10>& values);

  static constexpr int kCellCount = 10;
  // The listing file of each order, as named in the current directory.
  static const char* ListingFileName(int order);

  // --- the teacher's hands on a running sort (TeacherControls.cpp) ---
  // The speed is a power of two: at exponent e every pause of the animation
  // lasts 2^-e times its length, from x1/8 (-3) to x8 (3); 0 is the
  // animation's own pace.
  static constexpr int kSlowest = -3, kFastest = 3;
  int SpeedExponent() const { return speed_; }
  void SetSpeedExponent(int exponent);
  bool SortRunning() const { return sortDepth_ > 0; }
  bool Paused() const { return paused_; }
  // P: pauses a running sort at its next comparison, or lets it go on.
  void TogglePause();
  // N: lets one more comparison run and pauses again (a running sort
  // pauses at its next comparison).
  void Step();
  // The listing line of the step the sort is doing, highlighted (L).
  bool FollowsListing() const { return followListing_; }
  void SetFollowListing(bool on);
  // The highlighted listing lines (paragraph indices), in listing order.
  std::vector<int> RunningLines() const;
  // What the indicator below the buttons says; empty while it is hidden.
  std::string IndicatorText() const;
  // Called while a paused sort waits, before each wait for a message: a
  // player of scripts, with nobody at the keyboard, lifts a pause there
  // that nothing is left to lift.
  TNotifyEvent OnPauseWait;

 protected:
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char32_t& key) override;
  void CMDialogKey(TMessage& m) override;

 private:
  // Selection sort over positions 1..10 with the pauses and pumps that make
  // every comparison and every new candidate visible.
  void SortPass(bool ascending);
  void Pause(uint32_t ms);
  void Pump();

  // Key preview, the indicator under the buttons, and the listing's
  // change watch.
  void SetUpTeacherControls();
  // A sort starts and ends; the end of the outermost one lifts its pause
  // and its highlight.
  void BeginSort();
  void EndSort();
  // Where a paused sort waits: after a comparison's pump, while the
  // compared cell shows yellow.
  void PausePoint();
  // The step the sort does now, for the listing's highlight.
  void ShowStep(TSortStep step);
  void UpdateRunningLines();
  void UpdateIndicator();
  // Whether a key is the teacher's now (and does its work).
  bool TeacherKey(uint16_t key, TShiftState shift);
  // The file to open for a listing name: the name itself, or the same name
  // in code page 1251 bytes when only that one exists.
  static std::string ResolveListingFile(const std::string& name);

  std::array<TStaticText*, kCellCount + 1> Cells{};  // 1..10
  std::array<uint8_t, kCellCount + 1> Values{};      // 1..10
  bool ManualMode = false;
  uint8_t ManualPos = 0;

  // The teacher's controls.
  int speed_ = 0;
  int sortDepth_ = 0;  // nested sorts count each
  bool paused_ = false;
  int stepsGranted_ = 0;
  // Scaled pauses are counted in eighths of a millisecond, and what a
  // pause could not take (half a millisecond of 300 ms at x8) is added to
  // the next, so a fast sort keeps its exact total.
  uint64_t owedEighths_ = 0;
  bool followListing_ = false;
  // The steps the highlight shows: one, or the comparison together with
  // an exchange that becomes visible at the same pump.
  unsigned shownSteps_ = 0;
  bool exchangeUnseen_ = false;
  // The listing's lines of each step, found again when its text changes.
  TListingLines listingLines_;
  bool listingLinesValid_ = false;
  // A key the teacher's keys took: the character it types is dropped too.
  uint16_t swallowKey_ = 0;
  TsPanel* indicator_ = nullptr;
};

// Registers TForm1 and its published fields and methods with the reader.
void RegisterUnit1Classes();
