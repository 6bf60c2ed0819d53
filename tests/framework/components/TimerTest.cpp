#include "FrameworkFixture.h"
#include "framework/components/Clock.h"
#include "framework/components/Timer.h"

namespace {

class TimerTest : public FrameworkFixture {};

TEST_F(TimerTest, TimerFiresByVirtualTime) {
  TTimer timer(nullptr);
  int fired = 0;
  std::vector<uint32_t> times;
  timer.SetInterval(100);
  timer.OnTimer = [&](TComponent*) {
    ++fired;
    times.push_back(GetTickCount());
  };
  RunFor(1000);
  EXPECT_EQ(fired, 10);
  ASSERT_FALSE(times.empty());
  EXPECT_EQ(times.front(), 100u);
  EXPECT_EQ(times.back(), 1000u);
  timer.SetEnabled(false);
  RunFor(500);
  EXPECT_EQ(fired, 10);
}

TEST_F(TimerTest, SleepAdvancesTheClockWithoutProcessingMessages) {
  TTimer timer(nullptr);
  int fired = 0;
  timer.SetInterval(100);
  timer.OnTimer = [&](TComponent*) { ++fired; };
  const uint32_t before = GetTickCount();
  Sleep(550);
  EXPECT_EQ(GetTickCount() - before, 550u);
  EXPECT_EQ(fired, 0) << "nothing runs during a sleep";
  Pump();
  EXPECT_EQ(fired, 1) << "an overdue timer fires once, not once per missed interval";
}

TEST_F(TimerTest, WindowTimersPostWmTimerAndStopWhenKilled) {
  TForm* form = MakeForm(10, 10);
  form->Show();
  int ticks = 0;
  auto previous = form->WindowProc;
  form->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_TIMER && m.WParam == 7) ++ticks;
    previous(m);
  };
  SetTimer(form->Handle(), 7, 50);
  RunFor(200);
  EXPECT_EQ(ticks, 4);
  KillTimer(form->Handle(), 7);
  RunFor(200);
  EXPECT_EQ(ticks, 4);
  form->WindowProc = previous;
}

TEST_F(TimerTest, ScheduledInputArrivesAtTheFirstPumpAfterItsTime) {
  TForm* form = MakeForm(100, 100);
  form->Show();
  Pump();
  int clicks = 0;
  form->OnClick = [&](TComponent*) { ++clicks; };
  backend->Schedule(300, [&] {
    backend->InjectMouseButton(form->Handle(), {5, 5}, 0, true);
    backend->InjectMouseButton(form->Handle(), {5, 5}, 0, false);
  });
  Sleep(200);
  Pump();
  EXPECT_EQ(clicks, 0);
  Sleep(200);
  EXPECT_EQ(clicks, 0) << "input waits for the next pump";
  Pump();
  EXPECT_EQ(clicks, 1);
}

}  // namespace
