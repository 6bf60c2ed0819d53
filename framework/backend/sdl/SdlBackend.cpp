#include "framework/backend/sdl/SdlBackend.h"

#include "framework/backend/sdl/X11Errors.h"
#include "framework/backend/sdl/X11Shape.h"

#include <SDL.h>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "framework/backend/BackendSink.h"
#include "framework/base/Exceptions.h"

namespace {

// An idle loop still wakes this often, so nothing waits on a lost wake-up.
constexpr uint32_t kMaxWaitMs = 250;
// A wheel notch, as WM_MOUSEWHEEL counts it.
constexpr int kWheelDelta = 120;
// More dirty rectangles than this are presented as their bounding box: one
// transfer to the window system beats many small ones, and the extra pixels
// are what the window already shows.
constexpr size_t kMaxDirtyRects = 16;
// How long a size this program asked for may still come back from the
// window system as a late report.
constexpr uint64_t kRequestedSizeLifetimeMs = 1000;
constexpr size_t kMaxRequestedSizes = 16;

// Virtual keys the message header leaves out.
enum : int {
  kVkSnapshot = 0x2C, kVkLWin = 0x5B, kVkRWin = 0x5C, kVkApps = 0x5D, kVkNumpad0 = 0x60,
  kVkMultiply = 0x6A, kVkDecimal = 0x6E, kVkDivide = 0x6F,
  kVkF13 = 0x7C, kVkNumLock = 0x90, kVkScroll = 0x91,
  kVkOemSemicolon = 0xBA, kVkOemComma = 0xBC, kVkOemPeriod = 0xBE,
  kVkOemSlash = 0xBF, kVkOemTilde = 0xC0, kVkOemOpenBracket = 0xDB, kVkOemBackslash = 0xDC,
  kVkOemCloseBracket = 0xDD, kVkOemQuote = 0xDE,
};

bool EnvironmentHas(const char* name) {
  const char* value = SDL_getenv(name);
  return value && *value;
}

HWND HandleFromData(void* data) { return static_cast<HWND>(reinterpret_cast<uintptr_t>(data)); }

// Runs inside SDL's event pumping: it may ask the framework, but must never pump
// events itself, and nothing may unwind through SDL's C frames.
SDL_HitTestResult SDLCALL HitTestCallback(SDL_Window*, const SDL_Point* area, void* data) {
  try {
    return static_cast<SDL_HitTestResult>(SdlHitTestAt(HandleFromData(data), {area->x, area->y}));
  } catch (...) {
    return SDL_HITTEST_NORMAL;
  }
}

// The virtual key a key has by its place on the keyboard.
int VirtualKeyFromScancode(int scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  switch (scancode) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_MINUS: return VK_OEM_MINUS;
    case SDL_SCANCODE_EQUALS: return VK_OEM_PLUS;
    case SDL_SCANCODE_LEFTBRACKET: return kVkOemOpenBracket;
    case SDL_SCANCODE_RIGHTBRACKET: return kVkOemCloseBracket;
    case SDL_SCANCODE_BACKSLASH: return kVkOemBackslash;
    case SDL_SCANCODE_SEMICOLON: return kVkOemSemicolon;
    case SDL_SCANCODE_APOSTROPHE: return kVkOemQuote;
    case SDL_SCANCODE_GRAVE: return kVkOemTilde;
    case SDL_SCANCODE_COMMA: return kVkOemComma;
    case SDL_SCANCODE_PERIOD: return kVkOemPeriod;
    case SDL_SCANCODE_SLASH: return kVkOemSlash;
    default: return 0;
  }
}

Uint32 MessageBoxKind(unsigned flags) {
  switch (flags & 0xF0) {
    case MB_ICONERROR: return SDL_MESSAGEBOX_ERROR;
    case MB_ICONWARNING: return SDL_MESSAGEBOX_WARNING;
    default: return SDL_MESSAGEBOX_INFORMATION;
  }
}

}  // namespace

// --- pure helpers ---

