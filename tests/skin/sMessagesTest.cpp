// The skin command message and how it travels: the transport functions, the
// child walk, delivery to every form, freezing and thawing the forms around a
// skin change, and the skin manager's three announcements.
#include "skin/sMessages.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FrameworkFixture.h"
#include "Probe.h"
#include "framework/base/Exceptions.h"
#include "skin/sSkinManager.h"

namespace {

using Log = std::vector<std::string>;
using Hook = std::function<void(TMessage&)>;

std::string CodeName(uint16_t code) {
  static const std::map<uint16_t, std::string> names{
      {SKC_NEWSKIN, "newskin"},         {SKC_REMOVESKIN, "removeskin"},       {SKC_REFRESH, "refresh"},
      {SKC_GETPROVIDER, "getprovider"}, {SKC_PARENTPAINTED, "parentpainted"}, {SKC_ISSKINAWARE, "isskinaware"},
      {SKC_STOPFADING, "stopfading"},   {SKC_ADAPTCONTROL, "adapt"}};
  const auto it = names.find(code);
  return it != names.end() ? it->second : std::to_string(code);
}

std::vector<std::string> CodeNames(const std::vector<TMessage>& got) {
  std::vector<std::string> names;
  for (const TMessage& m : got) names.push_back(CodeName(m.WParamHi()));
  return names;
}

// A control that records every skin command it gets and answers as the test
// tells it to; windowed or not. Without an answer it is not skin-aware, so
// the walk passes through a windowed one to its children.
template <class Base>
class TReceiverOf : public Base {
 public:
  explicit TReceiverOf(TWinControl* parent) : Base(parent) {
    this->SetBounds(0, 0, 20, 20);
    this->SetParent(parent);
  }
  void WndProc(TMessage& m) override {
    if (m.Msg == SM_KAVRACMD) {
      got.push_back(m);
      if (answer) answer(m);
      return;
    }
    Base::WndProc(m);
  }
  std::vector<TMessage> got;
  Hook answer;
};
using TReceiver = TReceiverOf<TWinControl>;
using TGraphicReceiver = TReceiverOf<TGraphicControl>;

// A skinned control as the engine's controls behave: it says it is
// skin-aware, acts on a skin announcement only when the announcement names
// the manager it is bound to, and, being a container, passes announcements
// on to its children whatever it decided for itself.
class TSkinned : public TWinControl {
 public:
  TSkinned(TWinControl* parent, const std::string& name, Log* log) : TWinControl(parent), log(log) {
    SetName(name);
    SetBounds(0, 0, 30, 30);
    SetParent(parent);
  }
  void WndProc(TMessage& m) override {
    const uint16_t code = SkinCommandCode(m);
    if (!code) return TWinControl::WndProc(m);
    if (code == SKC_ISSKINAWARE) {
      m.LParam = 1;
      return;
    }
    got.push_back(code);
    if (log) log->push_back(Name() + ":" + CodeName(code));
    if (hook) hook(m);
    if (code == SKC_NEWSKIN || code == SKC_REMOVESKIN || code == SKC_REFRESH) {
      if (CommandManager(m) == ResolveManager(own)) acted.push_back(code);
      BroadcastToChildren(this, m);
    }
  }
  Log* log;
  TsSkinManager* own = nullptr;
  std::vector<uint16_t> got;
  std::vector<uint16_t> acted;
  Hook hook;
};

class TFakeProvider : public TsFrameProvider {
 public:
  TFakeProvider(TsSkinManager* manager, HWND window, Log* log) : manager(manager), window(window), log(log) {}
  TsSkinManager* FrameSkinManager() const override { return manager; }
  void AnimateSkinChange(int ms) override { log->push_back("animate " + std::to_string(ms)); }
  // Notes whether the window region was still there when the frame was painted.
  void RepaintFrame() override { log->push_back("frame, region " + std::to_string(GetWindowRgn(window, nullptr))); }
  TsSkinManager* manager;
  HWND window;
  Log* log;
};

TMessage Command(uint16_t code, LPARAM lParam = 0) { return TMessage{SM_KAVRACMD, SkinCommandWParam(code), lParam, 0}; }

struct FreeComponent {
  void operator()(TComponent* c) const { TComponent::Free(c); }
};

// What a handler may still touch once a test body has ended lives here, not
// in the test's locals: forms and managers outlive the body and still get
// messages while they go.
class sMessagesTest : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    DefaultManager = nullptr;  // whatever an earlier test left must not be the default here
  }
  void TearDown() override {
    managers.clear();
    FrameworkFixture::TearDown();
  }

  TsSkinManager* MakeManager() {
    managers.emplace_back(TComponent::Create<TsSkinManager>(nullptr));
    return managers.back().get();
  }

  TSkinned* Skinned(TWinControl* parent, const std::string& name) { return new TSkinned(parent, name, &log); }

  // A receiver, windowed or not, answering with `answer`; `got` is what it heard.
  TControl* Receiver(TWinControl* parent, bool windowed, Hook answer, std::vector<TMessage>** got = nullptr) {
    auto make = [&](auto* r) {
      r->answer = std::move(answer);
      if (got) *got = &r->got;
      return static_cast<TControl*>(r);
    };
    return windowed ? make(new TReceiver(parent)) : make(new TGraphicReceiver(parent));
  }

  // Logs what the form's window gets: skin commands, WM_SETREDRAW and frame
  // paints, as "name:what".
  void Watch(TCustomForm* form, const std::string& name) {
    auto previous = form->WindowProc;
    form->WindowProc = [this, name, previous](TMessage& m) {
      if (const uint16_t code = SkinCommandCode(m)) {
        log.push_back(name + ":" + CodeName(code));
        heard.push_back(m);
      } else if (m.Msg == WM_SETREDRAW) {
        log.push_back(name + ":redraw " + std::to_string(m.WParam));
      } else if (m.Msg == WM_NCPAINT) {
        log.push_back(name + ":ncpaint");
      }
      previous(m);
    };
  }

  // The form answers SKC_GETPROVIDER with `provider`, as a frame provider
  // that subclassed it does.
  void GiveProvider(TCustomForm* form, TsFrameProvider* provider) {
    auto previous = form->WindowProc;
    form->WindowProc = [provider, previous](TMessage& m) {
      previous(m);
      if (SkinCommandCode(m) == SKC_GETPROVIDER) m.Result = reinterpret_cast<LRESULT>(provider);
    };
  }

  Log log;
  std::vector<TMessage> heard;  // skin commands the watched forms got
  Log paints;
  std::vector<std::unique_ptr<TsSkinManager, FreeComponent>> managers;
  std::vector<std::unique_ptr<TFakeProvider>> providers;
  TControl* added = nullptr;
  TControl* victim = nullptr;
};

