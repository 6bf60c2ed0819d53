// A skinned control's skin data: binding to a manager and a section, the
// section's images, the skinned and hot tests, and the default reactions to
// skin commands and plain control events. The controls here are the
// smallest skinned controls there can be: they keep a TsCommonData and hand
// it their messages the way the engine's controls do.
#include "skin/sCommonData.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "SkinManagerFixture.h"
#include "framework/components/Forms.h"
#include "framework/stdctrls/RichEdit.h"
#include "skin/sMessages.h"
#include "skin/sSkinManager.h"

namespace {

using namespace test_skins;
using Told = std::vector<std::pair<uint16_t, LPARAM>>;

// Skin commands go to the skin data (after the test's own answer, if it
// has one); plain messages go to the data and then to the base class; a
// container passes the three announcements on to its children whatever it
// made of them itself.
template <class Base>
class TBoxOf : public Base {
 public:
  TBoxOf(TComponent* owner, TWinControl* parent, TsControlKind kind) : Base(owner), SkinData(this, true) {
    SkinData.CtrlKind = kind;
    this->SetBounds(0, 0, 40, 30);
    if (parent) this->SetParent(parent);
  }
  // Mixed case, so a section taken from the class name shows whether it was upper-cased.
  std::string ClassName() const override { return "TsTestBox"; }

  void WndProc(TMessage& m) override {
    if (const uint16_t code = SkinCommandCode(m)) {
      heard.push_back(m);
      if (code == throwOn) throw std::runtime_error("refused");
      if ((answer && answer(m)) || SkinData.HandleSkinCommand(m)) return;
      if constexpr (std::is_base_of_v<TWinControl, Base>)
        if (code == SKC_NEWSKIN || code == SKC_REMOVESKIN || code == SKC_REFRESH) BroadcastToChildren(this, m);
      return;
    }
    SkinData.HandlePlainMessage(m);
    Base::WndProc(m);
  }

  // The announcements heard, as (code, LParam).
  Told Announcements() const {
    Told told;
    for (const TMessage& m : heard)
      if (m.WParamHi() == SKC_NEWSKIN || m.WParamHi() == SKC_REMOVESKIN || m.WParamHi() == SKC_REFRESH)
        told.emplace_back(m.WParamHi(), m.LParam);
    return told;
  }
  // How many times `code` arrived, and with which low word the last time.
  int Count(uint16_t code, uint16_t* lastLow = nullptr) const {
    int n = 0;
    for (const TMessage& m : heard) {
      if (m.WParamHi() != code) continue;
      ++n;
      if (lastLow) *lastLow = m.WParamLo();
    }
    return n;
  }

  TsCommonData SkinData;
  std::vector<TMessage> heard;
  uint16_t throwOn = 0;
  std::function<bool(TMessage&)> answer;  // true: answered, the data is not asked
};
using TBox = TBoxOf<TWinControl>;
using TGraphicBox = TBoxOf<TGraphicControl>;
using TEditBox = TBoxOf<TRichEdit>;

constexpr TColor kFormColor = RGB(0, 50, 255);
constexpr TColor kGlass = RGB(200, 100, 0);
constexpr TColor kGrey = RGB(90, 90, 90);
constexpr TColor kEditColor = RGB(1, 2, 3);
constexpr TColor kEditText = 0x123456;

LPARAM P(const void* p) { return reinterpret_cast<LPARAM>(p); }
TMessage Command(uint16_t code, LPARAM lParam = 0, uint16_t low = 0) {
  return TMessage{SM_KAVRACMD, SkinCommandWParam(code, low), lParam, 0};
}

class sCommonDataTest : public SkinManagerFixture {
 protected:
  void SetUp() override {
    SkinManagerFixture::SetUp();
    form = MakeForm(300, 200, kFormColor);
    auto previous = form->WindowProc;
    form->WindowProc = [this, previous](TMessage& m) {
      if (SkinCommandCode(m)) formHeard.push_back(m);
      previous(m);
    };
    form->Show();
  }
  void TearDown() override {
    SharedCacheInfo = {};  // may still name a test's local bitmap
    SkinManagerFixture::TearDown();
  }

