// A small program on the SDL2 backend, driven from outside by sdl_smoke.sh
// under a virtual X server: a framed form with one control that shows one
// colour and another once it has been clicked. It prints where everything is
// on screen, so the script clicks by the program's own geometry, not by
// guesses:
//   window L T W H   the form's screen rectangle
//   pad L T W H      the control's screen rectangle
//   close X Y        the centre of the close button, screen coordinates
//   colors BEFORE AFTER   the control's two colours as RRGGBB
//   ready
// and then "clicked" for each click on the control and "key N" for each key
// the form sees (N its virtual key code).
#include <cstdarg>
#include <cstdio>

#include "framework/backend/sdl/SdlBackend.h"
#include "framework/base/Exceptions.h"
#include "framework/components/Application.h"
#include "framework/components/Windows.h"

namespace {

constexpr TColor kBefore = RGB(0x20, 0xA0, 0x40);
constexpr TColor kAfter = RGB(0xC0, 0x30, 0x90);

class TColorPad : public TCustomControl {
 public:
  explicit TColorPad(TComponent* owner) : TCustomControl(owner) { ControlStyle().Include(csOpaque); }
  TColor Fill = kBefore;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
  }
};

// printf with a flush, so the driving script sees each line at once.
__attribute__((format(printf, 1, 2))) void Say(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::fflush(stdout);
}

int Hex(TColor c) { return GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c); }

}  // namespace

int main() {
  try {
    SetBackend(CreateSdlBackend());
  } catch (const Exception& e) {
    std::fprintf(stderr, "sdl_smoke: %s\n", e.what());
    return 2;
  }
  InitializeFramework();
  Application->Initialize();
  Application->SetTitle("SDL smoke");

  auto* form = Application->CreateForm<TForm>();
  form->SetBorderStyle(TFormBorderStyle::bsSingle);
  form->SetBorderIcons({biSystemMenu, biMinimize});
  form->SetCaption("SDL smoke");
  form->SetBounds(120, 90, 320, 220);
  form->SetKeyPreview(true);
  form->OnKeyDown = [form](TComponent*, uint16_t& key, TShiftState) {
    Say("key %d\n", int{key});
    // F6 cuts a 12 x 12 square out of the window's top-left corner.
    if (key == VK_F6) {
      const TRegion shape = TRegion(TRect{0, 0, form->Width(), form->Height()}).Subtract(TRect{0, 0, 12, 12});
      SetWindowRgn(form->Handle(), shape, true);
      Say("shaped\n");
    }
  };

  auto* pad = TComponent::Create<TColorPad>(form);
  pad->SetBounds(40, 30, 160, 100);
  pad->SetParent(form);
  pad->OnClick = [pad](TComponent*) {
    pad->Fill = kAfter;
    pad->Invalidate();
    Say("clicked\n");
  };

  form->Show();
  const TPoint client = form->ClientOrigin();
  const TRect close = form->CaptionButtonRect(HTCLOSE);
  Say("window %d %d %d %d\n", form->Left(), form->Top(), form->Width(), form->Height());
  Say("pad %d %d %d %d\n", client.X + pad->Left(), client.Y + pad->Top(), pad->Width(), pad->Height());
  Say("close %d %d\n", form->Left() + (close.Left + close.Right) / 2, form->Top() + (close.Top + close.Bottom) / 2);
  Say("colors %06X %06X\n", Hex(ColorToRGB(kBefore)), Hex(ColorToRGB(kAfter)));
  Say("ready\n");

  Application->Run();
  FinalizeFramework();
  SetBackend(nullptr);
  return 0;
}