// A transparent container that got the command would repaint itself with
// the skin of a control it is not, and a button behind it that missed it
// would keep the old skin. A graphic control gets a copy, so it cannot
// change what its later siblings read; skin-aware ones answer in the
// sender's own record.
TEST_F(sMessagesTest, PlainContainerIsWalkedThroughAndGetsNothingButTheQuestion) {
  TForm* form = MakeForm(200, 200);
  std::vector<TMessage>* graphicGot = nullptr;
  Receiver(form, false, [](TMessage& m) { m.LParam = 999, m.Result = 5; }, &graphicGot);
  TSkinned* panel = Skinned(form, "Panel");
  auto* plain = new TReceiver(panel);
  TSkinned* button = Skinned(plain, "Button");
  LPARAM seenByButton = -1;
  button->hook = [&seenByButton](TMessage& m) { seenByButton = m.LParam, m.Result += 42; };
  form->Show();

  TMessage m = Command(SKC_REFRESH, 7);
  DeliverToAllForms(m);
  button->hook = nullptr;
  EXPECT_EQ(panel->got, std::vector<uint16_t>{SKC_REFRESH});
  EXPECT_EQ(button->got, std::vector<uint16_t>{SKC_REFRESH});
  ASSERT_FALSE(plain->got.empty()) << "the plain container must be asked whether it is skin-aware";
  for (const std::string& code : CodeNames(plain->got)) EXPECT_EQ(code, "isskinaware");
  EXPECT_EQ(CodeNames(*graphicGot), Log{"refresh"});
  EXPECT_EQ(seenByButton, 7) << "the graphic control's change leaked to a later receiver";
  EXPECT_EQ(m.Result, 42) << "the button's answer must reach the sender";
}