  // Skin "Main" in `m` (a new manager, the default, when none is given).
  //  Sections: 0 GLOBALINFO  1 PANEL (grey)  2 PANEL_LOW < PANEL
  //   3 GRADPANEL (gradient 100)  4 IMGPANEL (image 100)  5 GLASS0 (clBtnFace)
  //   6 GLASS1  7 GLASS50  8 GLASS99  9 GLASS100 (kGlass, the transparency
  //   their names say)  10 SMOKE (RGB(10, 20, 30), 50)  11 EDIT
  //   12 PANEL_DEEP < PANEL_LOW
  //  Images: 0 GLOBALINFO BOXCHECKED  1 PANEL BORDERSMASK  2 PANEL PATTERN
  //   3 PANEL_LOW HOTPATTERN
  // Skin "Alt" in the same manager has PANEL_LOW at 1 and PANEL at 2.
  TsSkinManager* MainSkin(TsSkinManager* m = nullptr) {
    if (!m) m = NewManager();
    TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Main");
    AddSection(*skin, "GLOBALINFO");
    AddSection(*skin, "PANEL")->Color = kGrey;
    AddSection(*skin, "PANEL_LOW", "PANEL");
    AddSection(*skin, "GRADPANEL")->GradientPercent = 100;
    AddSection(*skin, "IMGPANEL")->ImagePercent = 100;
    auto glass = [&](const std::string& name, TColor color, int transparency) {
      TsSkinGeneral* s = AddSection(*skin, name);
      s->Color = color;
      s->Transparency = transparency;
      return s;
    };
    glass("GLASS0", clBtnFace, 0);
    for (int t : {1, 50, 99, 100}) glass("GLASS" + std::to_string(t), kGlass, t);
    glass("SMOKE", RGB(10, 20, 30), 50);
    glass("EDIT", kEditColor, 0)->FontColor = std::to_string(kEditText) + " -1 -1 -1 -1";
    AddSection(*skin, "PANEL_DEEP", "PANEL_LOW");
    AddImage(*skin, "GLOBALINFO", "BOXCHECKED");
    AddImage(*skin, "PANEL", "BORDERSMASK");
    AddImage(*skin, "PANEL", "PATTERN", {0, 0, 9, 6}, 1, 0, TsImgType::itisaTexture);
    AddImage(*skin, "PANEL_LOW", "HOTPATTERN", {0, 0, 9, 6}, 1, 0, TsImgType::itisaTexture);
    TsStoredSkin* alt = AddSkin(*m->InternalSkins(), "Alt");
    AddSection(*alt, "GLOBALINFO");
    AddSection(*alt, "PANEL_LOW", "PANEL");
    AddSection(*alt, "PANEL");
    m->SetSkinName("Main");
    EXPECT_EQ(m->Sections().size(), 13u);
    return m;
  }

  // A manager that is not the default, with PANEL at 2 and no images.
  TsSkinManager* OtherSkin() {
    TsSkinManager* m = NewManager();
    TsStoredSkin* skin = AddSkin(*m->InternalSkins(), "Other");
    for (const char* name : {"GLOBALINFO", "EXTRA", "PANEL", "EDIT"}) AddSection(*skin, name);
    m->SetSkinName("Other");
    EXPECT_NE(DefaultManager, m);
    return m;
  }

  template <class T = TBox>
  T* Make(TWinControl* parent, TsControlKind kind = TsControlKind::None, const std::string& section = "") {
    T* box = TComponent::Create<T>(form, parent, kind);
    if (!section.empty()) box->SkinData.SetSkinSection(section);
    if constexpr (std::is_base_of_v<TWinControl, T>)
      if (parent) box->HandleNeeded();
    box->heard.clear();
    return box;
  }

  int FormHeard(uint16_t code, LPARAM lParam) const {
    int n = 0;
    for (const TMessage& m : formHeard) n += m.WParamHi() == code && m.LParam == lParam;
    return n;
  }

  TForm* form = nullptr;
  std::vector<TMessage> formHeard;
};

}  // namespace

// --- the published properties ---

// A section typed in any case must find the upper-case section of the skin,
// and a stale index would paint the control with a section it no longer
// has; the owner learns through its own handling, with the manager in
// effect, whether it has a skin to show. The same text again does nothing.
TEST_F(sCommonDataTest, SectionChangeStoresUpperCaseResolvesTheIndexAndTellsTheOwner) {
  TBox* box = Make(form, TsControlKind::Panel);
  auto set = [&](const char* given, const char* stored, int index, Told told) {
    SCOPED_TRACE(given);
    box->SkinData.SkinIndex = 42;
    box->heard.clear();
    box->SkinData.SetSkinSection(given);
    EXPECT_EQ(box->SkinData.SkinSection(), stored);
    EXPECT_EQ(box->SkinData.SkinIndex, index);
    EXPECT_EQ(box->Announcements(), told);
  };
  set("Panel", "PANEL", -1, {{SKC_REMOVESKIN, 0}});  // no manager at all
  TsSkinManager* main = NewManager();
  set("panel_low", "PANEL_LOW", -1, {{SKC_REMOVESKIN, P(main)}});  // a manager without skin data
  MainSkin(main);
  set("gLass50", "GLASS50", 7, {{SKC_REFRESH, P(main)}});
  set("GLASS50", "GLASS50", 42, {});
  set("", "UNKNOWN", -1, {{SKC_REMOVESKIN, P(main)}});
  // Nobody is told when there is nobody to show it, or it is going away.
  TBox* orphan = Make(nullptr, TsControlKind::Panel);
  orphan->SkinData.SetSkinSection("PANEL");
  EXPECT_EQ(orphan->SkinData.SkinIndex, 1);
  TBox* dying = Make(form, TsControlKind::Panel);
  dying->Destroying();
  dying->SkinData.SetSkinSection("PANEL");
  EXPECT_TRUE(orphan->Announcements().empty());
  EXPECT_TRUE(dying->Announcements().empty());
}

