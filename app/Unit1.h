// The trainer's main window: a row of ten number cells, the button column,
// the order selector and the listing pane. The window is created from its
// compiled-in description; the handlers below are bound to it by name.
#pragma once

#include <array>
#include <cstdint>
#include <string>

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

 private:
  // Selection sort over positions 1..10 with the pauses and pumps that make
  // every comparison and every new candidate visible.
  void SortPass(bool ascending);
  void Pause(uint32_t ms);
  void Pump();
  // The file to open for a listing name: the name itself, or the same name
  // in code page 1251 bytes when only that one exists.
  static std::string ResolveListingFile(const std::string& name);

  std::array<TStaticText*, kCellCount + 1> Cells{};  // 1..10
  std::array<uint8_t, kCellCount + 1> Values{};      // 1..10
  bool ManualMode = false;
  uint8_t ManualPos = 0;
};

// Registers TForm1 and its published fields and methods with the reader.
void RegisterUnit1Classes();
