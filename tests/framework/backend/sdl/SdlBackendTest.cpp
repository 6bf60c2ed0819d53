// The SDL2 backend without a display: SDL's dummy video driver gives real SDL
// windows with a surface in memory whose picture can be read back, and
// events pushed into SDL's queue travel the same way a display's would.
#include "framework/backend/sdl/SdlBackend.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/base/Exceptions.h"
#include "framework/components/Application.h"
#include "framework/components/Windows.h"

namespace {

// A windowed control filled with one colour that records what it is sent.
class TRecorder : public TCustomControl {
 public:
  explicit TRecorder(TComponent* owner) : TCustomControl(owner) { ControlStyle().Include(csOpaque); }
  bool WantsFocusOnClick() const override { return true; }
  void WndProc(TMessage& m) override {
    if ((m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MOUSEWHEEL) || m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP ||
        m.Msg == WM_CHAR)
      Received.push_back(m);
    TCustomControl::WndProc(m);
  }
  std::vector<uint32_t> Messages() const {
    std::vector<uint32_t> ids;
    for (const TMessage& m : Received) ids.push_back(m.Msg);
    return ids;
  }
  TColor Fill = clRed;
  std::vector<TMessage> Received;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
  }
};

class SdlBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
    auto owned = std::make_unique<TSdlBackend>();
    backend = owned.get();
    SetBackend(std::move(owned));
    InitializeFramework();
  }
  void TearDown() override {
    FinalizeFramework();
    // Ends SDL (SDL_Quit also forgets the hints); the tests that follow get
    // the headless backend the test main gives every test.
    InstallHeadlessBackend();
  }

  void Pump() { Application->ProcessMessages(); }

  TForm* MakeForm(TFormBorderStyle style = TFormBorderStyle::bsSingle) {
    auto* form = Application->CreateForm<TForm>();
    form->SetBorderStyle(style);
    form->SetBounds(100, 50, 300, 200);
    form->SetCaption("Окно");
    recorder = TComponent::Create<TRecorder>(form);
    recorder->SetBounds(20, 10, 100, 60);
    recorder->SetParent(form);
    form->Show();
    Pump();
    return form;
  }

  uint32_t IdOf(HWND window) { return SDL_GetWindowID(backend->NativeWindow(window)); }

  static void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError(); }
  void PushMotion(HWND window, int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = IdOf(window);
    e.motion.x = x;
    e.motion.y = y;
    Push(e);
  }
  void PushButton(HWND window, int x, int y, uint8_t button, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.windowID = IdOf(window);
    e.button.button = button;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = x;
    e.button.y = y;
    Push(e);
  }
  void PushWindowEvent(HWND window, uint8_t event, int data1 = 0, int data2 = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = IdOf(window);
    e.window.event = event;
    e.window.data1 = data1;
    e.window.data2 = data2;
    Push(e);
  }

  // What the window shows, as 0xRRGGBB values, row by row.
  std::vector<uint32_t> ReadScreen(HWND window, int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    SDL_Surface* surface = SDL_GetWindowSurface(backend->NativeWindow(window));
    EXPECT_NE(surface, nullptr);
    if (!surface) return pixels;
    EXPECT_GE(surface->w, width);
    EXPECT_GE(surface->h, height);
    EXPECT_EQ(SDL_ConvertPixels(width, height, surface->format->format, surface->pixels, surface->pitch,
                                SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4),
              0)
        << SDL_GetError();
    for (uint32_t& p : pixels) p &= 0xFFFFFF;
    return pixels;
  }
  static uint32_t Rgb(const TBitmap& b, int x, int y) {
    const uint8_t* p = b.ScanLine(y) + x * 3;
    return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
  }
  static void FillRandom(TBitmap& b, std::mt19937& rng) {
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width() * 3; ++x) b.ScanLine(y)[x] = static_cast<uint8_t>(rng());
  }

  TSdlBackend* backend = nullptr;
  TRecorder* recorder = nullptr;
};

