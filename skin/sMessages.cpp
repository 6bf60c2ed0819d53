#include "skin/sMessages.h"

#include "framework/components/Application.h"
#include "framework/components/Windows.h"

TCacheInfo SharedCacheInfo;
TColor SharedColor = kNoSharedColor;

namespace {

bool IsMDIChild(const TCustomForm& form) { return form.FormStyle() == TFormStyle::fsMDIChild; }

// The forms that a skin change freezes and thaws: shown top-level windows
// that are not going away.
bool TakesPartInRedraw(const TCustomForm& form) {
  return !IsMDIChild(form) && !form.HasParent() && form.Visible() && !form.IsDestroying() &&
         form.HandleAllocated();
}

// The application's components, newest first or oldest first, as forms.
// The count is read again at each step: a receiver may make or free forms.
// While the application itself is going away there is nobody to tell.
bool ApplicationAlive() { return Application && !Application->IsDestroying(); }

template <class Visit>
void ForEachFormLastToFirst(Visit visit) {
  if (!ApplicationAlive()) return;
  for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
    if (i >= Application->ComponentCount()) continue;
    if (auto* form = dynamic_cast<TCustomForm*>(Application->Components(i))) visit(*form);
  }
}

template <class Visit>
void ForEachFormFirstToLast(Visit visit) {
  if (!ApplicationAlive()) return;
  for (int i = 0; i < Application->ComponentCount(); ++i)
    if (auto* form = dynamic_cast<TCustomForm*>(Application->Components(i))) visit(*form);
}

}  // namespace

LRESULT SendSkinCommand(HWND window, uint16_t code, LPARAM lParam) {
  return SendMessage(window, SM_KAVRACMD, SkinCommandWParam(code), lParam);
}

LRESULT PerformSkinCommand(TControl* control, uint16_t code, LPARAM lParam, uint16_t arg) {
  if (!control) return 0;
  if (auto* windowed = AsWindowed(control)) {
    if (windowed->IsDestroying() || !windowed->HandleAllocated()) return 0;
    return SendMessage(windowed->Handle(), SM_KAVRACMD, SkinCommandWParam(code, arg), lParam);
  }
  return control->Perform(SM_KAVRACMD, SkinCommandWParam(code, arg), lParam);
}

bool AskSkinCommand(TControl* control, uint16_t code) {
  if (!control) return false;
  TMessage m{SM_KAVRACMD, SkinCommandWParam(code), 0, 0};
  control->WindowProc(m);
  if (m.LParam == 1) return true;
  auto* windowed = AsWindowed(control);
  if (!windowed || windowed->IsDestroying()) return false;
  return SendSkinCommand(windowed->Handle(), code, 0) == 1;
}

void BroadcastToChildren(TWinControl* container, TMessage& message) {
  if (!container) return;
  try {
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl* child = container->Controls(i);
      if (child->IsDestroying()) return;
      auto* windowed = AsWindowed(child);
      if (!windowed) {
        child->Perform(message.Msg, message.WParam, message.LParam);
      } else if (AskSkinCommand(windowed, SKC_ISSKINAWARE)) {
        windowed->WindowProc(message);
      } else {
        BroadcastToChildren(windowed, message);
      }
    }
  } catch (...) {
    // A receiver that fails ends this container's walk; the sender and the
    // walks of outer containers go on.
  }
}

void NotifyChildrenParentPainted(TWinControl* container) {
  if (!container) return;
  try {
    for (int i = 0; i < container->ControlCount(); ++i) {
      auto* windowed = AsWindowed(container->Controls(i));
      if (!windowed || windowed->IsDestroying()) continue;
      // Straight into the child's window procedure: a failure must end this
      // walk quietly, where SendMessage would report it and go on.
      windowed->HandleNeeded();
      TMessage m{SM_KAVRACMD, SkinCommandWParam(SKC_PARENTPAINTED), 0, 0};
      windowed->WindowProc(m);
    }
  } catch (...) {
  }
}

TColor GetParentColor(TControl* control) {
  if (!control) return ColorToRGB(clBtnFace);
  SharedColor = kNoSharedColor;
  if (auto* windowed = AsWindowed(control)) {
    if (!windowed->IsDestroying()) SendSkinCommand(windowed->Handle(), SKC_GETCOLOR, 0);
  } else {
    control->Perform(SM_KAVRACMD, SkinCommandWParam(SKC_GETCOLOR), 0);
  }
  const TColor color = SharedColor == kNoSharedColor ? control->Color() : SharedColor;
  return ColorToRGB(color);
}

void AnnounceControl(TControl* control) {
  if (!control || control->IsDesigning()) return;
  TCustomForm* form = GetParentForm(control);
  if (!form || form->IsDestroying()) return;
  SendSkinCommand(form->Handle(), SKC_ADAPTCONTROL, reinterpret_cast<LPARAM>(control));
}

void DeliverToAllForms(TMessage& message) {
  ForEachFormLastToFirst([&](TCustomForm& form) {
    if (IsMDIChild(form) || form.IsDestroying() || form.IsLoading()) return;
    SendMessage(form.Handle(), message.Msg, message.WParam, message.LParam);
    BroadcastToChildren(&form, message);
    // There are no MDI client windows here to pass the command on to.
  });
}

void StopFormsRedraw() {
  ForEachFormLastToFirst([](TCustomForm& form) {
    if (TakesPartInRedraw(form)) SendMessage(form.Handle(), WM_SETREDRAW, 0, 0);
  });
}

void ResumeFormsRedraw(const TsSkinManager& manager, std::optional<int> skinChangeMs) {
  ForEachFormFirstToLast([&](TCustomForm& form) {
    if (!TakesPartInRedraw(form)) return;
    const HWND window = form.Handle();
    auto* provider = reinterpret_cast<TsFrameProvider*>(SendSkinCommand(window, SKC_GETPROVIDER, 0));
    if (provider && provider->FrameSkinManager() == &manager) {
      if (skinChangeMs) provider->AnimateSkinChange(*skinChangeMs);
      SendMessage(window, WM_SETREDRAW, 1, 0);
      SetWindowRgn(window, std::nullopt, false);
      provider->RepaintFrame();
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    } else {
      SendMessage(window, WM_SETREDRAW, 1, 0);
      RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    }
  });
}