// Storing the default manager itself would pin the control to it after
// another manager becomes the default.
TEST_F(sCommonDataTest, ManagerSetterStoresTheDefaultAsNoneAndRebindsTheOwner) {
  TsSkinManager* main = MainSkin();
  TsSkinManager* other = OtherSkin();
  TsSkinManager* empty = NewManager();
  TBox* box = Make(form, TsControlKind::Panel, "PANEL");
  const struct { TsSkinManager *set, *stored; int index; Told told; } steps[] = {
      {other, other, 2, {{SKC_REFRESH, P(other)}}},     {main, nullptr, 1, {{SKC_REFRESH, P(main)}}},
      {empty, empty, -1, {{SKC_REMOVESKIN, P(empty)}}}, {nullptr, nullptr, 1, {{SKC_REFRESH, P(main)}}},
      {nullptr, nullptr, 1, {}},  // the same value again
  };
  for (const auto& s : steps) {
    box->heard.clear();
    box->SkinData.SetSkinManager(s.set);
    EXPECT_EQ(box->SkinData.SkinManager(), s.stored);
    EXPECT_EQ(box->SkinData.SkinIndex, s.index);
    EXPECT_EQ(box->Announcements(), s.told);
  }
}

// An owner being read has no skin to resolve yet; a form frame's data is not
// a control to be refreshed; an owner that fails to take the news must not
// undo the new binding.
TEST_F(sCommonDataTest, ManagerSetterStopsEarlyForLoadingOwnersAndFormFrames) {
  MainSkin();
  TsSkinManager* other = OtherSkin();
  TBox* loading = Make(form, TsControlKind::Panel, "PANEL");
  loading->SetLoadingState(true);
  loading->SkinData.SetSkinManager(other);
  loading->SetLoadingState(false);
  EXPECT_EQ(loading->SkinData.SkinManager(), other);
  EXPECT_EQ(loading->SkinData.SkinIndex, 1) << "resolved while loading";
  EXPECT_TRUE(loading->Announcements().empty());

  TBox* frame = Make(form, TsControlKind::FormFrame, "PANEL");
  frame->SkinData.SetSkinManager(other);
  EXPECT_EQ(frame->SkinData.SkinIndex, 2);
  EXPECT_TRUE(frame->Announcements().empty());

  TBox* failing = Make(form, TsControlKind::Panel, "PANEL");
  failing->throwOn = SKC_REFRESH;
  EXPECT_NO_THROW(failing->SkinData.SetSkinManager(other));
  EXPECT_EQ(failing->SkinData.SkinManager(), other);
  EXPECT_EQ(failing->SkinData.SkinIndex, 2);
}

// --- loading and indexes ---

// A control without a section takes its kind's section, else its class name;
// one with a section keeps it and looks it up again.
TEST_F(sCommonDataTest, SkinDataLoadedChoosesTheSectionByKind) {
  MainSkin();
  const struct { TsControlKind kind; const char* section; int index; } cases[] = {
      {TsControlKind::Panel, "PANEL", 1},   {TsControlKind::BitBtn, "BUTTON", -1}, {TsControlKind::GroupBox, "GROUPBOX", -1},
      {TsControlKind::Adapted, "EDIT", 11}, {TsControlKind::None, "TSTESTBOX", -1},        {TsControlKind::RadioButton, "RADIOBUTTON", -1},
      {TsControlKind{1000}, "TSTESTBOX", -1}};
  for (const auto& c : cases) {
    TBox* box = Make(form, c.kind);
    box->SkinData.SkinDataLoaded();
    EXPECT_EQ(box->SkinData.SkinSection(), c.section) << KindCode(c.kind);
    EXPECT_EQ(box->SkinData.SkinIndex, c.index) << KindCode(c.kind);
  }
  TBox* box = Make(form, TsControlKind::Panel, "GLASS50");
  box->SkinData.SkinIndex = -1;
  box->SkinData.BGChanged = false;
  box->SkinData.SkinDataLoaded();
  EXPECT_EQ(box->SkinData.SkinSection(), "GLASS50");
  EXPECT_EQ(box->SkinData.SkinIndex, 7);
  EXPECT_TRUE(box->SkinData.BGChanged);
}

// The form's frame provider adapts the windowed controls it is told about;
// one told too early, or one that cannot be skinned, it would adapt wrongly.
TEST_F(sCommonDataTest, SkinDataLoadedIntroducesOnlyReadyWindowedControlsToTheirForm) {
  MainSkin();
  TBox* panel = Make(form, TsControlKind::Panel, "PANEL");
  const struct { const char* what; TWinControl* parent; const char* section; bool loading, introduced; } cases[] = {
      {"on the form", form, "PANEL", false, true},        {"inside a panel", panel, "PANEL", false, true},
      {"without a parent", nullptr, "PANEL", false, false}, {"without its section", form, "NOPE", false, false},
      {"being loaded", form, "PANEL", true, false},
  };
  auto introduced = [&](auto* box, bool loading) {
    formHeard.clear();
    box->SetLoadingState(loading);
    box->SkinData.SkinDataLoaded();
    box->SetLoadingState(false);
    return FormHeard(SKC_ADAPTCONTROL, P(static_cast<TControl*>(box)));
  };
  for (const auto& c : cases)
    EXPECT_EQ(introduced(Make(c.parent, TsControlKind::None, c.section), c.loading), c.introduced ? 1 : 0) << c.what;
  EXPECT_EQ(introduced(Make<TGraphicBox>(form, TsControlKind::None, "PANEL"), false), 0) << "not windowed";
}

