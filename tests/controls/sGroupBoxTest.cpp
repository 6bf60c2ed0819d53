// The skinned group box and radio group: the arrangement of the item
// buttons, the clamps of ItemIndex and Columns, clicks while the buttons are
// built, switching the skin off and on, and descriptions with bad values.
#include "controls/sGroupBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PanelGroupFixture.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/streaming/Reader.h"

namespace {

using namespace panel_group;

// The form the descriptions below are read into; it counts the clicks of
// its radio group.
class TGroupTestForm : public TForm {
 public:
  SORTARIUM_CLASS(TGroupTestForm)
  using TForm::TForm;
  void GroupClick(TComponent*) { ++clicks; }
  int clicks = 0;
};

void RegisterTestForm() {
  TClassRegistry& r = TClassRegistry::Instance();
  r.RegisterClass("TGroupTestForm", "TForm");
  r.RegisterMethod("TGroupTestForm", "GroupClick", [](TComponent* form) -> TNotifyEvent {
    auto* f = static_cast<TGroupTestForm*>(form);
    return [f](TComponent* sender) { f->GroupClick(sender); };
  });
}

class GroupBoxTest : public PanelGroupFixture {
 protected:
  // Reads `body` (the components) into a new shown form.
  TGroupTestForm* ReadForm(const std::string& body) {
    RegisterTestForm();
    auto* f = Application->CreateForm<TGroupTestForm>();
    const std::string text = "object GroupTest: TGroupTestForm\n  BorderStyle = bsNone\n  Left = 0\n  Top = 0\n"
                             "  ClientWidth = 240\n  ClientHeight = 180\n  Color = clBtnFace\n" +
                             body + "end\n";
    TReader reader(text, "GroupTest.dfm");
    reader.ReadRootComponent(f);
    f->Show();
    return f;
  }
  template <class T>
  T* Find(TComponent* owner, const char* name) {
    return dynamic_cast<T*>(owner->FindComponent(name));
  }
  static std::vector<TColor> Block(const TBitmap& bmp, TRect r) {
    std::vector<TColor> out;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) out.push_back(bmp.Pixel(x, y));
    return out;
  }
};

}  // namespace

