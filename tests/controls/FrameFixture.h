// A skinned form for the frame's tests: a small hand-made skin whose art is
// painted pixel by pixel into its master bitmap (a frame border with
// magenta corners, a title border, caption buttons whose three state frames
// are flat red, green and blue, scroll-bar pieces), a single-bordered form
// with a close and a minimize button, and its TsSkinProvider.
#pragma once

#include <gtest/gtest.h>

#include "controls/ControlsRegistration.h"
#include "controls/sSkinProvider.h"
#include "skin/SkinManagerFixture.h"

namespace frame_art {

inline constexpr TColor kFrame = RGB(20, 40, 160);        // the frame border's pixels
inline constexpr TColor kFrameColor = RGB(90, 110, 200);  // FORM's section colour
inline constexpr TColor kTitleColor = RGB(200, 210, 250); // FORMTITLE's colour
inline constexpr TColor kGlobalColor = RGB(230, 235, 245);
inline constexpr TColor kStateColors[3] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
inline constexpr TColor kEditBorder = RGB(0, 128, 128);
inline constexpr TColor kEditColor = RGB(250, 250, 240);
inline constexpr TColor kTrackColor = RGB(120, 120, 40);
inline constexpr TColor kArrowColor = RGB(40, 120, 120);
inline constexpr TColor kThumbColor = RGB(160, 40, 160);
inline constexpr TColor kKey = 0xFF00FF;

// The border rectangles in the master bitmap.
inline constexpr TRect kFormBorder{60, 0, 75, 15};   // 15 x 15, one frame, no mask: corners 5 x 5
inline constexpr TRect kTitleBorder{0, 40, 21, 70};  // 21 x 30 with a mask: corners 7 x 5
inline constexpr TRect kEditBorderRect{100, 0, 112, 12};

struct TSkinShape {
  bool Form = true;
  bool FormTitle = true;
  bool GlobalCaptionButtons = true;  // the "BICON…" images in GLOBALINFO
  bool FormCaptionButtons = true;    // the same names in FORM
  bool NarrowFrameImage = false;     // a frame image narrower than its corners
  int FrameFadeFrames = 0;           // FORM fades its caption buttons in this many frames (0: no fade)
};

}  // namespace frame_art

class FrameFixture : public SkinManagerFixture {
 protected:
  void SetUp() override {
    SkinManagerFixture::SetUp();
    RegisterRichEditClasses();
    RegisterSkinnedControlClasses();
  }

  // Paints one caption-button image: three 17 x 16 frames, flat in the
  // state colours, over an opaque mask.
  static void PaintButtonArt(TBitmap& master, TRect r) {
    const int fw = r.Width() / 3, fh = r.Height() / 2;
    for (int s = 0; s < 3; ++s)
      for (int y = 0; y < fh; ++y)
        for (int x = 0; x < fw; ++x) {
          master.SetPixel(r.Left + s * fw + x, r.Top + y, frame_art::kStateColors[s]);
          master.SetPixel(r.Left + s * fw + x, r.Top + fh + y, clBlack);
        }
  }

