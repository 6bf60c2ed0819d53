#include "framework/components/WindowingSink.h"

#include "framework/components/Forms.h"
#include "framework/components/Input.h"
#include "framework/components/Windows.h"

namespace {

class TWindowingSink : public TBackendSink {
 public:
  void MouseMove(HWND topLevel, TPoint p) override { PostRawMouseMove(topLevel, p); }
  void MouseButton(HWND topLevel, TPoint p, int button, bool down) override {
    PostRawMouseButton(topLevel, p, button, down);
  }
  void MouseWheel(HWND topLevel, TPoint p, int delta) override { PostRawWheel(topLevel, p, delta); }
  void MouseLeave(HWND topLevel) override { PostRawMouseLeave(topLevel); }
  void Key(int vk, bool down, bool repeat) override { PostRawKey(vk, down, repeat); }
  void Text(const std::string& utf8) override { PostRawText(utf8); }
  void WindowEvent(HWND topLevel, TWindowEvent event, TPoint position) override {
    PostWindowEvent(topLevel, event, position);
  }

  void WindowResized(HWND topLevel, const TRect& bounds) override {
    auto* form = dynamic_cast<TCustomForm*>(FindControl(topLevel));
    if (!form || (form->Width() == bounds.Width() && form->Height() == bounds.Height())) return;
    form->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  }

  int HitTest(HWND topLevel, TPoint p) override {
    if (!IsWindow(topLevel)) return HTNOWHERE;
    // The form answers in screen coordinates of its own idea of where it
    // is, which is what its frame was painted for.
    const TRect r = GetWindowRect(topLevel);
    return static_cast<int>(SendMessage(topLevel, WM_NCHITTEST, 0, MakeLParam(r.Left + p.X, r.Top + p.Y)));
  }
  bool IsSizeable(HWND topLevel) override { return (GetWindowLong(topLevel, GWL_STYLE) & WS_THICKFRAME) != 0; }
  bool IsToolWindow(HWND topLevel) override {
    return (GetWindowLong(topLevel, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
  }
  HWND ActiveWindow() override { return GetActiveWindow(); }
};

}  // namespace

TBackendSink& WindowingSink() {
  static TWindowingSink sink;
  return sink;
}