// Lets a test run with environment variables changed, and puts them back.
class TEnvironmentGuard {
 public:
  explicit TEnvironmentGuard(const char* name) : name_(name) {
    if (const char* v = std::getenv(name)) old_ = v;
  }
  ~TEnvironmentGuard() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Without a display the program must say so in one line, whether SDL is
// left to pick a driver (it would fall back to one that draws nowhere) or
// is told to use X11.
TEST(SdlBackendStartTest, NoDisplayIsOneClearError) {
  TEnvironmentGuard display("DISPLAY"), wayland("WAYLAND_DISPLAY"), driver("SDL_VIDEODRIVER");
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  unsetenv("SDL_VIDEODRIVER");
  for (const char* hint : {"", "x11"}) {
    if (*hint) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, hint, SDL_HINT_OVERRIDE);
    try {
      CreateSdlBackend();
      ADD_FAILURE() << "a backend started without a display, driver '" << hint << "'";
    } catch (const Exception& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("Cannot open a window: no display available (", 0), 0u) << message;
      EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
  }
}

TEST(SdlKeyTest, KeysMapToVirtualKeys) {
  struct Case {
    int32_t key;
    int scancode;
    int vk;
  };
  const Case cases[] = {
      {SDLK_a, SDL_SCANCODE_A, 'A'},
      {SDLK_z, SDL_SCANCODE_Z, 'Z'},
      {SDLK_0, SDL_SCANCODE_0, '0'},
      {SDLK_9, SDL_SCANCODE_9, '9'},
      {SDLK_F1, SDL_SCANCODE_F1, VK_F1},
      {SDLK_F4, SDL_SCANCODE_F4, VK_F4},
      {SDLK_F12, SDL_SCANCODE_F12, VK_F12},
      {SDLK_F13, SDL_SCANCODE_F13, 0x7C},
      {SDLK_F24, SDL_SCANCODE_F24, 0x87},
      {SDLK_LEFT, SDL_SCANCODE_LEFT, VK_LEFT},
      {SDLK_DOWN, SDL_SCANCODE_DOWN, VK_DOWN},
      {SDLK_HOME, SDL_SCANCODE_HOME, VK_HOME},
      {SDLK_END, SDL_SCANCODE_END, VK_END},
      {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, VK_PRIOR},
      {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, VK_NEXT},
      {SDLK_INSERT, SDL_SCANCODE_INSERT, VK_INSERT},
      {SDLK_DELETE, SDL_SCANCODE_DELETE, VK_DELETE},
      {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, VK_BACK},
      {SDLK_TAB, SDL_SCANCODE_TAB, VK_TAB},
      {SDLK_RETURN, SDL_SCANCODE_RETURN, VK_RETURN},
      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, VK_RETURN},
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, VK_ESCAPE},
      {SDLK_SPACE, SDL_SCANCODE_SPACE, VK_SPACE},
      {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, VK_SHIFT},
      {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, VK_SHIFT},
      {SDLK_LCTRL, SDL_SCANCODE_LCTRL, VK_CONTROL},
      {SDLK_RCTRL, SDL_SCANCODE_RCTRL, VK_CONTROL},
      {SDLK_LALT, SDL_SCANCODE_LALT, VK_MENU},
      {SDLK_RALT, SDL_SCANCODE_RALT, VK_MENU},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, 0x60},
      {SDLK_KP_1, SDL_SCANCODE_KP_1, 0x61},
      {SDLK_KP_9, SDL_SCANCODE_KP_9, 0x69},
      {SDLK_MINUS, SDL_SCANCODE_MINUS, 0xBD},
      // A Russian layout types Cyrillic on the Latin letter keys: the key
      // keeps the letter of its place (ф sits on A, ж on the semicolon).
      {0x0444, SDL_SCANCODE_A, 'A'},
      {0x0436, SDL_SCANCODE_SEMICOLON, 0xBA},
      {0x0451, SDL_SCANCODE_GRAVE, 0xC0},
      // An AZERTY layout puts A where Q is: the letter typed wins.
      {SDLK_a, SDL_SCANCODE_Q, 'A'},
      {SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SdlKeyToVirtualKey(c.key, c.scancode), c.vk) << "key 0x" << std::hex << c.key;
}

