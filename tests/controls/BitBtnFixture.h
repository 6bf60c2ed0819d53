// Skinned buttons on a white form, painted from a small hand-made skin
// whose looks are told apart by single pixels: the section's colour (the
// normal background) and hot colour (hot and pressed backgrounds), and a
// border whose three state frames are blue, red and green, each with a
// transparent top-left corner pixel outside its frame line and another
// one inside it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ControlsRegistration.h"
#include "controls/sBitBtn.h"
#include "skin/SkinManagerFixture.h"
#include "skin/sCommonData.h"
#include "skin/sMessages.h"

namespace bitbtn_test {

constexpr TColor kFormColor = RGB(250, 240, 230);
constexpr TColor kNormalColor = RGB(40, 120, 200);  // BUTTON's Color
constexpr TColor kHotColor = RGB(230, 170, 40);     // BUTTON's HotColor
constexpr TColor kTextColor = RGB(10, 10, 10);      // BUTTON's font colours
// The border frames, one per look.
constexpr TColor kNormalFrame = RGB(0, 0, 160);
constexpr TColor kHotFrame = RGB(200, 0, 0);
constexpr TColor kPressedFrame = RGB(0, 150, 0);
constexpr int kBorder = 2;  // border width on every side
constexpr int kFadeFrames = 4;

// A container that offers its cache bitmap to its children, as a skinned
// panel does, with a picture that varies with position.
class TPictureParent : public TWinControl {
 public:
  explicit TPictureParent(TWinControl* parent) : TWinControl(parent) { SetParent(parent); }
  void WndProc(TMessage& m) override {
    switch (SkinCommandCode(m)) {
      case SKC_GETCACHE:
        SharedCacheInfo = {&cache, 0, 0, true};
        return;
      case SKC_GETPOSITIONDEPENDENT:
        m.LParam = 1;
        return;
      default:
        TWinControl::WndProc(m);
    }
  }
  TBitmap cache;
};

class BitBtnFixture : public SkinManagerFixture {
 protected:
  void SetUp() override {
    SkinManagerFixture::SetUp();
    RegisterSkinnedControlClasses();
  }

  // The skin "Buttons": GLOBALINFO, BUTTON (with its border unless
  // `withBorder` is false) and PLAIN, a section without images.
  TsSkinManager* MakeSkin(bool fading = true, bool withBorder = true) {
    manager = NewManager();
    TsStoredSkin* skin = test_skins::AddSkin(*manager->InternalSkins(), "Buttons");
    test_skins::AddSection(*skin, "GLOBALINFO");
    TsSkinGeneral* button = test_skins::AddSection(*skin, "BUTTON");
    button->Color = kNormalColor;
    button->HotColor = kHotColor;
    button->FontColor = std::to_string(kTextColor) + " -1 -1 -1 -1";
    button->HotFontColor = button->FontColor;
    button->FadingEnabled = fading;
    button->FadingIterations = kFadeFrames;
    TsSkinGeneral* plain = test_skins::AddSection(*skin, "PLAIN");
    plain->Color = kNormalColor;
    plain->HotColor = kNormalColor;
    if (withBorder) {
      // Three 6 x 6 frames over their 6 x 6 opaque (black) masks. The key
      // pixel (0, 0) lies outside the frame line, (1, 1) inside it.
      TBitmap& master = skin->MasterBitmap;
      const TColor frames[] = {kNormalFrame, kHotFrame, kPressedFrame};
      for (int k = 0; k < 3; ++k)
        for (int y = 0; y < 6; ++y)
          for (int x = 0; x < 6; ++x) {
            const bool key = (x == 0 && y == 0) || (x == 1 && y == 1);
            master.SetPixel(6 * k + x, y, key ? clFuchsia : frames[k]);
            master.SetPixel(6 * k + x, 6 + y, clBlack);
          }
      TsSkinImage* border = test_skins::AddImage(*skin, "BUTTON", "BORDERSMASK", {0, 0, 18, 12}, 3, 1);
      border->BorderWidth = kBorder;
    }
    manager->SetSkinName("Buttons");
    return manager;
  }

  TForm* ShowForm(int width = 300, int height = 200) {
    form = MakeForm(width, height, kFormColor);
    form->Show();
    return form;
  }

  // A button on `parent` (the form by default) in section BUTTON.
  TsBitBtn* MakeButton(TRect bounds, const std::string& caption = "", TWinControl* parent = nullptr) {
    auto* b = TComponent::Create<TsBitBtn>(form);
    b->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    b->SetCaption(caption);
    b->SetParent(parent ? parent : form);
    b->SkinData()->SetSkinSection("BUTTON");
    b->OnClick = [this](TComponent*) { ++clicks; };
    return b;
  }

  void Flush() {
    Pump();
    UpdateAllWindows();
  }

  // What the screen shows at a point of the button's client area.
  TColor At(TControl* c, int x, int y) {
    const TPoint p = c->ClientToScreen({x, y});
    return ScreenPixel(form, p.X, p.Y);
  }
  TPoint Centre(TControl* c) {
    const TPoint p = c->ClientToScreen({c->Width() / 2, c->Height() / 2});
    return p;
  }
  // A border corner pixel: the colour of the state frame as it is (the
  // corners are copied through their mask, the edges lightened).
  TColor FrameShown(TControl* c) { return At(c, 1, 0); }

  void Move(TPoint p) {
    backend->InjectMouseMove(form->Handle(), p);
    Pump();
  }
  void Button(TPoint p, int button, bool down) {
    backend->InjectMouseButton(form->Handle(), p, button, down);
    Pump();
  }
  void Key(int vk, bool down) {
    backend->InjectKey(vk, down);
    Pump();
  }

  // The screen pixels of a control's rectangle, row by row.
  std::vector<TColor> Shot(TControl* c) {
    std::vector<TColor> out;
    for (int y = 0; y < c->Height(); ++y)
      for (int x = 0; x < c->Width(); ++x) out.push_back(At(c, x, y));
    return out;
  }

  TsSkinManager* manager = nullptr;
  TForm* form = nullptr;
  int clicks = 0;
};

// Each channel of `from` moved toward `to` as the fade mixes them: `weight`
// of 255 is all `from`.
inline TColor Mix(TColor from, TColor to, int weight) {
  auto ch = [weight](int f, int t) { return (f * weight + t * (255 - weight) + 127) >> 8; };
  return RGB(ch(GetRValue(from), GetRValue(to)), ch(GetGValue(from), GetGValue(to)),
             ch(GetBValue(from), GetBValue(to)));
}

}  // namespace bitbtn_test
