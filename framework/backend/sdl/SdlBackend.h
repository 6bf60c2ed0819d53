// The SDL2 backend: the real window. Each top-level form gets one borderless
// SDL window; the framework paints the whole window, frame included, and
// the window manager learns where the caption and borders are through a hit
// test that asks the framework (the form's WM_NCHITTEST, through the backend
// sink). Presents convert the dirty parts of the form's 24-bit framebuffer
// straight into the window's own 32-bit surface and hand the window system
// only those parts. No renderer is made: the program draws every pixel
// itself, and a renderer would load a whole graphics driver (on a machine
// without a GPU, a compiler for shaders) to copy one picture unscaled,
// with the whole window copied again on every present.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "framework/backend/Backend.h"

struct SDL_Window;
struct SDL_Surface;
union SDL_Event;

struct TSdlOptions {
  // Report a screen of this size, and a work area as large at the real work
  // area's top-left, instead of the display's: the windows are laid out as
  // on that screen (a projector's, a test's).
  std::optional<TSize> Screen;
  // The name the desktop knows the program by (its desktop entry's name
  // without ".desktop"): the X11 window class and the Wayland app id, so the
  // task bar groups the windows under the entry and shows its icon. Empty:
  // SDL's own choice.
  std::string AppId;
};

class TSdlBackend : public TBackend {
 public:
  // Starts SDL video; throws Exception when no display can be opened.
  explicit TSdlBackend(const TSdlOptions& options = {});
  ~TSdlBackend() override;
  TSdlBackend(const TSdlBackend&) = delete;
  TSdlBackend& operator=(const TSdlBackend&) = delete;

  const char* Name() const override { return "sdl2"; }

  uint64_t NowMs() override;
  void Sleep(uint32_t ms) override;

  TSize ScreenSize() override;
  TRect WorkArea() override;

  void CreateNativeWindow(HWND window, const TRect& bounds, const std::string& title) override;
  void SetNativeShape(HWND window, const TRegion* shape) override;
  void DestroyNativeWindow(HWND window) override;
  void SetNativeBounds(HWND window, const TRect& bounds) override;
  void SetNativeTitle(HWND window, const std::string& title) override;
  void ShowNativeWindow(HWND window, int command) override;
  void Present(HWND window, const TBitmap& framebuffer, const TRegion& dirty) override;
  void CaptureMouse(bool on) override;
  void SetApplicationIcon(const TBitmap& image, const TBitmap& opacity) override;

  void PollEvents() override;
  bool WaitEvents(uint32_t timeoutMs) override;

  int MessageBox(const std::string& caption, const std::string& text, unsigned flags) override;

  void SetClipboardText(const std::string& text) override;
  std::string ClipboardText() override;

  // The SDL window of a top-level window (for an icon, or for reading back
  // what it shows); null when there is none.
  SDL_Window* NativeWindow(HWND window) const;

 private:
  struct RequestedSize {
    TSize Size;
    uint64_t At = 0;
  };
  struct Window {
    HWND Handle = 0;
    SDL_Window* Native = nullptr;
    // The surface the last present drew into, and its size. SDL makes a new
    // one when the window changes size; a new one holds nothing yet.
    SDL_Surface* Surface = nullptr;
    int SurfaceWidth = 0;
    int SurfaceHeight = 0;
    bool Sizeable = false;
    // Sizes this program asked for lately. The window system reports each
    // of them back, sometimes late and out of order; a size that is not
    // among them came from the user or the window manager.
    std::deque<RequestedSize> RequestedSizes;
  };

  Window* Find(HWND window);
  Window* FindById(uint32_t windowId);
  void DestroyWindow(Window& w);
  void RequestSize(Window& w, int width, int height);
  // Converts `rect` of the framebuffer into the same place of the surface.
  void Upload(SDL_Surface& surface, const TBitmap& framebuffer, const TRect& rect);
  void ReportPresentError(const char* what);
  void HandleWindowEvent(const SDL_Event& e);
  void NativeSizeChanged(Window& w, int width, int height);
  void FlushMotion();
  SDL_Window* MessageBoxParent();

  TSdlOptions options_;
  SDL_Surface* icon_ = nullptr;
  std::map<HWND, Window> windows_;
  std::unordered_map<uint32_t, HWND> byId_;
  // Mouse motion waits here so a burst of moves becomes one message.
  HWND motionWindow_ = 0;
  TPoint motionPoint_;
  bool reportedPresentError_ = false;
};

// Starts the SDL2 backend; throws Exception with one clear line when there
// is no display.
std::unique_ptr<TBackend> CreateSdlBackend(const TSdlOptions& options = {});

// --- helpers, exposed for tests ---

// The virtual key of an SDL key (its key code, and its scan code for keys of
// layouts that type other alphabets); 0 for keys the framework has no code for.
int SdlKeyToVirtualKey(int32_t sdlKeycode, int sdlScancode);

// What the native hit test answers at a point of a top-level window (window
// coordinates): the form's WM_NCHITTEST at that screen point, translated.
int SdlHitTestAt(HWND window, TPoint windowPoint);

// The SDL hit-test answer (an SDL_HitTestResult value) for a WM_NCHITTEST code:
// the caption drags, the sizing borders resize, everything else is left to
// the program.
int HitTestCodeToSdl(int hitCode);

// Converts `width` x `height` pixels of 24-bit BGR rows (`src`, rows
// `srcStride` bytes apart) into XRGB8888 rows (`dst`, `dstStride` apart);
// both point at the first pixel of the rectangle. Vectorised where the
// processor allows.
void ConvertBgrToXrgb(const uint8_t* src, size_t srcStride, uint8_t* dst, size_t dstStride, int width, int height);
// The same a pixel at a time: the reference the fast path must match byte
// for byte, and the path of processors without AVX2.
void ConvertBgrToXrgbPlain(const uint8_t* src, size_t srcStride, uint8_t* dst, size_t dstStride, int width,
                           int height);

// The rectangles of `dirty` that a present converts and shows, within
// `whole` (the part of the framebuffer the window has room for): each
// clipped to it, empty ones left out; many small ones become their
// bounding box.
std::vector<TRect> PresentRects(const TRegion& dirty, const TRect& whole);