// Both paths: the vectorised one takes eight pixels a step and leaves the
// rest of a row to the pixel loop, so widths around its steps matter.
TEST(SdlPixelsTest, BgrToXrgbMatchesAPlainLoop) {
  std::mt19937 rng(20240611);
  using Convert = void (*)(const uint8_t*, size_t, uint8_t*, size_t, int, int);
  for (const Convert convert : {&ConvertBgrToXrgb, &ConvertBgrToXrgbPlain}) {
    for (int width : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 16, 17, 18, 31, 64, 193}) {
      for (int height : {1, 2, 5}) {
        // The source ends right after its last pixel, as a bitmap's last row
        // may, so reading one byte too far shows up under the sanitizer.
        const size_t srcStride = static_cast<size_t>(width) * 3 + static_cast<size_t>(rng() % 5);
        std::vector<uint8_t> src(srcStride * (height - 1) + static_cast<size_t>(width) * 3);
        for (uint8_t& b : src) b = static_cast<uint8_t>(rng());
        const size_t dstStride = static_cast<size_t>(width) * 4 + 4 * static_cast<size_t>(rng() % 3);
        std::vector<uint8_t> dst(dstStride * height, 0xA5);
        convert(src.data(), srcStride, dst.data(), dstStride, width, height);
        for (int y = 0; y < height; ++y) {
          for (size_t x = 0; x < dstStride; ++x) {
            const uint8_t got = dst[y * dstStride + x];
            if (x >= static_cast<size_t>(width) * 4) {
              ASSERT_EQ(got, 0xA5) << "wrote past the row: width " << width << " y " << y;
              continue;
            }
            const uint8_t* s = &src[y * srcStride + x / 4 * 3];
            uint32_t value = 0;
            std::memcpy(&value, &dst[y * dstStride + x / 4 * 4], 4);
            const uint32_t want = uint32_t{s[2]} << 16 | uint32_t{s[1]} << 8 | s[0];
            ASSERT_EQ(value & 0xFFFFFF, want) << "width " << width << " x " << x / 4 << " y " << y;
            ASSERT_EQ(value >> 24, 0xFFu);
          }
        }
      }
    }
  }
}

// Dirty rectangles land exactly where they belong and nothing else changes;
// many small ones go up as their bounding box; a new size starts over.
TEST_F(SdlBackendTest, PresentPutsTheDirtyPartsOfTheFramebufferOnScreen) {
  const HWND window = 4242;  // the backend needs no form behind a window
  backend->CreateNativeWindow(window, TRect::FromBounds(10, 10, 61, 37), "raw");
  std::mt19937 rng(7);
  TBitmap frame(61, 37);
  FillRandom(frame, rng);
  backend->Present(window, frame, TRegion(TRect{0, 0, 61, 37}));
  std::vector<uint32_t> screen = ReadScreen(window, 61, 37);
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 61; ++x) ASSERT_EQ(screen[y * 61 + x], Rgb(frame, x, y)) << x << "," << y;

  std::vector<uint32_t> previous = screen;
  FillRandom(frame, rng);
  const TRegion few = TRegion(TRect{0, 0, 5, 3}).Union(TRect{13, 7, 40, 20}).Union(TRect{58, 30, 70, 45});
  backend->Present(window, frame, few);
  screen = ReadScreen(window, 61, 37);
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 61; ++x)
      ASSERT_EQ(screen[y * 61 + x], few.Contains(x, y) ? Rgb(frame, x, y) : previous[y * 61 + x]) << x << "," << y;

  previous = screen;
  FillRandom(frame, rng);
  TRegion many;
  for (int i = 0; i < 20; ++i) many = many.Union(TRect::FromBounds(10 + i * 2, 5 + i, 1, 1));
  backend->Present(window, frame, many);
  screen = ReadScreen(window, 61, 37);
  const TRect box = many.Bounds();
  for (int y = 0; y < 37; ++y)
    for (int x = 0; x < 61; ++x) {
      if (many.Contains(x, y)) {
        ASSERT_EQ(screen[y * 61 + x], Rgb(frame, x, y)) << x << "," << y;
      } else if (!box.Contains(TPoint{x, y})) {
        ASSERT_EQ(screen[y * 61 + x], previous[y * 61 + x]) << x << "," << y;
      }
    }

  // A bigger framebuffer: the whole of it goes up, whatever was called dirty.
  backend->SetNativeBounds(window, TRect::FromBounds(10, 10, 80, 50));
  TBitmap bigger(80, 50);
  FillRandom(bigger, rng);
  backend->Present(window, bigger, TRegion(TRect{0, 0, 1, 1}));
  screen = ReadScreen(window, 80, 50);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 80; ++x) ASSERT_EQ(screen[y * 80 + x], Rgb(bigger, x, y)) << x << "," << y;
  backend->DestroyNativeWindow(window);
}