int SdlKeyToVirtualKey(int32_t key, int scancode) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + (key - SDLK_F1);
  if (key >= SDLK_F13 && key <= SDLK_F24) return kVkF13 + (key - SDLK_F13);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return kVkNumpad0 + 1 + (key - SDLK_KP_1);
  switch (key) {
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER: return VK_RETURN;
    case SDLK_ESCAPE: return VK_ESCAPE;
    case SDLK_BACKSPACE: return VK_BACK;
    case SDLK_TAB: return VK_TAB;
    case SDLK_SPACE: return VK_SPACE;
    case SDLK_LEFT: return VK_LEFT;
    case SDLK_RIGHT: return VK_RIGHT;
    case SDLK_UP: return VK_UP;
    case SDLK_DOWN: return VK_DOWN;
    case SDLK_HOME: return VK_HOME;
    case SDLK_END: return VK_END;
    case SDLK_PAGEUP: return VK_PRIOR;
    case SDLK_PAGEDOWN: return VK_NEXT;
    case SDLK_INSERT: return VK_INSERT;
    case SDLK_DELETE: return VK_DELETE;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return VK_CONTROL;
    case SDLK_LALT:
    case SDLK_RALT: return VK_MENU;
    case SDLK_LGUI: return kVkLWin;
    case SDLK_RGUI: return kVkRWin;
    case SDLK_APPLICATION: return kVkApps;
    case SDLK_PAUSE: return VK_PAUSE;
    case SDLK_CAPSLOCK: return VK_CAPITAL;
    case SDLK_NUMLOCKCLEAR: return kVkNumLock;
    case SDLK_SCROLLLOCK: return kVkScroll;
    case SDLK_PRINTSCREEN: return kVkSnapshot;
    case SDLK_KP_0: return kVkNumpad0;
    case SDLK_KP_MULTIPLY: return kVkMultiply;
    case SDLK_KP_PLUS: return VK_ADD;
    case SDLK_KP_MINUS: return VK_SUBTRACT;
    case SDLK_KP_PERIOD:
    case SDLK_KP_DECIMAL: return kVkDecimal;
    case SDLK_KP_DIVIDE: return kVkDivide;
    case SDLK_SEMICOLON: return kVkOemSemicolon;
    case SDLK_EQUALS: return VK_OEM_PLUS;
    case SDLK_COMMA: return kVkOemComma;
    case SDLK_MINUS: return VK_OEM_MINUS;
    case SDLK_PERIOD: return kVkOemPeriod;
    case SDLK_SLASH: return kVkOemSlash;
    case SDLK_BACKQUOTE: return kVkOemTilde;
    case SDLK_LEFTBRACKET: return kVkOemOpenBracket;
    case SDLK_BACKSLASH: return kVkOemBackslash;
    case SDLK_RIGHTBRACKET: return kVkOemCloseBracket;
    case SDLK_QUOTE: return kVkOemQuote;
    default: break;
  }
  // A layout of another alphabet types its own letters on these keys; the
  // program still knows them by the Latin letter (Ctrl+C stays Ctrl+C).
  return VirtualKeyFromScancode(scancode);
}

int HitTestCodeToSdl(int hitCode) {
  switch (hitCode) {
    case HTCAPTION: return SDL_HITTEST_DRAGGABLE;
    case HTTOPLEFT: return SDL_HITTEST_RESIZE_TOPLEFT;
    case HTTOP: return SDL_HITTEST_RESIZE_TOP;
    case HTTOPRIGHT: return SDL_HITTEST_RESIZE_TOPRIGHT;
    case HTRIGHT: return SDL_HITTEST_RESIZE_RIGHT;
    case HTBOTTOMRIGHT:
    case HTGROWBOX: return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
    case HTBOTTOM: return SDL_HITTEST_RESIZE_BOTTOM;
    case HTBOTTOMLEFT: return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    case HTLEFT: return SDL_HITTEST_RESIZE_LEFT;
    default: return SDL_HITTEST_NORMAL;  // client, caption buttons, plain borders: the program's
  }
}

int SdlHitTestAt(HWND window, TPoint p) { return HitTestCodeToSdl(BackendSink().HitTest(window, p)); }

namespace {

// One row, a pixel at a time. Four bytes read at once hold blue, green, red
// and the next pixel's blue, which the X byte overwrites. The last pixel of
// the row is left to the byte loop: its fourth byte may lie past the bitmap.
void ConvertRowPlain(const uint8_t* __restrict s, uint8_t* __restrict d, size_t w) {
  size_t x = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; x + 1 < w; ++x) {
      uint32_t v;
      std::memcpy(&v, s + 3 * x, 4);
      v |= 0xFF000000u;
      std::memcpy(d + 4 * x, &v, 4);
    }
  }
  for (; x < w; ++x) {
    const uint32_t v = 0xFF000000u | uint32_t{s[3 * x + 2]} << 16 | uint32_t{s[3 * x + 1]} << 8 | s[3 * x];
    std::memcpy(d + 4 * x, &v, 4);
  }
}