// Queries are answered in the record the receiver was given; only direct
// dispatch sees that, and the window path only sees Result.
TEST_F(sMessagesTest, QueryAnswersAreReadWhereTheyCanBeSeen) {
  enum class Answer { InLParam, InResult, InResultNotOne, None };
  struct Case {
    const char* name;
    bool windowed;
    Answer answer;
    bool yes;            // AskSkinCommand
    size_t asked;        // how often the receiver was asked by AskSkinCommand
    bool windowCreated;  // whether asking gave the control a window
  } cases[] = {
      {"windowed, LParam", true, Answer::InLParam, true, 1, false},
      {"windowed, Result", true, Answer::InResult, true, 2, true},
      {"windowed, Result 2", true, Answer::InResultNotOne, false, 2, true},
      {"windowed, none", true, Answer::None, false, 2, true},
      {"graphic, LParam", false, Answer::InLParam, true, 1, false},
      {"graphic, Result", false, Answer::InResult, false, 1, false},
      {"graphic, none", false, Answer::None, false, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm* form = MakeForm(100, 100);  // never shown: no windows yet
    const Hook answer = [a = c.answer](TMessage& m) {
      if (a == Answer::InLParam) m.LParam = 1;
      if (a == Answer::InResult) m.Result = 1;
      if (a == Answer::InResultNotOne) m.Result = 2;
    };
    std::vector<TMessage>* got = nullptr;
    TControl* control = Receiver(form, c.windowed, answer, &got);
    EXPECT_EQ(AskSkinCommand(control, SKC_GETUPDATING), c.yes);
    EXPECT_EQ(got->size(), c.asked);
    for (const TMessage& m : *got) EXPECT_EQ(m.WParam, WPARAM{SKC_GETUPDATING} << 16);
    EXPECT_EQ(form->HandleAllocated(), c.windowCreated);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      const LRESULT result = c.answer == Answer::InResult ? 1 : c.answer == Answer::InResultNotOne ? 2 : 0;
      EXPECT_EQ(SendSkinCommand(windowed->Handle(), SKC_GETUPDATING, 0), result)
          << "through the window only Result comes back";
    }
  }
}

TEST_F(sMessagesTest, PerformSkinCommandLeavesWindowlessAndDyingControlsAlone) {
  const Hook answer = [](TMessage& m) { m.Result = 9; };
  auto* noWindow = new TReceiver(MakeForm(100, 100));
  TForm* shown = MakeForm(100, 100);
  auto* dying = new TReceiver(shown);
  auto* live = new TReceiver(shown);
  auto* graphic = new TGraphicReceiver(shown);
  noWindow->answer = dying->answer = live->answer = graphic->answer = answer;
  shown->Show();
  dying->Destroying();

  EXPECT_EQ(PerformSkinCommand(noWindow, SKC_GETUPDATING, 1234), 0);
  EXPECT_FALSE(noWindow->HandleAllocated()) << "a command must not make a window";
  EXPECT_TRUE(noWindow->got.empty());
  EXPECT_EQ(PerformSkinCommand(dying, SKC_GETUPDATING, 1234), 0);
  EXPECT_TRUE(dying->got.empty());
  EXPECT_EQ(PerformSkinCommand(nullptr, SKC_GETUPDATING, 1234), 0);

  const std::pair<TControl*, std::vector<TMessage>*> reached[] = {{live, &live->got}, {graphic, &graphic->got}};
  for (auto [control, got] : reached) {
    SCOPED_TRACE(control->IsWindowed() ? "windowed" : "graphic");
    EXPECT_EQ(PerformSkinCommand(control, SKC_GETUPDATING, 1234), 9);
    ASSERT_EQ(got->size(), 1u);
    EXPECT_EQ((*got)[0].Msg, SM_KAVRACMD);
    EXPECT_EQ((*got)[0].WParam, WPARAM{SKC_GETUPDATING} << 16) << "the code goes in the high word";
    EXPECT_EQ((*got)[0].LParam, 1234);
  }
}