// The framework's own paint cycle ends on screen, and an expose shows it
// again in full.
TEST_F(SdlBackendTest, FormAppearsOnScreenAndExposeRepresents) {
  TForm* form = MakeForm();
  const TBitmap* frame = WindowFramebuffer(form->Handle());
  ASSERT_NE(frame, nullptr);
  auto matches = [&] {
    const std::vector<uint32_t> screen = ReadScreen(form->Handle(), 300, 200);
    for (int y = 0; y < 200; ++y)
      for (int x = 0; x < 300; ++x)
        if (screen[y * 300 + x] != Rgb(*frame, x, y)) return false;
    return true;
  };
  EXPECT_TRUE(matches());
  const TPoint inside = recorder->ClientOrigin().Offset(-form->Left() + 5, -form->Top() + 5);
  EXPECT_EQ(Rgb(*frame, inside.X, inside.Y), 0xFF0000u);

  recorder->Fill = clBlue;
  recorder->Invalidate();
  Pump();
  EXPECT_EQ(Rgb(*frame, inside.X, inside.Y), 0x0000FFu);
  EXPECT_TRUE(matches());

  // Spoil the picture behind the backend's back; an expose must repair it.
  SDL_Surface* surface = SDL_GetWindowSurface(backend->NativeWindow(form->Handle()));
  ASSERT_NE(surface, nullptr);
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 255, 0));
  SDL_UpdateWindowSurface(backend->NativeWindow(form->Handle()));
  EXPECT_FALSE(matches());
  PushWindowEvent(form->Handle(), SDL_WINDOWEVENT_EXPOSED);
  Pump();
  EXPECT_TRUE(matches());
}

TEST_F(SdlBackendTest, MouseReachesTheControlUnderThePointInItsCoordinates) {
  TForm* form = MakeForm();
  const HWND window = form->Handle();
  const TPoint co = form->ClientOffset();
  // Window point of the control's client point (7, 9).
  const int x = co.X + 20 + 7, y = co.Y + 10 + 9;
  recorder->Received.clear();
  PushButton(window, x, y, SDL_BUTTON_LEFT, true);
  PushButton(window, x, y, SDL_BUTTON_LEFT, false);
  PushButton(window, x, y, SDL_BUTTON_RIGHT, true);
  PushButton(window, x, y, SDL_BUTTON_RIGHT, false);
  PushButton(window, x, y, SDL_BUTTON_MIDDLE, true);
  PushButton(window, x, y, SDL_BUTTON_MIDDLE, false);
  PushButton(window, x, y, SDL_BUTTON_X1, true);  // no message for it
  PushButton(window, x, y, SDL_BUTTON_X1, false);
  Pump();
  EXPECT_EQ(recorder->Messages(), (std::vector<uint32_t>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                                                         WM_MBUTTONDOWN, WM_MBUTTONUP}));
  for (const TMessage& m : recorder->Received) {
    EXPECT_EQ(GetXParam(m.LParam), 7);
    EXPECT_EQ(GetYParam(m.LParam), 9);
  }

  // Events of a window id nobody knows are dropped.
  recorder->Received.clear();
  SDL_Event stray{};
  stray.type = SDL_MOUSEBUTTONDOWN;
  stray.button.windowID = 9999;
  stray.button.button = SDL_BUTTON_LEFT;
  Push(stray);
  Pump();
  EXPECT_TRUE(recorder->Received.empty());
}