#if defined(__x86_64__)
// Eight pixels a step with AVX2: each 128-bit half holds the 12 bytes of four
// pixels, and a byte shuffle within the half spreads them to four 32-bit
// pixels whose fourth byte the OR sets. The second half is loaded 16 bytes
// wide from the fifth pixel on, 4 bytes more than it uses, so the loop stops
// while those bytes still belong to the row; the rest goes pixel by pixel.
// The pixel loop alone costs about seven times a memcpy of the frame.
__attribute__((target("avx2"))) void ConvertRowVector(const uint8_t* __restrict s, uint8_t* __restrict d,
                                                      size_t w) {
  const __m256i spread = _mm256_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1,  //
                                          0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
  const __m256i opaque = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  size_t x = 0;
  for (; 3 * x + 28 <= 3 * w; x += 8) {  // reads bytes 3x to 3x + 27
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 3 * x));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 3 * x + 12));
    const __m256i both = _mm256_inserti128_si256(_mm256_castsi128_si256(first), second, 1);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + 4 * x),
                        _mm256_or_si256(_mm256_shuffle_epi8(both, spread), opaque));
  }
  ConvertRowPlain(s + 3 * x, d + 4 * x, w - x);
}

bool VectorRowsAvailable() {
  static const bool avx2 = __builtin_cpu_supports("avx2");
  return avx2;
}
#else
void ConvertRowVector(const uint8_t* __restrict s, uint8_t* __restrict d, size_t w) { ConvertRowPlain(s, d, w); }
bool VectorRowsAvailable() { return false; }
#endif

template <void (*Row)(const uint8_t*, uint8_t*, size_t)>
void ConvertRows(const uint8_t* src, size_t srcStride, uint8_t* dst, size_t dstStride, int width, int height) {
  if (width <= 0 || height <= 0) return;
  for (int y = 0; y < height; ++y)
    Row(src + static_cast<size_t>(y) * srcStride, dst + static_cast<size_t>(y) * dstStride,
        static_cast<size_t>(width));
}

}  // namespace

void ConvertBgrToXrgb(const uint8_t* src, size_t srcStride, uint8_t* dst, size_t dstStride, int width, int height) {
  if (VectorRowsAvailable())
    ConvertRows<ConvertRowVector>(src, srcStride, dst, dstStride, width, height);
  else
    ConvertRows<ConvertRowPlain>(src, srcStride, dst, dstStride, width, height);
}

void ConvertBgrToXrgbPlain(const uint8_t* src, size_t srcStride, uint8_t* dst, size_t dstStride, int width,
                           int height) {
  ConvertRows<ConvertRowPlain>(src, srcStride, dst, dstStride, width, height);
}

std::vector<TRect> PresentRects(const TRegion& dirty, const TRect& whole) {
  std::vector<TRect> rects;
  if (dirty.Rects().size() > kMaxDirtyRects) {
    rects.push_back(dirty.Bounds().Intersect(whole));
  } else {
    for (const TRect& r : dirty.Rects()) rects.push_back(r.Intersect(whole));
  }
  std::erase_if(rects, [](const TRect& r) { return r.IsEmpty(); });
  return rects;
}

// --- the backend ---

