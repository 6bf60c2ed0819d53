// The skinned radio button: its glyph by check and state, the check by
// mouse and keyboard, read-only buttons, and a skin without glyph images.
#include "controls/sRadioButton.h"

#include <gtest/gtest.h>

#include <vector>

#include "PanelGroupFixture.h"
#include "framework/messages/Messages.h"

namespace {

using namespace panel_group;

class RadioButtonTest : public PanelGroupFixture {
 protected:
  // A radio button captioned "Pick" at (10, 10) in a 200 x 100 panel,
  // and a push button that has the focus.
  TsRadioButton* MakeRadio() {
    auto* panel = Make<TsPanel>(form, {0, 0, 200, 100});
    other = Make<TButton>(panel, {150, 70, 40, 20});
    auto* radio = Make<TsRadioButton>(panel, {10, 10, 120, 24});
    radio->SetCaption("Pick");
    radio->OnClick = [this](TComponent*) { ++clicks; };
    form->Show();
    Snapshot();
    return radio;
  }
  // The glyph's colour on screen (its rectangle's middle).
  TColor GlyphOnScreen(TsRadioButton* radio) {
    Snapshot();
    const TRect r = radio->SkinGlyphRect();
    return Drawn(radio->Left() + r.Left + 1, radio->Top() + r.Top + 1);
  }
  void Mouse(TPoint p, bool down) {
    backend->InjectMouseButton(form->Handle(), p, 0, down);
    Pump();
  }
  int clicks = 0;
  TButton* other = nullptr;
};

}  // namespace

// The glyph shows the check, and within it the state: normal, hot under the
// mouse or with the focus, pressed while the button is held. Releasing the
// button checks it and reports one click; a checked button reports none.
TEST_F(RadioButtonTest, GlyphFollowsTheCheckAndTheState) {
  MakeSkin();
  TsRadioButton* radio = MakeRadio();
  EXPECT_EQ(radio->SkinGlyphRect(), TRect::FromBounds(2, (24 - kGlyph) / 2, kGlyph, kGlyph));
  ASSERT_TRUE(other->Focused());
  EXPECT_EQ(GlyphOnScreen(radio), kOff[0]);

  const TPoint inside{10 + 60, 10 + 12};
  backend->InjectMouseMove(form->Handle(), inside);
  Pump();
  EXPECT_EQ(GlyphOnScreen(radio), kOff[1]) << "hot under the mouse";
  Mouse(inside, true);
  EXPECT_EQ(GlyphOnScreen(radio), kOff[2]) << "pressed";
  EXPECT_FALSE(radio->Checked());
  EXPECT_EQ(clicks, 0);
  Mouse(inside, false);
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GlyphOnScreen(radio), kOn[1]) << "checked, hot";
  EXPECT_TRUE(radio->Focused());

  Mouse(inside, true);
  EXPECT_EQ(GlyphOnScreen(radio), kOn[2]);
  Mouse(inside, false);
  EXPECT_EQ(clicks, 1) << "a checked button reports no new click";
  EXPECT_EQ(GlyphOnScreen(radio), kOn[1]);

  radio->SetEnabled(false);
  const TColor disabled = GlyphOnScreen(radio);
  EXPECT_NE(disabled, kOn[0]);
  EXPECT_NE(disabled, kPanel);
  radio->SetEnabled(true);
  backend->InjectMouseMove(form->Handle(), {5, 90});
  other->SetFocus();
  Pump();
  EXPECT_EQ(GlyphOnScreen(radio), kOn[0]) << "normal again, checked";
}

// A read-only button ignores the mouse and the space key; code may still
// check it.
TEST_F(RadioButtonTest, ReadOnlyButtonRefusesTheUser) {
  MakeSkin();
  TsRadioButton* radio = MakeRadio();
  radio->SetReadOnly(true);
  const TPoint inside{10 + 60, 10 + 12};
  Mouse(inside, true);
  EXPECT_EQ(GlyphOnScreen(radio), kOff[0]) << "neither pressed nor hot";
  Mouse(inside, false);
  radio->SetFocus();
  PressKey(VK_SPACE);
  EXPECT_FALSE(radio->Checked());
  EXPECT_EQ(clicks, 0);

  radio->SetChecked(true);
  EXPECT_TRUE(radio->Checked());
  EXPECT_EQ(GlyphOnScreen(radio), kOn[0]);
}

// Space checks the focused item; the arrow keys move the check along the
// group, which hears the keys and reports each new choice once.
TEST_F(RadioButtonTest, KeyboardMovesTheChoiceThroughTheGroup) {
  MakeSkin();
  auto* panel = Make<TsPanel>(form, {0, 0, 200, 120});
  TsRadioGroup* group = MakeGroup(panel, {10, 10, 160, 100}, {"up", "down", "none"});
  int groupClicks = 0;
  std::vector<uint16_t> groupKeys;
  group->OnClick = [&](TComponent*) { ++groupClicks; };
  group->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) { groupKeys.push_back(key); };
  form->Show();
  Snapshot();
  group->Buttons(0)->SetFocus();
  PressKey(VK_SPACE);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(groupClicks, 1);
  PressKey(VK_DOWN);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Focused());
  EXPECT_FALSE(group->Buttons(0)->Checked());
  EXPECT_EQ(groupClicks, 2);
  PressKey(VK_UP);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(groupClicks, 3);
  EXPECT_EQ(groupKeys, (std::vector<uint16_t>{VK_SPACE, VK_DOWN, VK_UP}));
  Snapshot();
  const TRect r = group->Buttons(0)->SkinGlyphRect();
  EXPECT_EQ(Drawn(10 + group->Buttons(0)->Left() + r.Left + 1, 10 + group->Buttons(0)->Top() + r.Top + 1), kOn[1]);
}

// Without glyph images (and a panel section without a border) the button
// keeps a 16-pixel place for the glyph, draws none there, and writes its
// caption after it; the panel shows its plain colour edge to edge.
TEST_F(RadioButtonTest, SkinWithoutImagesPaintsWithoutGlyphs) {
  MakeSkin({.PanelBorder = false, .RadioGlyphs = false});
  TsRadioButton* radio = MakeRadio();
  radio->SetChecked(true);
  Snapshot();
  EXPECT_EQ(radio->SkinGlyphRect(), TRect(0, 0, 16, 16));
  EXPECT_EQ(Drawn(0, 0), kPanel);
  const TBitmap& cache = *radio->SkinData()->CacheBmp;
  bool glyphArea = true, caption = false;
  for (int y = 0; y < cache.Height(); ++y)
    for (int x = 0; x < cache.Width(); ++x) {
      const bool plain = cache.Pixel(x, y) == kPanel;
      if (x < 16 + 2 + 3 - 1 && !plain) glyphArea = false;
      if (x >= 16 && !plain) caption = true;
    }
  EXPECT_TRUE(glyphArea) << "nothing drawn in the glyph's place";
  EXPECT_TRUE(caption);
}