TEST_F(SdlBackendTest, WheelBecomesNotchesOfOneHundredTwenty) {
  TForm* form = MakeForm();
  recorder->SetFocus();
  const TPoint co = form->ClientOffset();
  recorder->Received.clear();
  SDL_Event e{};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = IdOf(form->Handle());
  e.wheel.y = -2;
  e.wheel.preciseY = -2.0f;
  e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
#if SDL_VERSION_ATLEAST(2, 26, 0)
  e.wheel.mouseX = co.X + 25;
  e.wheel.mouseY = co.Y + 15;
#endif
  Push(e);
  e.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
  Push(e);
  Pump();
  std::vector<int> deltas;
  for (const TMessage& m : recorder->Received)
    if (m.Msg == WM_MOUSEWHEEL) deltas.push_back(static_cast<int16_t>(HiWord(m.WParam)));
  EXPECT_EQ(deltas, (std::vector<int>{-240, 240}));
}

// A fast mouse makes many moves; the program only needs the last of each
// run, but never at the cost of the order of moves and clicks.
TEST_F(SdlBackendTest, ARunOfMovesBecomesOneMoveInOrder) {
  TForm* form = MakeForm();
  const HWND window = form->Handle();
  const TPoint co = form->ClientOffset();
  Pump();
  recorder->Received.clear();
  for (int i = 0; i < 5; ++i) PushMotion(window, co.X + 21 + i, co.Y + 12);
  Pump();
  ASSERT_EQ(recorder->Messages(), std::vector<uint32_t>{WM_MOUSEMOVE});
  EXPECT_EQ(GetXParam(recorder->Received[0].LParam), 5);

  recorder->Received.clear();
  PushMotion(window, co.X + 30, co.Y + 20);
  PushMotion(window, co.X + 31, co.Y + 20);
  PushButton(window, co.X + 31, co.Y + 20, SDL_BUTTON_LEFT, true);
  PushMotion(window, co.X + 32, co.Y + 20);
  PushButton(window, co.X + 32, co.Y + 20, SDL_BUTTON_LEFT, false);
  Pump();
  EXPECT_EQ(recorder->Messages(),
            (std::vector<uint32_t>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}));
}

TEST_F(SdlBackendTest, KeysAndTextReachTheFocusedControl) {
  MakeForm();
  recorder->SetFocus();
  ASSERT_EQ(GetFocus(), recorder->Handle());
  recorder->Received.clear();
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.state = SDL_PRESSED;
  key.key.keysym.sym = SDLK_F5;
  key.key.keysym.scancode = SDL_SCANCODE_F5;
  Push(key);
  key.key.repeat = 1;
  Push(key);
  key.type = SDL_KEYUP;
  key.key.state = SDL_RELEASED;
  key.key.repeat = 0;
  Push(key);
  SDL_Event text{};
  text.type = SDL_TEXTINPUT;
  SDL_strlcpy(text.text.text, "ж!", sizeof text.text.text);
  Push(text);
  Pump();
  ASSERT_EQ(recorder->Messages(), (std::vector<uint32_t>{WM_KEYDOWN, WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_CHAR}));
  const auto& r = recorder->Received;
  EXPECT_EQ(r[0].WParam, WPARAM{VK_F5});
  EXPECT_EQ(r[0].LParam & (LPARAM{1} << 30), 0) << "a first press is no repeat";
  EXPECT_NE(r[1].LParam & (LPARAM{1} << 30), 0) << "the repeat flag got lost";
  EXPECT_EQ(r[2].WParam, WPARAM{VK_F5});
  EXPECT_EQ(r[3].WParam, WPARAM{0x0436});
  EXPECT_EQ(r[4].WParam, WPARAM{'!'});
}

// Waiting must leave the event that ended it to the next poll, and an
// endless wait still wakes now and then so an idle loop never hangs.
TEST_F(SdlBackendTest, WaitLeavesTheEventAndNeverWaitsForever) {
  MakeForm();
  recorder->SetFocus();
  recorder->Received.clear();
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_SPACE;
  key.key.keysym.scancode = SDL_SCANCODE_SPACE;
  Push(key);
  backend->WaitEvents(UINT32_MAX);
  Pump();
  EXPECT_EQ(recorder->Messages(), std::vector<uint32_t>{WM_KEYDOWN});

  const uint64_t start = backend->NowMs();
  backend->WaitEvents(UINT32_MAX);
  const uint64_t waited = backend->NowMs() - start;
  EXPECT_GE(waited, 100u) << "an idle wait returned at once";
  EXPECT_LT(waited, 5000u);
}