// An edit shows the section's colours unless it keeps its own; kind 97 marks
// an edit that is not a framework edit; a panel is no edit.
TEST_F(sCommonDataTest, SkinDataLoadedGivesEditLikeControlsTheSectionColours) {
  MainSkin();
  for (bool customColor : {false, true})
    for (bool customFont : {false, true}) {
      SCOPED_TRACE(testing::Message() << "custom colour " << customColor << ", custom font " << customFont);
      auto* edit = Make<TEditBox>(form, TsControlKind::None, "EDIT");
      edit->SkinData.SetCustomColor(customColor);
      edit->SkinData.SetCustomFont(customFont);
      edit->SetColor(clLime);
      edit->Font()->SetColor(clYellow);
      edit->SkinData.SkinDataLoaded();
      EXPECT_EQ(edit->Color(), customColor ? clLime : kEditColor);
      EXPECT_EQ(edit->Font()->Color(), customFont ? clYellow : kEditText);
    }
  const std::pair<TsControlKind, TColor> others[] = {{TsControlKind::EditLike, kEditColor}, {TsControlKind::Panel, clLime}};
  for (auto [kind, color] : others) {
    TBox* box = Make(form, kind, "EDIT");
    box->SetColor(clLime);
    box->SkinData.SkinDataLoaded();
    EXPECT_EQ(box->Color(), color) << KindCode(kind);
  }
}

// Images missing from a section come from its parent section; without a
// section the last border stays (nothing paints it then).
TEST_F(sCommonDataTest, UpdateIndexesFindsTheSectionImagesThroughItsParents) {
  MainSkin();
  const struct { const char* section; int index, border, texture, hotTexture; } cases[] = {
      {"PANEL", 1, 1, 2, -1},      {"PANEL_LOW", 2, 1, 2, 3}, {"PANEL_DEEP", 12, 1, 2, 3},
      {"GLASS50", 7, -1, -1, -1}, {"NOPE", -1, 5, -1, -1}};
  TBox* box = Make(form, TsControlKind::Panel);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    box->SkinData.SetSkinSection(c.section);
    box->SkinData.BorderIndex = box->SkinData.Texture = box->SkinData.HotTexture = 5;
    box->SkinData.BGChanged = false;
    box->SkinData.UpdateIndexes();
    EXPECT_EQ(box->SkinData.SkinIndex, c.index);
    EXPECT_EQ(box->SkinData.BorderIndex, c.border);
    EXPECT_EQ(box->SkinData.Texture, c.texture);
    EXPECT_EQ(box->SkinData.HotTexture, c.hotTexture);
    EXPECT_TRUE(box->SkinData.BGChanged);
  }
}

// --- the state tests ---

TEST_F(sCommonDataTest, SkinnedNeedsALiveOwnerALiveManagerAndAValidIndex) {
  TComponent owner(nullptr);
  TsCommonData data(&owner, false);
  data.SkinIndex = 1;
  EXPECT_FALSE(data.Skinned()) << "no manager at all";
  TsSkinManager* main = MainSkin();
  TsSkinManager* other = OtherSkin();
  TsSkinManager* empty = NewManager();
  const struct { const char* what; TsSkinManager* manager; int index; bool active, plain, requiringActive; } cases[] = {
      {"valid", nullptr, 1, true, true, true},          {"inactive skin", nullptr, 1, false, true, false},
      {"last section", other, 3, true, true, true},     {"past the end", other, 4, true, false, false},
      {"negative", nullptr, -1, true, false, false},    {"manager without sections", empty, 0, true, false, false},
  };
  for (const auto& c : cases) {
    data.SetSkinManager(c.manager);
    data.SkinIndex = c.index;
    main->CommonSkinData.Active = c.active;
    EXPECT_EQ(data.Skinned(), c.plain) << c.what;
    EXPECT_EQ(data.Skinned(RequireActive::Yes), c.requiringActive) << c.what;
  }
  main->CommonSkinData.Active = true;
  data.SetSkinManager(nullptr);
  data.SkinIndex = 1;
  EXPECT_FALSE(TsCommonData(nullptr, false).Skinned()) << "no owner";
  TComponent dyingOwner(nullptr);
  TsCommonData dyingData(&dyingOwner, false);
  dyingData.SkinIndex = 1;
  ASSERT_TRUE(dyingData.Skinned());
  dyingOwner.Destroying();
  EXPECT_FALSE(dyingData.Skinned()) << "owner going away";
  main->Destroying();
  EXPECT_FALSE(data.Skinned()) << "manager going away";
}

// A control hidden while it has the focus loses the focus; shown again it
// must not still be drawn focused.
TEST_F(sCommonDataTest, HidingTheFocusedControlDropsItsFocusedLook) {
  MainSkin();
  TBox* box = Make(form, TsControlKind::BitBtn, "PANEL");
  box->SetFocus();
  ASSERT_TRUE(box->SkinData.Focused);
  box->SetVisible(false);
  box->SetVisible(true);
  EXPECT_FALSE(box->Focused());
  EXPECT_FALSE(box->SkinData.Focused);
  EXPECT_FALSE(box->SkinData.ControlIsActive());
}