TSdlBackend::TSdlBackend(const TSdlOptions& options) : options_(options) {
  // Asked for by name (SDL_VIDEODRIVER), any driver is taken as it is.
  const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  const bool driverChosen = requested && *requested;
#if defined(__unix__) && !defined(__APPLE__) && !defined(__ANDROID__)
  // Probing display servers that are not there only prints noise of their
  // own before SDL gives up.
  if (!driverChosen && !EnvironmentHas("DISPLAY") && !EnvironmentHas("WAYLAND_DISPLAY"))
    throw Exception("Cannot open a window: no display available (neither DISPLAY nor WAYLAND_DISPLAY is set)");
#endif
  // A trainer is no game: let the screen saver run, keep the compositor, and
  // do the mouse capture ourselves (SDL's own would keep the pointer grabbed
  // while a message box needs it).
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The window's surface in plain memory, shared with the X server: the
  // program draws every pixel itself and sends only what changed. Asking
  // for it on the graphics device instead makes SDL open a trial OpenGL
  // context first, which loads the whole driver (on a machine without a GPU,
  // a shader compiler of some 60 MB) before the first frame. A user's own
  // SDL_FRAMEBUFFER_ACCELERATION still wins.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
#ifdef SDL_HINT_MOUSE_AUTO_CAPTURE
  SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
#endif
#ifdef SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE
  // Closing the last window closes it once: no extra quit event.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
#endif
  if (!options_.AppId.empty()) {
    // SDL 2.26 reads the X11 class and the Wayland app id from the
    // environment only (later versions also from SDL_HINT_APP_ID); a value
    // the user set on purpose is left alone.
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", options_.AppId.c_str(), 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", options_.AppId.c_str(), 0);
    SDL_SetHint("SDL_APP_ID", options_.AppId.c_str());
  }
  // Before SDL starts: SDL keeps the handler it finds and puts it back when
  // it closes its display connections, which is when such an error arrives.
  IgnoreEventsToVanishedX11Windows();
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    const std::string why = SDL_GetError();
    SDL_Quit();
    throw Exception("Cannot open a window: no display available (" + why + ")");
  }
  // Without a display SDL falls back to drivers that show nothing to anyone.
  const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  if (!driverChosen && (driver == "offscreen" || driver == "dummy")) {
    SDL_Quit();
    throw Exception("Cannot open a window: no display available (only SDL's " + driver + " driver started)");
  }
  if (SDL_GetNumVideoDisplays() < 1) {
    const std::string why = SDL_GetError();
    SDL_Quit();
    throw Exception("Cannot open a window: the display has no screen (" + why + ")");
  }
  SDL_StartTextInput();
}

TSdlBackend::~TSdlBackend() {
  for (auto& [handle, w] : windows_) DestroyWindow(w);
  windows_.clear();
  byId_.clear();
  if (icon_) SDL_FreeSurface(icon_);
  SDL_Quit();
}

uint64_t TSdlBackend::NowMs() { return SDL_GetTicks64(); }

void TSdlBackend::Sleep(uint32_t ms) { SDL_Delay(ms); }

TSize TSdlBackend::ScreenSize() {
  if (options_.Screen) return *options_.Screen;
  SDL_Rect r;
  if (SDL_GetDisplayBounds(0, &r) != 0 || r.w <= 0 || r.h <= 0) return {1024, 768};
  return {r.w, r.h};
}

TRect TSdlBackend::WorkArea() {
  SDL_Rect r;
  if (options_.Screen) {
    const TPoint at = SDL_GetDisplayUsableBounds(0, &r) == 0 ? TPoint{r.x, r.y} : TPoint{0, 0};
    return TRect::FromBounds(at.X, at.Y, options_.Screen->cx, options_.Screen->cy);
  }
  if (SDL_GetDisplayUsableBounds(0, &r) == 0 && r.w > 0 && r.h > 0) return TRect::FromBounds(r.x, r.y, r.w, r.h);
  if (SDL_GetDisplayBounds(0, &r) == 0 && r.w > 0 && r.h > 0) return TRect::FromBounds(r.x, r.y, r.w, r.h);
  const TSize s = ScreenSize();
  return {0, 0, s.cx, s.cy};
}