// A control bound to one manager that reacted to another manager's
// announcement would load the wrong skin; a container that stopped
// forwarding would cut its children off from their own manager.
TEST_F(sMessagesTest, AnnouncementOfAnotherManagerIsForwardedButNotActedOn) {
  TsSkinManager* first = MakeManager();  // the default manager
  TsSkinManager* second = MakeManager();
  ASSERT_EQ(DefaultManager, first);
  TForm* form = MakeForm(200, 200);
  TSkinned* panel = Skinned(form, "Panel");     // bound to the default
  TSkinned* ownButton = Skinned(panel, "Own");  // bound to `second`
  TSkinned* defaultButton = Skinned(panel, "Default");
  ownButton->own = second;
  form->Show();

  for (uint16_t code : {SKC_NEWSKIN, SKC_REMOVESKIN, SKC_REFRESH}) {
    for (TsSkinManager* named : {first, second}) {
      SCOPED_TRACE(CodeName(code) + (named == first ? " of the default manager" : " of the other manager"));
      for (TSkinned* s : {panel, ownButton, defaultButton}) s->got.clear(), s->acted.clear();
      TMessage m = Command(code, ManagerParam(named));
      DeliverToAllForms(m);
      const std::vector<uint16_t> one{code}, none;
      for (TSkinned* s : {panel, ownButton, defaultButton}) EXPECT_EQ(s->got, one) << s->Name();
      EXPECT_EQ(panel->acted, named == first ? one : none);
      EXPECT_EQ(defaultButton->acted, named == first ? one : none);
      EXPECT_EQ(ownButton->acted, named == second ? one : none);
    }
  }
}

// The walk stops at a child being destroyed: its siblings are going too.
// Walks of outer containers go on.
TEST_F(sMessagesTest, ChildBeingDestroyedEndsThatContainersWalk) {
  for (bool windowed : {true, false}) {
    SCOPED_TRACE(windowed ? "windowed" : "graphic");
    TForm* form = MakeForm(200, 200);
    auto* plain = new TReceiver(form);
    std::vector<TMessage>* dyingGot = nullptr;
    TControl* dying = Receiver(plain, windowed, nullptr, &dyingGot);
    Skinned(plain, "Second");
    Skinned(form, "Outer");
    form->Show();
    dying->Destroying();
    log.clear();
    TMessage m = Command(SKC_REFRESH);
    BroadcastToChildren(form, m);
    EXPECT_EQ(log, Log{"Outer:refresh"});
    EXPECT_TRUE(dyingGot->empty());
    TComponent::Free(form);
  }
}