// Painting waits for a skin, for an update in progress, and for a parent
// that is still updating itself.
TEST_F(sCommonDataTest, IsUpdatingWaitsForTheSkinAndForTheParent) {
  TBox* box = Make(form, TsControlKind::Panel, "PANEL");
  EXPECT_TRUE(box->SkinData.IsUpdating()) << "no manager";
  TsSkinManager* main = MainSkin();
  TBox* parent = Make(form, TsControlKind::Panel, "PANEL");
  TBox* child = Make(parent, TsControlKind::Panel, "PANEL");
  TBox* orphan = Make(nullptr, TsControlKind::Panel, "PANEL");
  TsCommonData ownerless(nullptr, false);
  auto answers = [&](LPARAM lParam, LRESULT result) {
    parent->answer = [=](TMessage& m) {
      if (m.WParamHi() != SKC_GETUPDATING) return false;
      m.LParam = lParam, m.Result = result;
      return true;
    };
  };
  const struct { const char* what; std::function<void()> arrange; TsCommonData* data; bool updating; } cases[] = {
      {"skin inactive", [&] { main->CommonSkinData.Active = false; }, &child->SkinData, true},
      {"updating itself", [&] { child->SkinData.Updating = true; }, &child->SkinData, true},
      {"no owner", [] {}, &ownerless, false},
      {"no parent", [] {}, &orphan->SkinData, true},
      {"parent says yes in LParam", [&] { answers(1, 0); }, &child->SkinData, true},
      {"parent says yes in Result", [&] { answers(0, 1); }, &child->SkinData, true},
      {"parent says no", [&] { answers(0, 0); }, &child->SkinData, false},
      {"plain parent", [] {}, &box->SkinData, false},
      {"owner going away", [&] { orphan->Destroying(); }, &orphan->SkinData, false},
  };
  for (const auto& c : cases) {
    c.arrange();
    EXPECT_EQ(c.data->IsUpdating(), c.updating) << c.what;
    main->CommonSkinData.Active = true;
    child->SkinData.Updating = ownerless.Updating = false;
    parent->answer = nullptr;
  }
}

// A child blends with its parent's cache only when the parent really
// answered; a record left from an earlier answer would be read as fresh.
TEST_F(sCommonDataTest, GetParentCacheAnswersOnlyWhatTheParentGave) {
  MainSkin();
  TBox* parent = Make(form, TsControlKind::Panel, "PANEL");
  parent->SkinData.InitCacheBmp();
  TBox* child = Make(parent, TsControlKind::Panel, "PANEL");
  TBitmap stale;
  SharedCacheInfo = {&stale, 3, 4, true};
  const TCacheInfo given = child->SkinData.GetParentCache();
  EXPECT_EQ(given.Bmp, parent->SkinData.CacheBmp.get());
  EXPECT_TRUE(given.Ready);
  EXPECT_EQ(parent->Count(SKC_GETCACHE), 1);
  SharedCacheInfo = {&stale, 3, 4, true};
  const TCacheInfo none = Make(nullptr, TsControlKind::Panel, "PANEL")->SkinData.GetParentCache();
  EXPECT_EQ(none.Bmp, nullptr);
  EXPECT_FALSE(none.Ready);
  EXPECT_FALSE(SharedCacheInfo.Ready);
}

// A parent that fails to give its cache leaves the child the empty record,
// not the last one, and is no news for the user.
TEST_F(sCommonDataTest, GetParentCacheOfAFailingParentIsEmpty) {
  MainSkin();
  TBox* parent = Make(form, TsControlKind::Panel, "PANEL");
  TBox* child = Make(parent, TsControlKind::Panel, "PANEL");
  parent->throwOn = SKC_GETCACHE;
  TBitmap stale;
  SharedCacheInfo = {&stale, 3, 4, true};
  const TCacheInfo none = child->SkinData.GetParentCache();
  EXPECT_EQ(none.Bmp, nullptr);
  EXPECT_EQ(none.X, 0);
  EXPECT_EQ(none.Y, 0);
  EXPECT_FALSE(none.Ready);
  EXPECT_TRUE(backend->MessageBoxes().empty());
}

// A control that shows its parent through itself must be repainted when it
// moves over a parent whose background changes from place to place.
TEST_F(sCommonDataTest, BgIsPositionDependentFollowsWhatShowsThrough) {
  MainSkin();
  auto disable = [](TBox* b) { b->SetEnabled(false); };
  // The parents' sections are listed outermost first.
  const struct { const char* what; const char* own; std::vector<const char*> parents;
                 std::function<void(TBox*)> arrange; bool dependent; } cases[] = {
      {"glass over a gradient", "GLASS50", {"GRADPANEL"}, nullptr, true},
      {"glass over a plain panel", "GLASS50", {"PANEL"}, nullptr, false},
      {"glass over an image", "GLASS50", {"IMGPANEL"}, nullptr, true},
      {"glass over glass over a gradient", "GLASS50", {"GRADPANEL", "GLASS50"}, nullptr, true},
      {"glass over glass over a plain panel", "GLASS50", {"PANEL", "GLASS50"}, nullptr, false},
      {"opaque over a gradient", "PANEL", {"GRADPANEL"}, nullptr, false},
      {"disabled over a gradient", "PANEL", {"GRADPANEL"}, disable, true},
      {"disabled over a plain panel", "PANEL", {"PANEL"}, disable, false},
      {"keeping its cache", "PANEL", {"PANEL"}, [](TBox* b) { b->SkinData.KeepCache = true; }, true},
      {"hidden", "PANEL", {"PANEL"}, [](TBox* b) { b->SetVisible(false); }, true},
      {"not skinned", "NOPE", {"PANEL"}, nullptr, true},
  };
  for (const auto& c : cases) {
    TWinControl* parent = form;
    for (const char* section : c.parents) parent = Make(parent, TsControlKind::Panel, section);
    TBox* box = Make(parent, TsControlKind::BitBtn, c.own);
    if (c.arrange) c.arrange(box);
    EXPECT_EQ(box->SkinData.BgIsPositionDependent(), c.dependent) << c.what;
  }
}