TEST_F(SdlBackendTest, WindowManagerMovesAndResizesReachTheForm) {
  TForm* form = MakeForm(TFormBorderStyle::bsSizeable);
  const HWND window = form->Handle();
  PushWindowEvent(window, SDL_WINDOWEVENT_MOVED, 140, 70);
  Pump();
  EXPECT_EQ(form->Left(), 140);
  EXPECT_EQ(form->Top(), 70);

  // Our own requests may come back late and out of order: following them
  // would make the form and the window chase each other.
  form->SetBounds(140, 70, 310, 210);
  form->SetBounds(140, 70, 320, 220);
  Pump();
  PushWindowEvent(window, SDL_WINDOWEVENT_SIZE_CHANGED, 310, 210);
  PushWindowEvent(window, SDL_WINDOWEVENT_SIZE_CHANGED, 320, 220);
  Pump();
  EXPECT_EQ(form->Width(), 320);
  EXPECT_EQ(form->Height(), 220);

  // A size nobody asked for is the user's: the form and its framebuffer follow.
  PushWindowEvent(window, SDL_WINDOWEVENT_SIZE_CHANGED, 400, 260);
  Pump();
  EXPECT_EQ(form->Width(), 400);
  EXPECT_EQ(form->Height(), 260);
  EXPECT_EQ(WindowFramebuffer(window)->Width(), 400);

  PushWindowEvent(window, SDL_WINDOWEVENT_MINIMIZED);
  Pump();
  EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
  PushWindowEvent(window, SDL_WINDOWEVENT_RESTORED);
  Pump();
  EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
}

TEST_F(SdlBackendTest, QuitClosesEveryWindow) {
  TForm* main = MakeForm();
  auto* other = Application->CreateForm<TForm>();
  other->SetBounds(500, 50, 200, 100);
  other->Show();
  Pump();
  std::vector<std::string> closed;
  main->OnClose = [&](TComponent*, TCloseAction&) { closed.push_back("main"); };
  other->OnClose = [&](TComponent*, TCloseAction&) { closed.push_back("other"); };
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  Pump();
  std::sort(closed.begin(), closed.end());
  EXPECT_EQ(closed, (std::vector<std::string>{"main", "other"}));
  EXPECT_FALSE(other->Visible());
  EXPECT_TRUE(Application->Terminated());
}

// The window manager asks at window points; the form answers for screen
// points of where it is, so a form away from the corner of the screen shows
// whether the two are put together right.
TEST_F(SdlBackendTest, HitTestAsksTheFormAtScreenPoints) {
  TForm* form = MakeForm(TFormBorderStyle::bsSizeable);
  const HWND window = form->Handle();
  const TRect close = form->CaptionButtonRect(HTCLOSE);
  const TPoint co = form->ClientOffset();
  struct Case {
    TPoint at;
    int expected;
  };
  const Case cases[] = {
      {{60, co.Y - 8}, SDL_HITTEST_DRAGGABLE},
      {{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2}, SDL_HITTEST_NORMAL},
      {{co.X + 150, co.Y + 100}, SDL_HITTEST_NORMAL},
      {{1, 100}, SDL_HITTEST_RESIZE_LEFT},
      {{298, 100}, SDL_HITTEST_RESIZE_RIGHT},
      {{150, 198}, SDL_HITTEST_RESIZE_BOTTOM},
      {{150, 1}, SDL_HITTEST_RESIZE_TOP},
      {{1, 1}, SDL_HITTEST_RESIZE_TOPLEFT},
      {{298, 198}, SDL_HITTEST_RESIZE_BOTTOMRIGHT},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SdlHitTestAt(window, c.at), c.expected) << c.at.X << "," << c.at.Y;
  EXPECT_EQ(SdlHitTestAt(window + 1000, {60, 10}), SDL_HITTEST_NORMAL) << "a window that is gone";
}

}  // namespace