TEST_F(sMessagesTest, ChildrenAddedOrRemovedByAHandlerCount) {
  struct Case {
    const char* name;
    int removeIndex;  // -1: the first child's handler adds a child instead
    Log visits;
  } cases[] = {
      {"added", -1, {"A:refresh", "B:refresh", "C:refresh", "New:refresh"}},
      {"later one removed", 2, {"A:refresh", "B:refresh"}},
      {"next one removed", 1, {"A:refresh", "C:refresh"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm* form = MakeForm(200, 200);
    TSkinned* a = Skinned(form, "A");
    Skinned(form, "B");
    Skinned(form, "C");
    form->Show();
    added = nullptr;
    victim = c.removeIndex >= 0 ? form->Controls(c.removeIndex) : nullptr;
    a->hook = [this, form, remove = c.removeIndex >= 0](TMessage&) {
      if (remove && victim) {
        TComponent::Free(victim);
        victim = nullptr;
      } else if (!remove && !added) {
        added = Skinned(form, "New");
      }
    };
    log.clear();
    TMessage m = Command(SKC_REFRESH);
    BroadcastToChildren(form, m);
    EXPECT_EQ(log, c.visits);
    TComponent::Free(form);
  }
}

// A failing receiver must not take the rest of the program down with it,
// nor show the user a message about a repaint.
TEST_F(sMessagesTest, FailingHandlerEndsOnlyItsContainersWalk) {
  enum class Thrower { SkinnedOnCommand, WindowedOnQuestion, Graphic };
  for (bool skinnedContainer : {false, true}) {
    for (Thrower kind : {Thrower::SkinnedOnCommand, Thrower::WindowedOnQuestion, Thrower::Graphic}) {
      SCOPED_TRACE(std::string(skinnedContainer ? "skinned" : "plain") + " container, thrower " +
                   std::to_string(static_cast<int>(kind)));
      TForm* form = MakeForm(200, 200);
      TWinControl* container = skinnedContainer ? static_cast<TWinControl*>(Skinned(form, "Box")) : new TReceiver(form);
      const Hook fail = [](TMessage&) { throw EFOpenError("Cannot open file skin.dat"); };
      if (kind == Thrower::SkinnedOnCommand) Skinned(container, "Thrower")->hook = fail;
      if (kind == Thrower::WindowedOnQuestion) (new TReceiver(container))->answer = fail;
      if (kind == Thrower::Graphic) (new TGraphicReceiver(container))->answer = fail;
      TSkinned* afterThrower = Skinned(container, "AfterThrower");
      TSkinned* sibling = Skinned(form, "Sibling");
      form->Show();
      TMessage m = Command(SKC_REFRESH);
      EXPECT_NO_THROW(BroadcastToChildren(form, m));
      EXPECT_TRUE(afterThrower->got.empty());
      EXPECT_EQ(sibling->got, std::vector<uint16_t>{SKC_REFRESH});
      EXPECT_TRUE(backend->MessageBoxes().empty());
      TComponent::Free(form);
    }
  }
}

// The newest form (a dialog over the main form) hears first; each form's
// controls hear right after their form.
TEST_F(sMessagesTest, FormsHearNewestFirstAndSkippedFormsHearNothing) {
  for (const char* name : {"F0", "F1", "F2"}) {
    TForm* form = MakeForm(100, 100);
    Watch(form, name);
    Skinned(form, std::string(name) + ".c");
    form->Show();
  }
  new TComponent(Application);  // not a form: passed over
  TMessage m = Command(SKC_REFRESH);
  DeliverToAllForms(m);
  EXPECT_EQ(log, (Log{"F2:refresh", "F2.c:refresh", "F1:refresh", "F1.c:refresh", "F0:refresh", "F0.c:refresh"}));

  struct Skip {
    const char* name;
    std::function<void(TForm*)> make;
  } skips[] = {
      {"mdi", [](TForm* f) { f->SetFormStyle(TFormStyle::fsMDIChild); }},
      {"loading", [](TForm* f) { f->SetLoadingState(true); }},
      {"dying", [](TForm* f) { f->Destroying(); }},
  };
  for (const Skip& s : skips) {
    TForm* form = MakeForm(100, 100);
    Watch(form, s.name);
    Skinned(form, std::string(s.name) + ".c");
    form->Show();
    s.make(form);
  }
  log.clear();
  DeliverToAllForms(m);
  EXPECT_EQ(log, (Log{"F2:refresh", "F2.c:refresh", "F1:refresh", "F1.c:refresh", "F0:refresh", "F0.c:refresh"}));
}

// Frozen newest first, thawed oldest first; a hidden, child or dying form
// must be left as it is, or its redraw switch would be turned on for a
// window that never had it turned off.
TEST_F(sMessagesTest, FreezeAndThawReachTheShownTopLevelFormsInOrder) {
  TsSkinManager* manager = MakeManager();
  std::vector<TForm*> forms;
  for (const char* name : {"F0", "F1", "F2", "hidden", "mdi", "child", "dying"}) {
    forms.push_back(MakeForm(100, 100));
    Watch(forms.back(), name);
  }
  forms[4]->SetFormStyle(TFormStyle::fsMDIChild);
  forms[5]->SetParent(forms[0]);
  for (TForm* f : forms) f->Show();
  forms[3]->Hide();  // a closed dialog keeps its window
  forms[6]->Destroying();
  Pump();
  log.clear();

  StopFormsRedraw();
  EXPECT_EQ(log, (Log{"F2:redraw 0", "F1:redraw 0", "F0:redraw 0"}));
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(forms[static_cast<size_t>(i)]->RedrawEnabled());
  log.clear();
  ResumeFormsRedraw(*manager, std::nullopt);
  Log thawed;
  for (const std::string& line : log)
    if (line.find("redraw") != std::string::npos) thawed.push_back(line);
  EXPECT_EQ(thawed, (Log{"F0:redraw 1", "F1:redraw 1", "F2:redraw 1"}));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(forms[static_cast<size_t>(i)]->RedrawEnabled());
  forms[5]->SetParent(nullptr);
}

// A form whose frame this manager paints shows the change animated and gets
// its frame from the new skin; one painted by another manager is redrawn
// like a plain form, its shape kept.
TEST_F(sMessagesTest, ThawAnimatesAndRepaintsOnlyFramesOfThisManager) {
  struct Case {
    const char* name;
    bool bound;
    bool animate;
    Log thaw;
  } cases[] = {
      {"bound, animated", true, true, {"F:getprovider", "animate 250", "F:redraw 1", "frame, region 0"}},
      {"bound, not animated", true, false, {"F:getprovider", "F:redraw 1", "frame, region 0"}},
      {"another manager's", false, true, {"F:getprovider", "F:redraw 1", "F:ncpaint"}},
  };
  TsSkinManager* manager = MakeManager();
  TsSkinManager* other = MakeManager();
  manager->AnimEffects()->SkinChanging()->SetTime(250);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    manager->AnimEffects()->SkinChanging()->SetActive(c.animate);
    TForm* form = MakeForm(100, 100);
    Application->SetMainForm(form);
    new TProbe(form, form, "Probe", {10, 10, 40, 40}, clRed, &paints);
    form->Show();
    SetWindowRgn(form->Handle(), TRegion(TRect{0, 0, 60, 60}), false);
    providers.push_back(std::make_unique<TFakeProvider>(c.bound ? manager : other, form->Handle(), &log));
    Watch(form, "F");
    GiveProvider(form, providers.back().get());
    Pump();
    log.clear();
    paints.clear();

    manager->AnnounceRefresh();
    const Log frozen{"F:stopfading", "F:redraw 0", "F:refresh"};
    ASSERT_GE(log.size(), frozen.size());
    EXPECT_EQ(Log(log.begin(), log.begin() + 3), frozen);
    EXPECT_EQ(Log(log.begin() + 3, log.end()), c.thaw);
    EXPECT_EQ(GetWindowRgn(form->Handle(), nullptr) != 0, !c.bound) << "the region is the old skin's shape";
    EXPECT_EQ(paints, Log{"Probe"}) << "children are redrawn at once";
    TComponent::Free(form);
  }
}

TEST_F(sMessagesTest, ManagerAnnouncementsComeInTheirOrder) {
  TsSkinManager* manager = MakeManager();
  TForm* form = MakeForm(100, 100);
  Watch(form, "F");
  TSkinned* child = Skinned(form, "C");
  child->hook = [this, manager](TMessage&) { log.push_back(manager->CommonSkinData.Active ? "active" : "inactive"); };
  form->Show();
  Pump();

  log.clear();
  manager->AnnounceNewSkin();
  EXPECT_EQ(log, (Log{"F:redraw 0", "F:newskin", "C:newskin", "inactive",  // frozen, told
                      "F:stopfading", "C:stopfading", "active",            // then the refresh
                      "F:redraw 0", "F:refresh", "C:refresh", "active",    //
                      "F:getprovider", "F:redraw 1", "F:ncpaint"}));       // thawed
  EXPECT_TRUE(manager->CommonSkinData.Active);
  EXPECT_EQ(child->acted, (std::vector<uint16_t>{SKC_NEWSKIN, SKC_REFRESH})) << "both must name their manager";

  struct Case {
    const char* name;
    bool mainForm;
    bool loading;
    bool frozen;
  } cases[] = {{"with a main form", true, false, true}, {"no main form", false, false, false},
               {"manager loading", true, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Application->SetMainForm(c.mainForm ? form : nullptr);
    manager->SetLoadingState(c.loading);
    log.clear();
    manager->AnnounceRefresh();
    const Log plain{"F:stopfading", "C:stopfading", "active", "F:refresh", "C:refresh", "active"};
    const Log frozen{"F:stopfading", "C:stopfading", "active", "F:redraw 0", "F:refresh",
                     "C:refresh", "active", "F:getprovider", "F:redraw 1", "F:ncpaint"};
    EXPECT_EQ(log, c.frozen ? frozen : plain);
    manager->SetLoadingState(false);
  }

  log.clear();
  manager->AnnounceSkinRemoval();
  EXPECT_EQ(log, (Log{"F:removeskin", "C:removeskin", "inactive"}));
  EXPECT_FALSE(manager->CommonSkinData.Active);
}

// A colour left in the shared slot by an earlier question must not pass
// for this control's answer; system colours come back as what they show.
TEST_F(sMessagesTest, ParentColorIsTheAnswerElseTheControlsOwnAsRGB) {
  constexpr TColor kBtnFaceRGB = RGB(212, 208, 200);
  struct Case {
    const char* name;
    bool windowed;
    std::optional<TColor> answer;
    TColor own;
    TColor expected;
  } cases[] = {
      {"answered", true, TColor{0x336699}, 0x123456, 0x336699},
      {"answered with a system colour", true, clBtnFace, 0x123456, kBtnFaceRGB},
      {"unanswered", true, std::nullopt, 0x123456, 0x123456},
      {"unanswered, own system colour", true, std::nullopt, clBtnFace, kBtnFaceRGB},
      {"graphic, answered", false, TColor{0x336699}, 0x123456, 0x336699},
      {"graphic, unanswered", false, std::nullopt, 0x123456, 0x123456},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TForm* form = MakeForm(100, 100);
    form->Show();
    TColor seenBeforeAnswer = clNone;
    const Hook answer = [&seenBeforeAnswer, a = c.answer](TMessage& m) {
      if (m.WParamHi() != SKC_GETCOLOR) return;
      seenBeforeAnswer = SharedColor;
      if (a) SharedColor = *a;
    };
    TControl* control = Receiver(form, c.windowed, answer);
    control->SetColor(c.own);
    SharedColor = 0x00FF00;  // stale, from an earlier question
    EXPECT_EQ(GetParentColor(control), c.expected);
    EXPECT_EQ(seenBeforeAnswer, kNoSharedColor);
    TComponent::Free(form);
  }
}

TEST_F(sMessagesTest, ParentPaintedReachesWindowedChildrenOnly) {
  TForm* form = MakeForm(100, 100);  // not shown: no windows yet
  auto* graphic = new TGraphicReceiver(form);
  auto* dying = new TReceiver(form);
  auto* first = new TReceiver(form);
  auto* second = new TReceiver(form);
  dying->Destroying();
  NotifyChildrenParentPainted(form);
  EXPECT_TRUE(graphic->got.empty());
  EXPECT_TRUE(dying->got.empty());
  EXPECT_EQ(CodeNames(first->got), Log{"parentpainted"}) << "a dying child must not stop the others";
  EXPECT_EQ(CodeNames(second->got), Log{"parentpainted"});
  EXPECT_TRUE(first->HandleAllocated());
}

// A failing child ends the notification quietly; the user must not see a
// message box because a background could not be repainted.
TEST_F(sMessagesTest, ParentPaintedStopsSilentlyAtAFailingChild) {
  TForm* form = MakeForm(100, 100);
  auto* failing = new TReceiver(form);
  failing->answer = [](TMessage&) { throw EFOpenError("Cannot open file skin.dat"); };
  auto* after = new TReceiver(form);
  form->Show();
  EXPECT_NO_THROW(NotifyChildrenParentPainted(form));
  EXPECT_EQ(failing->got.size(), 1u);
  EXPECT_TRUE(after->got.empty());
  EXPECT_TRUE(backend->MessageBoxes().empty());
}

TEST_F(sMessagesTest, AnnounceControlTellsTheFormThatHoldsIt) {
  TForm* form = MakeForm(100, 100);
  Watch(form, "F");
  auto* panel = new TReceiver(form);
  auto* control = new TReceiver(panel);
  AnnounceControl(control);
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(heard[0].WParamHi(), SKC_ADAPTCONTROL);
  EXPECT_EQ(heard[0].LParam, reinterpret_cast<LPARAM>(control));
  EXPECT_TRUE(panel->got.empty()) << "the form is told, not the control's parent";

  // No form above: nobody to tell, and nothing breaks.
  std::unique_ptr<TWinControl, FreeComponent> loose(new TReceiver(nullptr));
  auto* orphan = new TReceiver(loose.get());
  AnnounceControl(orphan);
  AnnounceControl(loose.get());
  EXPECT_EQ(heard.size(), 1u);
  EXPECT_TRUE(static_cast<TReceiver*>(loose.get())->got.empty());
}

}  // namespace