// --- skin commands ---

// A control bound to one manager must ignore another manager's skin: it
// would drop or re-resolve indexes into a table that is not its own. The
// announcements are never "answered": the children still need them.
TEST_F(sCommonDataTest, AnnouncementsActOnlyForTheControlsOwnManager) {
  TsSkinManager* main = MainSkin();
  TsSkinManager* other = OtherSkin();
  TBox* box = Make(form, TsControlKind::Panel, "PANEL");
  for (TsSkinManager* bound : {static_cast<TsSkinManager*>(nullptr), other})
    for (TsSkinManager* named : {main, other, static_cast<TsSkinManager*>(nullptr)})
      for (uint16_t code : {SKC_NEWSKIN, SKC_REMOVESKIN, SKC_REFRESH}) {
        SCOPED_TRACE(testing::Message() << "bound " << bound << " named " << named << " code " << code);
        box->SkinData.SetSkinManager(bound);
        const bool mine = named == ResolveManager(bound);
        box->SkinData.Updating = code == SKC_REFRESH;
        box->SkinData.BGChanged = false;
        box->SkinData.SkinIndex = 42;
        TMessage m = Command(code, P(named));
        EXPECT_FALSE(box->SkinData.HandleSkinCommand(m));
        const int index = !mine || code == SKC_REFRESH ? 42 : code == SKC_REMOVESKIN ? -1 : bound ? 2 : 1;
        EXPECT_EQ(box->SkinData.SkinIndex, index);
        EXPECT_EQ(box->SkinData.Updating, mine ? code != SKC_REFRESH : code == SKC_REFRESH);
        EXPECT_EQ(box->SkinData.BGChanged, mine && code != SKC_REMOVESKIN);
      }
}

// Without a skin an edit goes back to the plain window colours, unless it
// keeps its own; a refresh gives it the section's colours again and
// introduces it to its form once more.
TEST_F(sCommonDataTest, RemoveSkinAndRefreshSwitchTheLookOfEdits) {
  TsSkinManager* main = MainSkin();
  for (bool custom : {false, true}) {
    SCOPED_TRACE(custom ? "custom" : "skin colours");
    auto* edit = Make<TEditBox>(form, TsControlKind::None, "PANEL_LOW");
    edit->SkinData.SetCustomColor(custom);
    edit->SkinData.SetCustomFont(custom);
    edit->SkinData.SetSkinSection("EDIT");
    edit->SetColor(clLime);
    edit->Font()->SetColor(clYellow);
    edit->SkinData.BorderIndex = edit->SkinData.Texture = edit->SkinData.HotTexture = 3;
    edit->SkinData.CacheBmp->SetSize(10, 10);
    TMessage remove = Command(SKC_REMOVESKIN, P(main));
    edit->Perform(remove);
    const TsCommonData& d = edit->SkinData;
    EXPECT_EQ(std::vector<int>({d.SkinIndex, d.BorderIndex, d.Texture, d.HotTexture}), std::vector<int>(4, -1));
    EXPECT_TRUE(d.Updating);
    EXPECT_EQ(d.CacheBmp->Width(), 0);
    EXPECT_EQ(d.CacheBmp->Height(), 0);
    EXPECT_EQ(edit->Color(), custom ? clLime : clWindow);
    EXPECT_EQ(edit->Font()->Color(), custom ? clYellow : clWindowText);

    edit->SkinData.UpdateIndexes();
    edit->SkinData.BGChanged = false;
    formHeard.clear();
    TMessage refresh = Command(SKC_REFRESH, P(main));
    edit->Perform(refresh);
    EXPECT_TRUE(d.BGChanged);
    EXPECT_FALSE(d.Updating);
    EXPECT_EQ(edit->Color(), custom ? clLime : kEditColor);
    EXPECT_EQ(edit->Font()->Color(), custom ? clYellow : kEditText);
    EXPECT_EQ(FormHeard(SKC_ADAPTCONTROL, P(static_cast<TControl*>(edit))), 1);
  }
}

// A control must never keep a manager that is gone; one that only
// withdraws its skin stays bound.
TEST_F(sCommonDataTest, AManagerThatGoesAwayIsForgotten) {
  MainSkin();
  TsSkinManager* other = OtherSkin();
  TBox* box = Make(form, TsControlKind::Panel, "PANEL");
  box->SkinData.SetSkinManager(other);
  ASSERT_EQ(box->SkinData.SkinIndex, 2);
  other->SetActive(false);
  EXPECT_EQ(box->SkinData.SkinManager(), other);
  EXPECT_EQ(box->SkinData.SkinIndex, -1);
  other->SetActive(true);
  TComponent::Free(other);
  EXPECT_EQ(box->SkinData.SkinManager(), nullptr);
  EXPECT_EQ(box->SkinData.SkinIndex, -1);
}

