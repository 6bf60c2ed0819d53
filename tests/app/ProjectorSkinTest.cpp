// The shipped "Projector" skin on the real window: read from its folder
// with a font scale of its own, its borders black and thick where a pupil
// at the back of the room looks for them, and every button's caption whole
// inside the outline at that scale.
#include <gtest/gtest.h>

#include <algorithm>

#include "AppFixture.h"
#include "framework/graphics/Gdi.h"
#include "controls/sRadioButton.h"
#include "skin/sSkinManager.h"

namespace {

constexpr TColor kInk = 0x000000;
constexpr TColor kPaper = 0xFFFFFF;  // the panels' and the group box's ground

class ProjectorSkinTest : public AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    TsSkinManager* m = form->sSkinManager1;
    m->SetSkinDirectory((std::filesystem::path(SORTARIUM_SOURCE_DIR) / "resources" / "skins").string());
    m->SetSkinName("Projector");
    Pump();
  }

  // What the window shows at a point of a control's client area.
  TColor At(const TControl* c, int x, int y) {
    const THeadlessBackend::Window* w = backend->FindWindow(form->Handle());
    const TPoint p = c->ClientToScreen({x, y});
    return w ? w->Screen.Pixel(p.X - w->Bounds.Left, p.Y - w->Bounds.Top) : clNone;
  }
};

}  // namespace

TEST_F(ProjectorSkinTest, LoadsWithLargerCaptionsAndThickBlackOutlines) {
  const TsSkinManager& m = *form->sSkinManager1;
  ASSERT_FALSE(m.CommonSkinData.SkinPath.empty()) << "Projector was not read from its folder";
  EXPECT_GT(m.CommonSkinData.FontScale, 100);

  // Across the middle of each side: four black pixels, then the ground (the
  // fourth button starts disabled, greyed all over).
  for (const TsBitBtn* b : {form->sBitBtn1, form->sBitBtn2, form->sBitBtn3}) {
    SCOPED_TRACE(b->Name());
    const int w = b->Width(), h = b->Height();
    for (int d = 0; d < 4; ++d) {
      EXPECT_EQ(At(b, d, h / 2), kInk) << "left, " << d;
      EXPECT_EQ(At(b, w - 1 - d, h / 2), kInk) << "right, " << d;
      EXPECT_EQ(At(b, w / 2, d), kInk) << "top, " << d;
      EXPECT_EQ(At(b, w / 2, h - 1 - d), kInk) << "bottom, " << d;
    }
    // Inside the outline, the button's ground (white, or pale yellow when it
    // is the active one).
    const TColor ground = At(b, 5, h / 2);
    EXPECT_NE(ground, kInk);
    EXPECT_EQ(At(b, 4, h / 2), ground);
    EXPECT_EQ(At(b, w / 2, h - 5), ground);
  }
  // The group box's frame: three black columns at its left, below the caption.
  const TsRadioGroup* group = form->sRadioGroup;
  for (int d = 0; d < 3; ++d) EXPECT_EQ(At(group, d, group->Height() - 8), kInk) << d;
  EXPECT_EQ(At(group, 3, group->Height() - 8), kPaper);
}

// At the skin's scale every caption is measured larger and still lies
// inside its control: a button's two lines within the outline with a pixel
// to spare, the group's caption clear of its frame's corner, each radio
// button's caption within the group's frame.
TEST_F(ProjectorSkinTest, EveryCaptionFitsAtTheSkinsScale) {
  for (TsBitBtn* b : {form->sBitBtn1, form->sBitBtn2, form->sBitBtn3, form->sBitBtn4}) {
    SCOPED_TRACE(b->Name());
    const TRect text = b->ContentGeometry().TextRect;
    EXPECT_GT(text.Height(), 2 * FontMetrics(b->Font()->LogFont()).Height) << "the caption is not scaled";
    EXPECT_TRUE(TRect(5, 5, b->Width() - 5, b->Height() - 5).Contains(text))
        << text.Left << "," << text.Top << " .. " << text.Right << "," << text.Bottom;
  }
  const TsRadioGroup* group = form->sRadioGroup;
  // The group's caption, and the ground laid behind it, end before the
  // frame's three-pixel corner, which stays whole.
  const TRect caption = group->CaptionRect();
  EXPECT_GT(caption.Height(), std::max(4, TextExtent(group->Font()->LogFont(), "W").cy) + 2) << "not scaled";
  EXPECT_LE(caption.Right, group->Width() - 3);
  ASSERT_EQ(group->ButtonCount(), 2);
  for (int i = 0; i < group->ButtonCount(); ++i) {
    const TsGroupButton* button = group->Buttons(i);
    SCOPED_TRACE(button->Caption());
    // The ink's rightmost column, left of the frame's inner edge.
    int right = -1;
    for (int y = 0; y < button->Height(); ++y)
      for (int x = 20; x < button->Width(); ++x)
        if (At(button, x, y) != kPaper) right = std::max(right, x);
    const int inGroup = button->Left() + right;
    EXPECT_GT(right, 20) << "no caption drawn";
    EXPECT_LT(inGroup, group->Width() - 3);
  }
}