TSdlBackend::Window* TSdlBackend::Find(HWND window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

TSdlBackend::Window* TSdlBackend::FindById(uint32_t windowId) {
  auto it = byId_.find(windowId);
  return it == byId_.end() ? nullptr : Find(it->second);
}

SDL_Window* TSdlBackend::NativeWindow(HWND window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.Native;
}

void TSdlBackend::CreateNativeWindow(HWND window, const TRect& bounds, const std::string& title) {
  DestroyNativeWindow(window);
  Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
  // Only a sizeable window may be resized by the window manager.
  if (BackendSink().IsSizeable(window)) flags |= SDL_WINDOW_RESIZABLE;
  if (BackendSink().IsToolWindow(window)) flags |= SDL_WINDOW_SKIP_TASKBAR;
  const int width = std::max(1, bounds.Width()), height = std::max(1, bounds.Height());
  SDL_Window* native = SDL_CreateWindow(title.c_str(), bounds.Left, bounds.Top, width, height, flags);
  if (!native) throw EOutOfResources(std::string("Cannot create a window (") + SDL_GetError() + ")");
  if (!SDL_GetWindowSurface(native)) {
    const std::string why = SDL_GetError();
    SDL_DestroyWindow(native);
    throw EOutOfResources("Cannot draw into a window (" + why + ")");
  }
  // Not every video driver lets the program answer hit tests; without it the
  // window simply cannot be dragged by its caption.
  SDL_SetWindowHitTest(native, HitTestCallback, reinterpret_cast<void*>(static_cast<uintptr_t>(window)));
  if (icon_) SDL_SetWindowIcon(native, icon_);
  Window& w = windows_[window];
  w.Handle = window;
  w.Native = native;
  w.Sizeable = (flags & SDL_WINDOW_RESIZABLE) != 0;
  byId_[SDL_GetWindowID(native)] = window;
}

void TSdlBackend::SetNativeShape(HWND window, const TRegion* shape) {
  if (SDL_Window* native = NativeWindow(window)) {
    static const std::vector<TRect> kNone;
    SetX11WindowShape(native, shape ? shape->Rects() : kNone, shape == nullptr);
  }
}

void TSdlBackend::DestroyWindow(Window& w) {
  // The window's surface goes with the window.
  if (w.Native) {
    SDL_SetWindowHitTest(w.Native, nullptr, nullptr);
    SDL_DestroyWindow(w.Native);
  }
  w.Surface = nullptr;
  w.Native = nullptr;
}

void TSdlBackend::DestroyNativeWindow(HWND window) {
  Window* w = Find(window);
  if (!w) return;
  if (motionWindow_ == window) motionWindow_ = 0;
  byId_.erase(SDL_GetWindowID(w->Native));
  DestroyWindow(*w);
  windows_.erase(window);
}

void TSdlBackend::RequestSize(Window& w, int width, int height) {
  const uint64_t now = NowMs();
  const TSize size{width, height};
  auto& sizes = w.RequestedSizes;
  sizes.erase(std::remove_if(sizes.begin(), sizes.end(), [&](const RequestedSize& r) { return r.Size == size; }),
              sizes.end());
  sizes.push_back({size, now});
  while (sizes.size() > kMaxRequestedSizes) sizes.pop_front();
  SDL_SetWindowSize(w.Native, width, height);
}

void TSdlBackend::SetNativeBounds(HWND window, const TRect& bounds) {
  Window* w = Find(window);
  if (!w) return;
  // The border style may have changed since the window was made.
  const bool sizeable = BackendSink().IsSizeable(window);
  if (sizeable != w->Sizeable) {
    w->Sizeable = sizeable;
    SDL_SetWindowResizable(w->Native, sizeable ? SDL_TRUE : SDL_FALSE);
  }
  int x = 0, y = 0, width = 0, height = 0;
  SDL_GetWindowPosition(w->Native, &x, &y);
  if (x != bounds.Left || y != bounds.Top) SDL_SetWindowPosition(w->Native, bounds.Left, bounds.Top);
  SDL_GetWindowSize(w->Native, &width, &height);
  const int newWidth = std::max(1, bounds.Width()), newHeight = std::max(1, bounds.Height());
  if (width != newWidth || height != newHeight) RequestSize(*w, newWidth, newHeight);
}

void TSdlBackend::SetNativeTitle(HWND window, const std::string& title) {
  if (Window* w = Find(window)) SDL_SetWindowTitle(w->Native, title.c_str());
}

void TSdlBackend::ShowNativeWindow(HWND window, int command) {
  Window* w = Find(window);
  if (!w) return;
  SDL_Window* native = w->Native;
  const bool shown = (SDL_GetWindowFlags(native) & SDL_WINDOW_SHOWN) != 0;
  switch (command) {
    case SW_HIDE:
      SDL_HideWindow(native);
      break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
      if (!shown) SDL_ShowWindow(native);
      SDL_MinimizeWindow(native);
      break;
    case SW_RESTORE:
      if (!shown) SDL_ShowWindow(native);
      SDL_RestoreWindow(native);
      break;
    default:
      SDL_ShowWindow(native);
      SDL_RaiseWindow(native);
      break;
  }
}

void TSdlBackend::Present(HWND window, const TBitmap& framebuffer, const TRegion& dirty) {
  Window* w = Find(window);
  if (!w || framebuffer.Width() <= 0 || framebuffer.Height() <= 0) return;
  SDL_Surface* surface = SDL_GetWindowSurface(w->Native);
  if (!surface) {
    ReportPresentError("cannot reach the window's pixels");
    return;
  }
  // The window may briefly be larger or smaller than the framebuffer.
  const TRect whole = TRect{0, 0, framebuffer.Width(), framebuffer.Height()}.Intersect({0, 0, surface->w, surface->h});
  if (surface != w->Surface || surface->w != w->SurfaceWidth || surface->h != w->SurfaceHeight) {
    // A new surface holds nothing yet: everything goes up, and what lies
    // beyond the framebuffer is black.
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    w->Surface = surface;
    w->SurfaceWidth = surface->w;
    w->SurfaceHeight = surface->h;
    if (!whole.IsEmpty()) Upload(*surface, framebuffer, whole);
    SDL_UpdateWindowSurface(w->Native);
    return;
  }
  const std::vector<TRect> rects = PresentRects(dirty, whole);
  if (rects.empty()) return;
  std::vector<SDL_Rect> shown;
  shown.reserve(rects.size());
  for (const TRect& r : rects) {
    Upload(*surface, framebuffer, r);
    shown.push_back({r.Left, r.Top, r.Width(), r.Height()});
  }
  SDL_UpdateWindowSurfaceRects(w->Native, shown.data(), static_cast<int>(shown.size()));
}

void TSdlBackend::Upload(SDL_Surface& surface, const TBitmap& framebuffer, const TRect& r) {
  if (r.IsEmpty()) return;
  if (SDL_MUSTLOCK(&surface) && SDL_LockSurface(&surface) != 0) {
    ReportPresentError("cannot write into the window's pixels");
    return;
  }
  const uint8_t* src = framebuffer.ScanLine(r.Top) + static_cast<size_t>(r.Left) * 3;
  const size_t srcStride = static_cast<size_t>(framebuffer.RowBytes());
  const Uint32 format = surface.format->format;
  // X11 gives a window of 24-bit depth 32-bit pixels with the fourth byte
  // unused; other systems may give the same layout with alpha, which the
  // conversion sets opaque. Anything else goes through SDL a row at a time.
  if (format == SDL_PIXELFORMAT_RGB888 || format == SDL_PIXELFORMAT_ARGB8888) {
    uint8_t* dst = static_cast<uint8_t*>(surface.pixels) + static_cast<size_t>(r.Top) * surface.pitch +
                   static_cast<size_t>(r.Left) * 4;
    ConvertBgrToXrgb(src, srcStride, dst, static_cast<size_t>(surface.pitch), r.Width(), r.Height());
  } else {
    std::vector<uint8_t> row(static_cast<size_t>(r.Width()) * 4);
    for (int y = 0; y < r.Height(); ++y) {
      ConvertBgrToXrgb(src + static_cast<size_t>(y) * srcStride, srcStride, row.data(), row.size(), r.Width(), 1);
      uint8_t* dst = static_cast<uint8_t*>(surface.pixels) + static_cast<size_t>(r.Top + y) * surface.pitch +
                     static_cast<size_t>(r.Left) * surface.format->BytesPerPixel;
      if (SDL_ConvertPixels(r.Width(), 1, SDL_PIXELFORMAT_RGB888, row.data(), static_cast<int>(row.size()), format,
                            dst, surface.pitch) != 0) {
        ReportPresentError("cannot convert into the window's pixel format");
        break;
      }
    }
  }
  if (SDL_MUSTLOCK(&surface)) SDL_UnlockSurface(&surface);
}

void TSdlBackend::ReportPresentError(const char* what) {
  // Once is enough: the same failure would repeat with every frame.
  if (reportedPresentError_) return;
  reportedPresentError_ = true;
  std::fprintf(stderr, "Cannot show the window contents: %s (%s)\n", what, SDL_GetError());
}

void TSdlBackend::CaptureMouse(bool on) {
  // Fails when no window of ours has the mouse; the press that started the
  // capture then is not ours either.
  SDL_CaptureMouse(on ? SDL_TRUE : SDL_FALSE);
}

void TSdlBackend::SetApplicationIcon(const TBitmap& image, const TBitmap& opacity) {
  const int w = image.Width(), h = image.Height();
  if (w <= 0 || h <= 0 || opacity.Width() != w || opacity.Height() != h) return;
  SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!icon) return;  // the window keeps the window system's default icon
  for (int y = 0; y < h; ++y) {
    const uint8_t* src = image.ScanLine(y);
    const uint8_t* a = opacity.ScanLine(y);
    auto* dst = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(icon->pixels) + static_cast<size_t>(y) * icon->pitch);
    for (int x = 0; x < w; ++x)
      dst[x] = uint32_t{a[3 * x]} << 24 | uint32_t{src[3 * x + 2]} << 16 | uint32_t{src[3 * x + 1]} << 8 | src[3 * x];
  }
  if (icon_) SDL_FreeSurface(icon_);
  icon_ = icon;
  for (auto& [handle, win] : windows_) SDL_SetWindowIcon(win.Native, icon_);
}

