#include "FrameworkFixture.h"
#include "Probe.h"

namespace {

constexpr uint32_t kQuery = WM_USER + 1;
constexpr uint32_t kFail = WM_USER + 2;

// Answers kQuery in the caller's record (LParam) and in Result, and throws on kFail.
class TAnswering : public TWinControl {
 public:
  using TWinControl::TWinControl;
  void WndProc(TMessage& m) override {
    if (m.Msg == kQuery) {
      m.LParam = 1;
      m.Result = 7;
      return;
    }
    if (m.Msg == kFail) throw EFOpenError("Cannot open file x.txt");
    TWinControl::WndProc(m);
  }
};

class MessagingTest : public FrameworkFixture {};

TEST_F(MessagingTest, AnswerInLParamIsSeenOnlyThroughDirectDispatch) {
  TForm* form = MakeForm(100, 100);
  auto* c = new TAnswering(form);
  c->SetParent(form);
  form->Show();

  TMessage direct{kQuery, 0, 0, 0};
  c->Perform(direct);
  EXPECT_EQ(direct.LParam, 1);
  EXPECT_EQ(direct.Result, 7);

  LPARAM mine = 0;
  EXPECT_EQ(SendMessage(c->Handle(), kQuery, 0, mine), 7);
  EXPECT_EQ(mine, 0);
  EXPECT_EQ(SendMessage(9999, kQuery), 0) << "an unknown window answers 0";
}

TEST_F(MessagingTest, ReplacedWindowProcReceivesBothPaths) {
  TForm* form = MakeForm(100, 100);
  auto* c = new TAnswering(form);
  c->SetParent(form);
  std::vector<uint32_t> seen;
  auto previous = c->WindowProc;
  c->WindowProc = [&](TMessage& m) {
    seen.push_back(m.Msg);
    previous(m);
  };
  c->Perform(kQuery);
  SendMessage(c->Handle(), kQuery);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), kQuery), 2);
  c->WindowProc = previous;
}

TEST_F(MessagingTest, ExceptionInSentMessageIsShownAndTheProgramGoesOn) {
  Application->SetTitle("Сортарий");
  TForm* form = MakeForm(100, 100);
  auto* c = new TAnswering(form);
  c->SetParent(form);
  form->Show();

  EXPECT_THROW(c->Perform(kFail), EFOpenError) << "direct dispatch leaves the error to the caller";
  EXPECT_EQ(SendMessage(c->Handle(), kFail), 0);
  ASSERT_EQ(backend->MessageBoxes().size(), 1u);
  EXPECT_EQ(backend->MessageBoxes()[0].Caption, "Сортарий");
  EXPECT_EQ(backend->MessageBoxes()[0].Text, "Cannot open file x.txt.");
  EXPECT_EQ(backend->MessageBoxes()[0].Flags & MB_ICONSTOP, unsigned{MB_ICONSTOP});

  PostMessage(c->Handle(), kFail);
  PostMessage(c->Handle(), kQuery);
  Pump();
  EXPECT_EQ(backend->MessageBoxes().size(), 2u) << "a posted message that fails is shown too";
}

TEST_F(MessagingTest, MessageBoxTextRule) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"Cannot open file возрастание.txt", "Cannot open file возрастание.txt."},
      {"Failed to Load Stream", "Failed to Load Stream."},
      {"Already ends.", "Already ends."},
      {"Stop!", "Stop!"},
      {"(closed)", "(closed)"},
      {"value 10", "value 10."},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExceptionDisplayText(c.in), c.out) << c.in;
}

TEST_F(MessagingTest, QueuedMessagesArriveInOrderAfterSentOnes) {
  TForm* form = MakeForm(100, 100);
  auto* p = new TProbe(form, form, "p", {0, 0, 10, 10}, clRed);
  form->Show();
  Pump();
  p->messages.clear();
  PostMessage(p->Handle(), WM_USER + 10);
  PostMessage(p->Handle(), WM_USER + 11);
  SendMessage(p->Handle(), WM_USER + 12);
  Pump();
  ASSERT_GE(p->messages.size(), 3u);
  EXPECT_EQ(p->messages[0], WM_USER + 12u);
  EXPECT_EQ(p->messages[1], WM_USER + 10u);
  EXPECT_EQ(p->messages[2], WM_USER + 11u);
}

TEST_F(MessagingTest, ComponentsFreeWhatTheyOwnAndTellObservers) {
  struct TObserver : TComponent {
    using TComponent::TComponent;
    TComponent* removed = nullptr;
    void Notification(TComponent* c, TOperation op) override {
      if (op == TOperation::opRemove) removed = c;
    }
  };
  auto* owner = new TComponent(nullptr);
  auto* child = new TComponent(owner);
  child->SetName("Child");
  auto* grandChild = new TComponent(child);
  (void)grandChild;
  TObserver observer(nullptr);
  child->FreeNotification(&observer);
  EXPECT_EQ(owner->FindComponent("child"), child) << "names match without regard to case";
  TComponent::Free(owner);
  EXPECT_EQ(observer.removed, child);
}

}  // namespace