// The same for a manager switched off before it goes: nothing is announced
// then, and the control must still not point at freed memory.
TEST_F(sCommonDataTest, AManagerFreedWhileSwitchedOffIsForgottenToo) {
  MainSkin();
  TsSkinManager* other = OtherSkin();
  TBox* box = Make(form, TsControlKind::Panel, "PANEL");
  box->SkinData.SetSkinManager(other);
  other->SetActive(false);
  TComponent::Free(other);
  EXPECT_EQ(box->SkinData.SkinManager(), nullptr);
  if (box->SkinData.SkinManager()) box->SkinData.SetSkinManager(nullptr);  // no dangling binding past here
}

// The colour a transparent control shows: its own, its parent's, or the mix
// (T × (parent − own) + 256 × own) / 256 per channel, rounded down.
TEST_F(sCommonDataTest, GetColorMixesTheSectionColourWithTheParents) {
  MainSkin();
  auto* plain = TComponent::Create<TWinControl>(form);
  plain->SetParent(form);
  plain->SetColor(clBtnFace);
  TBox* glassPanel = Make(form, TsControlKind::Panel, "GLASS50");
  TBox* greyPanel = Make(form, TsControlKind::Panel, "PANEL");
  const struct { const char* section; TWinControl* parent; TColor owner, answer; } cases[] = {
      {"GLASS0", form, clRed, ColorToRGB(clBtnFace)},
      {"GLASS1", form, clRed, RGB(199, 99, 0)},
      {"GLASS50", form, clRed, RGB(160, 90, 49)},
      {"GLASS99", form, clRed, RGB(122, 80, 98)},
      {"GLASS100", form, clRed, kFormColor},
      {"GLASS100", plain, clRed, ColorToRGB(clBtnFace)},  // a parent that does not answer: its colour
      {"GLASS50", greyPanel, clRed, RGB(178, 98, 17)},    // an opaque skinned parent: its section colour
      {"SMOKE", glassPanel, clRed, RGB(39, 33, 33)},      // a transparent parent answers with its own mix
      {"NOPE", form, clBtnFace, ColorToRGB(clBtnFace)},   // not skinned: the owner's colour
      {"NOPE", form, RGB(7, 8, 9), RGB(7, 8, 9)},
  };
  for (const auto& c : cases) {
    TBox* box = Make(c.parent, TsControlKind::BitBtn, c.section);
    box->SetColor(c.owner);
    SharedColor = kNoSharedColor;
    TMessage m = Command(SKC_GETCOLOR);
    EXPECT_TRUE(box->SkinData.HandleSkinCommand(m)) << c.section;
    EXPECT_EQ(SharedColor, c.answer) << c.section << " in " << c.parent->ClassName();
  }
}

// Questions are answered in the asker's own record and go no further.
TEST_F(sCommonDataTest, QuestionsAreAnsweredInLParam) {
  MainSkin();
  TBox* panel = Make(form, TsControlKind::Panel, "PANEL");
  using Arrange = std::function<void(TsCommonData&)>;
  const struct { const char* what; const char* section; uint16_t code; Arrange arrange; LPARAM answer; } cases[] = {
      {"skin aware", "PANEL", SKC_ISSKINAWARE, nullptr, 1},
      {"half visible", "PANEL", SKC_GETHALFVISIBLE, [](TsCommonData& d) { d.HalfVisible = true; }, 1},
      {"wholly visible", "PANEL", SKC_GETHALFVISIBLE, [](TsCommonData& d) { d.HalfVisible = false; }, 0},
      {"stale cache", "PANEL", SKC_GETUPDATING, [](TsCommonData& d) { d.BGChanged = true; }, 1},
      {"updating", "PANEL", SKC_GETUPDATING, [](TsCommonData& d) { d.Updating = true; }, 1},
      {"up to date", "PANEL", SKC_GETUPDATING, nullptr, 0},
      {"gradient", "GRADPANEL", SKC_GETPOSITIONDEPENDENT, nullptr, 1},
      {"image", "IMGPANEL", SKC_GETPOSITIONDEPENDENT, nullptr, 1},
      {"plain", "PANEL", SKC_GETPOSITIONDEPENDENT, nullptr, 0},
      {"keeping its cache", "PANEL", SKC_GETPOSITIONDEPENDENT, [](TsCommonData& d) { d.KeepCache = true; }, 1},
  };
  for (const auto& c : cases) {
    TBox* box = Make(panel, TsControlKind::BitBtn, c.section);
    panel->SkinData.BGChanged = false;  // a parent with a stale cache makes its children wait
    box->SkinData.BGChanged = box->SkinData.Updating = false;
    if (c.arrange) c.arrange(box->SkinData);
    TMessage m = Command(c.code, 1 - c.answer);
    EXPECT_TRUE(box->SkinData.HandleSkinCommand(m)) << c.what;
    EXPECT_EQ(m.LParam, c.answer) << c.what;
  }
}

// A switch is on for a low word of exactly 1.
TEST_F(sCommonDataTest, SwitchCommandsReadOnlyOneAsOn) {
  TBox* box = Make(form, TsControlKind::Panel);
  for (uint16_t code : {SKC_SETUPDATING, SKC_SETKEEPCACHE})
    for (uint16_t low : {1, 0, 2, 0x101, 0xFFFF}) {
      bool& flag = code == SKC_SETUPDATING ? box->SkinData.Updating : box->SkinData.KeepCache;
      flag = low != 1;
      TMessage m = Command(code, 0, low);
      EXPECT_FALSE(box->SkinData.HandleSkinCommand(m));
      EXPECT_EQ(flag, low == 1) << code << " low word " << low;
    }
}