void TSdlBackend::FlushMotion() {
  if (!motionWindow_) return;
  const HWND window = motionWindow_;
  motionWindow_ = 0;
  BackendSink().MouseMove(window, motionPoint_);
}

void TSdlBackend::PollEvents() {
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    // Moves only wait while more moves follow; anything else goes behind
    // the last of them.
    if (e.type != SDL_MOUSEMOTION) FlushMotion();
    switch (e.type) {
      case SDL_MOUSEMOTION:
        if (Window* w = FindById(e.motion.windowID)) {
          if (motionWindow_ && motionWindow_ != w->Handle) FlushMotion();
          motionWindow_ = w->Handle;
          motionPoint_ = {e.motion.x, e.motion.y};
        }
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        Window* w = FindById(e.button.windowID);
        const int button = e.button.button == SDL_BUTTON_LEFT     ? 0
                           : e.button.button == SDL_BUTTON_RIGHT  ? 1
                           : e.button.button == SDL_BUTTON_MIDDLE ? 2
                                                                  : -1;
        if (w && button >= 0)
          BackendSink().MouseButton(w->Handle, {e.button.x, e.button.y}, button, e.type == SDL_MOUSEBUTTONDOWN);
        break;
      }
      case SDL_MOUSEWHEEL: {
        Window* w = FindById(e.wheel.windowID);
        if (!w) break;
        float notches = e.wheel.preciseY;
        if (notches == 0.0f) notches = static_cast<float>(e.wheel.y);
        if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
        const int delta = static_cast<int>(std::lround(notches * kWheelDelta));
        if (delta == 0) break;
        TPoint p;
#if SDL_VERSION_ATLEAST(2, 26, 0)
        p = {e.wheel.mouseX, e.wheel.mouseY};
#else
        SDL_GetMouseState(&p.X, &p.Y);
#endif
        BackendSink().MouseWheel(w->Handle, p, delta);
        break;
      }
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        if (const int vk = SdlKeyToVirtualKey(e.key.keysym.sym, e.key.keysym.scancode))
          BackendSink().Key(vk, e.type == SDL_KEYDOWN, e.key.repeat != 0);
        break;
      case SDL_TEXTINPUT:
        BackendSink().Text(e.text.text);
        break;
      case SDL_WINDOWEVENT:
        HandleWindowEvent(e);
        break;
      case SDL_QUIT:
        for (const auto& [handle, w] : windows_) BackendSink().WindowEvent(handle, TWindowEvent::Close, {});
        break;
      case SDL_RENDER_DEVICE_RESET:
        // Where SDL keeps a window's surface on the graphics device (Wayland),
        // the device took the picture with it: everything goes up again.
        for (auto& [handle, w] : windows_) {
          w.Surface = nullptr;
          BackendSink().WindowEvent(handle, TWindowEvent::Exposed, {});
        }
        break;
      default:
        break;
    }
  }
  FlushMotion();
}