// Items fill the first column top to bottom, then the next; each button is
// (Width - 10) / Columns wide and (Height - caption - 5) / rows high, the
// first one 8 pixels in and 2 below the caption band.
TEST_F(GroupBoxTest, ItemButtonsAreLaidOutInColumns) {
  MakeSkin();
  struct Case {
    std::vector<std::string> items;
    int columns;
    std::vector<TPoint> cells;  // column, row of each item
  } cases[] = {
      {{"up", "down"}, 1, {{0, 0}, {0, 1}}},
      {{"one", "two", "three"}, 2, {{0, 0}, {0, 1}, {1, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.items.size());
    auto* group = MakeGroup(form, {10, 10, 171, 91}, c.items, 0);
    group->SetColumns(c.columns);
    form->Show();
    Snapshot();
    ASSERT_TRUE(group->SkinData()->Skinned());
    const int ch = std::max(4, ::TextExtent(group->Font()->LogFont(), "W").cy) + 2;
    ASSERT_EQ(group->CaptionRect().Height(), ch);
    const int rows = (static_cast<int>(c.items.size()) + c.columns - 1) / c.columns;
    const int w = (group->Width() - 10) / c.columns;
    const int ih = (group->Height() - ch - 5) / rows;
    ASSERT_EQ(group->ButtonCount(), static_cast<int>(c.items.size()));
    for (size_t i = 0; i < c.items.size(); ++i) {
      TsGroupButton* b = group->Buttons(static_cast<int>(i));
      EXPECT_EQ(b->BoundsRect(), TRect::FromBounds(c.cells[i].X * w + 8, c.cells[i].Y * ih + ch + 2, w, ih)) << i;
      EXPECT_TRUE(b->Visible());
      EXPECT_EQ(b->Caption(), c.items[i]);
    }
    TComponent::Free(group);
  }
}

// ItemIndex stays within -1 .. count - 1 and Columns within 1 .. 16.
TEST_F(GroupBoxTest, ItemIndexAndColumnsAreClamped) {
  MakeSkin();
  auto* group = MakeGroup(form, {10, 10, 171, 91}, {"up", "down"});
  for (auto [asked, kept] : {std::pair{5, 1}, {-3, -1}, {0, 0}, {1, 1}}) {
    group->SetItemIndex(asked);
    EXPECT_EQ(group->ItemIndex(), kept) << asked;
    for (int i = 0; i < 2; ++i) EXPECT_EQ(group->Buttons(i)->Checked(), i == kept) << asked;
  }
  for (auto [asked, kept] : {std::pair{0, 1}, {40, 16}, {-7, 1}, {3, 3}, {16, 16}}) {
    group->SetColumns(asked);
    EXPECT_EQ(group->Columns(), kept) << asked;
  }
}

// The stored choice is checked while the group builds its buttons; that is
// no choice of the user and must not reach OnClick. A click on an item is.
TEST_F(GroupBoxTest, BuildingTheButtonsReportsNoClick) {
  MakeSkin();
  TGroupTestForm* f = ReadForm(
      "  object Group: TsRadioGroup\n    Left = 8\n    Top = 8\n    Width = 161\n    Height = 81\n"
      "    Caption = 'Order'\n    ItemIndex = 1\n    Items.Strings = (\n      'up'\n      'down')\n"
      "    OnClick = GroupClick\n  end\n");
  auto* group = Find<TsRadioGroup>(f, "Group");
  ASSERT_NE(group, nullptr);
  Pump();
  EXPECT_EQ(f->clicks, 0);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_FALSE(group->Buttons(0)->Checked());

  group->Items()->Add("sideways");  // rebuilds the buttons, the choice stays
  EXPECT_EQ(f->clicks, 0);
  EXPECT_TRUE(group->Buttons(1)->Checked());

  const TRect item = group->Buttons(0)->BoundsRect();
  Click(f, group->Left() + item.Left + item.Width() / 2, group->Top() + item.Top + item.Height() / 2);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(f->clicks, 1);
  EXPECT_FALSE(group->Buttons(1)->Checked());
}

// Switching the manager off gives every control its plain look, exactly as
// it looked before the skin came; switching it on again gives the skinned
// look back, exactly.
TEST_F(GroupBoxTest, ManagerOffAndOnReturnsThePlainAndTheSkinnedLook) {
  TsSkinManager* manager = MakeSkin({}, false);
  auto* panel = Make<TsPanel>(form, {0, 0, 240, 180});
  panel->SetCaption("Panel");
  MakeGroup(panel, {10, 10, 150, 80}, {"up", "down"}, 1);
  auto* box = Make<TsGroupBox>(panel, {10, 100, 150, 60});
  box->SetCaption("Box");
  form->Show();
  const std::vector<TColor> plain = Snapshot();

  manager->SetActive(true);
  const std::vector<TColor> skinned = Snapshot();
  EXPECT_NE(skinned, plain);
  EXPECT_EQ(Drawn(0, 0), kBorder);
  EXPECT_EQ(Drawn(5, 160), kPanel);
  EXPECT_EQ(Drawn(10, 100 + box->CaptionRect().Height() / 2), kFrame) << "the frame starts at the caption line";

  manager->SetActive(false);
  EXPECT_EQ(Snapshot(), plain);
  manager->SetActive(true);
  EXPECT_EQ(Snapshot(), skinned);
}

// Bad descriptions load and paint: an unknown section leaves the plain
// look, a section name of 5,000 characters is only an unknown section, and
// Columns = -7 is one column.
TEST_F(GroupBoxTest, BadDescriptionsLoadAndPaintPlain) {
  MakeSkin();
  const std::string longName(5000, 'Q');
  TGroupTestForm* f = ReadForm(
      "  object Odd: TsPanel\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 50\n"
      "    SkinData.SkinSection = 'NOSUCHSECTION'\n  end\n"
      "  object Plain: TPanel\n    Left = 120\n    Top = 0\n    Width = 100\n    Height = 50\n  end\n"
      "  object Long: TsPanel\n    Left = 0\n    Top = 60\n    Width = 100\n    Height = 20\n"
      "    SkinData.SkinSection = '" + longName + "'\n  end\n"
      "  object Group: TsRadioGroup\n    Left = 0\n    Top = 90\n    Width = 110\n    Height = 81\n"
      "    Caption = 'Order'\n    Columns = -7\n    ItemIndex = 0\n"
      "    Items.Strings = (\n      'up'\n      'down')\n    SkinData.SkinSection = 'nosuch'\n  end\n"
      "  object PlainGroup: TRadioGroup\n    Left = 120\n    Top = 90\n    Width = 110\n    Height = 81\n"
      "    Caption = 'Order'\n    ItemIndex = 0\n    Items.Strings = (\n      'up'\n      'down')\n  end\n");
  Pump();
  UpdateAllWindows();
  const TBitmap& screen = *WindowFramebuffer(f->Handle());

  auto* odd = Find<TsPanel>(f, "Odd");
  auto* longOne = Find<TsPanel>(f, "Long");
  auto* group = Find<TsRadioGroup>(f, "Group");
  ASSERT_TRUE(odd && longOne && group);
  EXPECT_FALSE(odd->SkinData()->Skinned());
  EXPECT_EQ(odd->SkinData()->SkinSection(), "NOSUCHSECTION");
  EXPECT_FALSE(longOne->SkinData()->Skinned());
  EXPECT_EQ(longOne->SkinData()->SkinSection().size(), 5000u);
  EXPECT_EQ(Block(screen, {0, 0, 100, 50}), Block(screen, {120, 0, 220, 50})) << "the plain panel's look";

  EXPECT_FALSE(group->SkinData()->Skinned());
  EXPECT_EQ(group->Columns(), 1);
  ASSERT_EQ(group->ButtonCount(), 2);
  EXPECT_EQ(group->Buttons(1)->Left(), group->Buttons(0)->Left()) << "one column";
  EXPECT_TRUE(group->Buttons(0)->Checked());
  // The frame and the caption band are the plain radio group's.
  const int band = group->CaptionRect().Height() + 2;
  EXPECT_EQ(Block(screen, {0, 90, 110, 90 + band}), Block(screen, {120, 90, 230, 90 + band}));
  EXPECT_EQ(Block(screen, {0, 90, 8, 171}), Block(screen, {120, 90, 128, 171}));
  EXPECT_EQ(Block(screen, {0, 168, 110, 171}), Block(screen, {120, 168, 230, 171}));
}
