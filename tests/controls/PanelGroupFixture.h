// A running framework with the skinned controls registered, a form to put
// them on, and a small hand-made skin whose every colour is distinct, so a
// pixel read back tells which part of which image put it there.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/ControlsRegistration.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "controls/sRadioButton.h"
#include "framework/components/Forms.h"
#include "framework/components/Windows.h"
#include "skin/SkinManagerFixture.h"
#include "skin/pixels/sGraphUtils.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

namespace panel_group {

constexpr TColor kFormColor = RGB(40, 60, 80);
constexpr TColor kPanel = RGB(200, 210, 220);   // PANEL's colour
constexpr TColor kBorder = RGB(10, 20, 150);    // PANEL's border
constexpr TColor kFrame = RGB(150, 30, 30);     // GROUPBOX's border
// The radio glyphs, one colour per frame: normal, hot, pressed.
constexpr TColor kOff[3] = {RGB(1, 200, 1), RGB(2, 201, 2), RGB(3, 202, 3)};
constexpr TColor kOn[3] = {RGB(200, 1, 1), RGB(201, 2, 2), RGB(202, 3, 3)};
constexpr int kGlyph = 4;  // the glyphs are 4 x 4

// The pieces of the test skin a test may leave out.
struct TSkinShape {
  bool PanelBorder = true;
  bool RadioGlyphs = true;
};

inline void FillRect(TBitmap& bmp, TRect r, TColor c) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) bmp.SetPixel(x, y, c);
}

// A 6 x 6 border image at `at`: two pixels of `color` round a transparent middle.
inline void DrawBorderArt(TBitmap& master, TPoint at, TColor color) {
  FillRect(master, TRect::FromBounds(at.X, at.Y, 6, 6), color);
  FillRect(master, TRect::FromBounds(at.X + 2, at.Y + 2, 2, 2), kKeyColor);
}

}  // namespace panel_group

class PanelGroupFixture : public SkinManagerFixture {
 protected:
  struct TBounds {
    int Left, Top, Width, Height;
  };

  void SetUp() override {
    SkinManagerFixture::SetUp();
    RegisterSkinnedControlClasses();
    form = MakeForm(240, 180, panel_group::kFormColor);
  }
  void TearDown() override {
    SharedCacheInfo = {};
    SkinManagerFixture::TearDown();
  }

  // Skin "Test" in a new manager, the default one:
  //  GLOBALINFO with the glyphs RADIOUNCHECKED (kOff) and RADIOCHECKED (kOn),
  //  PANEL in kPanel with a 2-pixel kBorder border,
  //  GROUPBOX, CHECKBOX and RADIOBUTTON seeing through to their parent
  //  (GROUPBOX with a 2-pixel kFrame border).
  TsSkinManager* MakeSkin(panel_group::TSkinShape shape = {}, bool active = true) {
    using namespace panel_group;
    using namespace test_skins;
    TsSkinManager* manager = NewManager();
    if (!active) manager->SetActive(false);
    TsStoredSkin* skin = AddSkin(*manager->InternalSkins(), "Test");
    TBitmap& master = skin->MasterBitmap;
    master.SetSize(30, 20);
    master.Fill(clSilver);
    AddSection(*skin, "GLOBALINFO");
    TsSkinGeneral* panel = AddSection(*skin, "PANEL");
    panel->Color = kPanel;
    if (shape.PanelBorder) {
      DrawBorderArt(master, {0, 0}, kBorder);
      AddImage(*skin, "PANEL", "BORDERSMASK", {0, 0, 6, 6})->BorderWidth = 2;
    }
    TsSkinGeneral* group = AddSection(*skin, "GROUPBOX");
    group->Transparency = 100;
    DrawBorderArt(master, {6, 0}, kFrame);
    AddImage(*skin, "GROUPBOX", "BORDERSMASK", {6, 0, 12, 6})->BorderWidth = 2;
    AddSection(*skin, "CHECKBOX")->Transparency = 100;
    TsSkinGeneral* radio = AddSection(*skin, "RADIOBUTTON");
    radio->Transparency = 100;
    radio->HotTransparency = 100;
    if (shape.RadioGlyphs) {
      for (int state = 0; state < 3; ++state) {
        FillRect(master, TRect::FromBounds(state * kGlyph, 6, kGlyph, kGlyph), kOff[state]);
        FillRect(master, TRect::FromBounds(12 + state * kGlyph, 6, kGlyph, kGlyph), kOn[state]);
      }
      AddImage(*skin, "GLOBALINFO", "RADIOUNCHECKED", {0, 6, 12, 10}, 3, 0, TsImgType::itisaGlyph);
      AddImage(*skin, "GLOBALINFO", "RADIOCHECKED", {12, 6, 24, 10}, 3, 0, TsImgType::itisaGlyph);
    }
    manager->SetSkinName("Test");
    return manager;
  }

  // A control of class T at `bounds` (left, top, width, height) in `parent`.
  template <class T>
  T* Make(TWinControl* parent, TBounds bounds) {
    T* control = TComponent::Create<T>(form);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    control->SetParent(parent);
    return control;
  }

  TsRadioGroup* MakeGroup(TWinControl* parent, TBounds bounds, std::vector<std::string> items, int itemIndex = -1) {
    auto* group = Make<TsRadioGroup>(parent, bounds);
    group->SetCaption("Order");
    TStringList list;
    for (const std::string& item : items) list.Add(item);
    group->Items()->Assign(list);
    group->SetItemIndex(itemIndex);
    return group;
  }

  // Every pending paint done, then the form's picture as it is drawn.
  std::vector<TColor> Snapshot() {
    Pump();
    UpdateAllWindows();
    return test_skins::Pixels(*WindowFramebuffer(form->Handle()));
  }
  // A pixel of the form's client area as drawn now (no pump).
  TColor Drawn(int x, int y) { return WindowFramebuffer(form->Handle())->Pixel(x, y); }

  TForm* form = nullptr;
};