void TSdlBackend::HandleWindowEvent(const SDL_Event& e) {
  Window* w = FindById(e.window.windowID);
  if (!w) return;
  const HWND window = w->Handle;
  switch (e.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
      BackendSink().WindowEvent(window, TWindowEvent::Close, {});
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      BackendSink().WindowEvent(window, TWindowEvent::FocusGained, {});
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      BackendSink().WindowEvent(window, TWindowEvent::FocusLost, {});
      break;
    case SDL_WINDOWEVENT_SHOWN:  // not every window system sends an expose then
    case SDL_WINDOWEVENT_EXPOSED:
      BackendSink().WindowEvent(window, TWindowEvent::Exposed, {});
      break;
    case SDL_WINDOWEVENT_MOVED:
      BackendSink().WindowEvent(window, TWindowEvent::Moved, {e.window.data1, e.window.data2});
      break;
    case SDL_WINDOWEVENT_MINIMIZED:
      BackendSink().WindowEvent(window, TWindowEvent::Minimized, {});
      break;
    case SDL_WINDOWEVENT_RESTORED:
      BackendSink().WindowEvent(window, TWindowEvent::Restored, {});
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      NativeSizeChanged(*w, e.window.data1, e.window.data2);
      // The window may hold anything now; show it all again.
      BackendSink().WindowEvent(window, TWindowEvent::Exposed, {});
      break;
    case SDL_WINDOWEVENT_LEAVE:
      BackendSink().MouseLeave(window);
      break;
    default:
      break;
  }
}