// --- plain control events ---

// Panels, group boxes and the like never light up under the mouse; a
// hovered button does.
TEST_F(sCommonDataTest, MouseOverLightsUpOnlyKindsThatShowIt) {
  MainSkin();
  // Kind codes without a name here are tested by number.
  const std::pair<int, bool> cases[] = {
      {KindCode(TsControlKind::BitBtn), true}, {KindCode(TsControlKind::Button), true},
      {KindCode(TsControlKind::RadioButton), true}, {0, true}, {50, true}, {75, true}, {109, true}, {111, true},
      {140, true}, {162, true}, {KindCode(TsControlKind::Panel), false}, {60, false},
      {KindCode(TsControlKind::GroupBox), false}, {110, false}, {141, false}, {150, false}, {161, false}};
  for (auto [kind, hot] : cases) {
    TBox* box = Make(form, TsControlKind{kind}, "PANEL");
    box->Perform(CM_MOUSEENTER);
    EXPECT_EQ(box->SkinData.MouseAbove, hot) << kind;
    EXPECT_EQ(box->SkinData.ControlIsActive(), hot) << kind;
    box->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(box->SkinData.MouseAbove) << kind;
  }
}

// Focus makes any control hot, even a kind the mouse never lights up, as
// long as it is enabled; losing it, or a cancelled mode, ends the hot look.
TEST_F(sCommonDataTest, FocusAndCancelledModesDecideTheHotLook) {
  MainSkin();
  TBox* box = Make(form, TsControlKind::Panel, "PANEL");
  TBox* next = Make(form, TsControlKind::BitBtn, "PANEL");
  box->SkinData.BGChanged = false;
  box->SetFocus();
  EXPECT_TRUE(box->SkinData.Focused);
  EXPECT_TRUE(box->SkinData.BGChanged);
  box->SkinData.Focused = false;
  EXPECT_TRUE(box->SkinData.ControlIsActive()) << "the window has the focus";
  box->SkinData.BGChanged = false;
  next->SetFocus();
  EXPECT_FALSE(box->SkinData.Focused);
  EXPECT_TRUE(box->SkinData.BGChanged);
  box->SkinData.Focused = true;
  EXPECT_TRUE(box->SkinData.ControlIsActive()) << "focused by the flag";
  for (uint32_t msg : {uint32_t(CM_ENABLEDCHANGED), uint32_t(WM_CANCELMODE), uint32_t(CM_CANCELMODE)}) {
    box->SkinData.Focused = box->SkinData.MouseAbove = true;
    box->Perform(msg);
    EXPECT_FALSE(box->SkinData.Focused) << msg;
    EXPECT_FALSE(box->SkinData.MouseAbove) << msg;
  }
  next->SetEnabled(false);
  next->SkinData.Focused = next->SkinData.MouseAbove = true;
  EXPECT_FALSE(next->SkinData.ControlIsActive()) << "disabled";
  EXPECT_FALSE(TsCommonData(nullptr, false).ControlIsActive()) << "no owner";
  box->SkinData.Focused = true;
  box->Destroying();
  EXPECT_FALSE(box->SkinData.ControlIsActive()) << "going away";
}

// A gradient is laid over the whole control, so when it changes size every
// child that stays where it is sees a different piece of it; children
// anchored right or bottom move with the edge and are told by their move.
TEST_F(sCommonDataTest, ResizingAGradientPanelTellsItsUnanchoredChildren) {
  MainSkin();
  const struct { const char* section; bool stale, told; } cases[] = {
      {"GRADPANEL", true, true}, {"PANEL", true, false}, {"NOPE", false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.section);
    TBox* panel = Make(form, TsControlKind::Panel, c.section);
    auto* graphic = Make<TGraphicBox>(panel, TsControlKind::BitBtn, "PANEL");
    TBox* still = Make(panel, TsControlKind::BitBtn, "PANEL");
    std::vector<TBox*> anchored;
    for (TAnchors anchors : {TAnchors{akLeft, akTop, akRight}, TAnchors{akLeft, akTop, akBottom}, TAnchors{akRight}}) {
      anchored.push_back(Make(panel, TsControlKind::BitBtn, "PANEL"));
      anchored.back()->SetAnchors(anchors);
    }
    panel->SkinData.BGChanged = false;
    panel->Perform(WM_SIZE, 0, MakeLParam(60, 50));
    EXPECT_EQ(panel->SkinData.BGChanged, c.stale);
    uint16_t graphicLow = 0, stillLow = 0;
    EXPECT_EQ(graphic->Count(SKC_POSITIONCHANGED, &graphicLow), c.told ? 1 : 0);
    EXPECT_EQ(still->Count(SKC_POSITIONCHANGED, &stillLow), c.told ? 1 : 0);
    EXPECT_EQ(graphicLow + stillLow, c.told ? 2 : 0) << "children are told to redraw";
    for (TBox* box : anchored) EXPECT_EQ(box->Count(SKC_POSITIONCHANGED), 0);
  }
}