  TsSkinManager* MakeSkin(const frame_art::TSkinShape& shape = {}) {
    using namespace frame_art;
    using namespace test_skins;
    manager = NewManager();
    TsStoredSkin* skin = AddSkin(*manager->InternalSkins(), "Frame");
    TBitmap& master = skin->MasterBitmap;
    master.SetSize(220, 160);
    master.Fill(clSilver);
    TsSkinGeneral* global = AddSection(*skin, "GLOBALINFO");
    global->Color = kGlobalColor;
    if (shape.Form) {
      TsSkinGeneral* form = AddSection(*skin, "FORM");
      form->Color = kFrameColor;
      form->HotColor = kFrameColor;
      if (shape.FrameFadeFrames > 0) {
        form->FadingEnabled = true;
        form->FadingIterations = shape.FrameFadeFrames;
      }
      const TRect border = shape.NarrowFrameImage ? TRect{60, 0, 63, 15} : kFormBorder;
      AddImage(*skin, "FORM", "BORDERSMASK", border, 1, 0);
      for (int y = border.Top; y < border.Bottom; ++y)
        for (int x = border.Left; x < border.Right; ++x) master.SetPixel(x, y, kFrame);
      if (!shape.NarrowFrameImage) {
        // Hand-made corners: top left cut by 3 + 1 pixels, top right by 3,
        // bottom right by 2.
        for (TPoint p : {TPoint{0, 0}, TPoint{1, 0}, TPoint{2, 0}, TPoint{0, 1}, TPoint{12, 0}, TPoint{13, 0},
                         TPoint{14, 0}, TPoint{13, 14}, TPoint{14, 14}})
          master.SetPixel(kFormBorder.Left + p.X, kFormBorder.Top + p.Y, kKey);
      } else {
        master.SetPixel(60, 0, kKey);
      }
    }
    if (shape.FormTitle) {
      TsSkinGeneral* title = AddSection(*skin, "FORMTITLE");
      title->Color = kTitleColor;
      title->HotColor = kTitleColor;
      AddImage(*skin, "FORMTITLE", "BORDERSMASK", kTitleBorder, 1, 1);
      for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 21; ++x) {
          master.SetPixel(kTitleBorder.Left + x, kTitleBorder.Top + y, clWhite);
          master.SetPixel(kTitleBorder.Left + x, kTitleBorder.Top + 15 + y, clWhite);  // clear: the colour shows
        }
      // The title cuts one more pixel at each top corner.
      master.SetPixel(kTitleBorder.Left, kTitleBorder.Top, kKey);
      master.SetPixel(kTitleBorder.Left + 20, kTitleBorder.Top, kKey);
    }
    const char* names[] = {"BICONCLOSE", "BICONMIN", "BICONMAX", "BICONHELP", "BICONNORM"};
    for (int i = 0; i < 5; ++i) {
      const TRect r{i * 51, 80, i * 51 + 51, 112};
      PaintButtonArt(master, r);
      if (shape.GlobalCaptionButtons) AddImage(*skin, "GLOBALINFO", names[i], r, 3, 1, TsImgType::itisaGlyph);
    }
    if (shape.FormCaptionButtons && shape.Form)
      for (int i = 0; i < 5; ++i)
        AddImage(*skin, "FORM", names[i], {i * 30, 120, i * 30 + 30, 160}, 3, 1, TsImgType::itisaGlyph);

    TsSkinGeneral* edit = AddSection(*skin, "EDIT");
    edit->Color = kEditColor;
    edit->HotColor = kEditColor;
    AddImage(*skin, "EDIT", "BORDERSMASK", kEditBorderRect, 1, 0);
    for (int y = kEditBorderRect.Top; y < kEditBorderRect.Bottom; ++y)
      for (int x = kEditBorderRect.Left; x < kEditBorderRect.Right; ++x) master.SetPixel(x, y, kEditBorder);
    AddSection(*skin, "SCROLLBAR1V")->Color = kTrackColor;
    AddSection(*skin, "SCROLLBTNTOP")->Color = kArrowColor;
    AddSection(*skin, "SCROLLBTNBOTTOM")->Color = kArrowColor;
    TsSkinGeneral* thumb = AddSection(*skin, "SCROLLSLIDERV");
    thumb->Color = kThumbColor;
    thumb->HotColor = kThumbColor;
    for (TsSkinGeneral* s : {global}) s->HotColor = s->Color;
    manager->SetSkinName("Frame");
    return manager;
  }

  // A shown single-bordered form with system menu and minimize icons at
  // (100, 50), and its provider read as from a description.
  TForm* MakeSkinnedForm(int width = 300, int height = 200, const std::string& caption = "Сортарий") {
    form = Application->CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    form->SetBorderIcons({biSystemMenu, biMinimize});
    form->SetBounds(100, 50, width, height);
    form->SetCaption(caption);
    provider = TComponent::Create<TsSkinProvider>(form);
    provider->Loaded();
    form->Show();
    Pump();
    UpdateAllWindows();
    return form;
  }

  TColor OnScreen(int x, int y) {
    PresentAll();
    return ScreenPixel(form, x, y);
  }

  TsSkinManager* manager = nullptr;
  TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
};