void TSdlBackend::NativeSizeChanged(Window& w, int width, int height) {
  if (width <= 0 || height <= 0) return;
  const uint64_t now = NowMs();
  auto& sizes = w.RequestedSizes;
  while (!sizes.empty() && now - sizes.front().At > kRequestedSizeLifetimeMs) sizes.pop_front();
  // Our own request coming back, perhaps after a later one: the framework's
  // window is already where it wants to be. Following it would make the two
  // chase each other.
  for (const RequestedSize& r : sizes)
    if (r.Size == TSize{width, height}) return;
  // The user or the window manager resized the window: the framework's
  // window follows, at the place the native one is now.
  int x = 0, y = 0;
  SDL_GetWindowPosition(w.Native, &x, &y);
  BackendSink().WindowResized(w.Handle, TRect::FromBounds(x, y, width, height));
}

SDL_Window* TSdlBackend::MessageBoxParent() {
  auto usable = [](SDL_Window* native) {
    return native && (SDL_GetWindowFlags(native) & SDL_WINDOW_SHOWN) != 0 ? native : nullptr;
  };
  if (SDL_Window* active = usable(NativeWindow(BackendSink().ActiveWindow()))) return active;
  if (SDL_Window* focused = usable(SDL_GetKeyboardFocus())) return focused;
  for (const auto& [handle, w] : windows_)
    if (SDL_Window* shown = usable(w.Native)) return shown;
  return nullptr;
}

int TSdlBackend::MessageBox(const std::string& caption, const std::string& text, unsigned flags) {
  // A pointer grab of ours would keep the box from getting clicks.
  SDL_CaptureMouse(SDL_FALSE);
  FlushMotion();
  const Uint32 kind = MessageBoxKind(flags);
  SDL_Window* parent = MessageBoxParent();
  const unsigned buttons = flags & 0xF;
  if (buttons != MB_YESNO && buttons != MB_OKCANCEL) {
    if (SDL_ShowSimpleMessageBox(kind, caption.c_str(), text.c_str(), parent) != 0)
      std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return IDOK;
  }
  const bool yesNo = buttons == MB_YESNO;
  const int accept = yesNo ? IDYES : IDOK, decline = yesNo ? IDNO : IDCANCEL;
  const SDL_MessageBoxButtonData choices[] = {
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, accept, yesNo ? "Yes" : "OK"},
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, decline, yesNo ? "No" : "Cancel"},
  };
  const SDL_MessageBoxData data{kind | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
                                parent,
                                caption.c_str(),
                                text.c_str(),
                                2,
                                choices,
                                nullptr};
  int answer = decline;
  if (SDL_ShowMessageBox(&data, &answer) != 0) {
    // Nobody could answer: take the cautious choice.
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return decline;
  }
  return answer == accept ? accept : decline;  // closed without a button: declined
}

void TSdlBackend::SetClipboardText(const std::string& text) { SDL_SetClipboardText(text.c_str()); }

std::string TSdlBackend::ClipboardText() {
  char* text = SDL_GetClipboardText();
  if (!text) return {};
  std::string result(text);
  SDL_free(text);
  return result;
}

bool TSdlBackend::WaitEvents(uint32_t timeoutMs) {
  const uint32_t wait = std::min(timeoutMs, kMaxWaitMs);
  if (windows_.empty()) {
    // SDL sleeps on the display connection only while it has a window; without
    // one it would poll every millisecond. Nothing but a quit can come now.
    SDL_Delay(wait);
    return true;
  }
  // Leaves the event in the queue for the next PollEvents.
  SDL_WaitEventTimeout(nullptr, static_cast<int>(wait));
  return true;
}

std::unique_ptr<TBackend> CreateSdlBackend(const TSdlOptions& options) {
  return std::make_unique<TSdlBackend>(options);
}
