#include "framework/components/Application.h"

#include "framework/backend/Backend.h"
#include "framework/components/Clock.h"
#include "framework/components/Input.h"
#include "framework/components/Windows.h"
#include "framework/components/WindowingSink.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {
// Guards a pump against handlers that keep posting work forever.
constexpr int kMaxMessagesPerPump = 200000;
}  // namespace

std::string ExceptionDisplayText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > static_cast<unsigned char>('.'))
    return message + ".";
  return message;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() {
  Destroying();
  DestroyComponents();
}

void TApplication::Initialize() {}

void TApplication::AdoptForm(TCustomForm* form) {
  InsertComponent(form);
  if (!mainForm_) mainForm_ = form;
}

void TApplication::ShowMainForm() {
  if (mainForm_ && !mainForm_->Visible()) mainForm_->Show();
}

bool TApplication::ProcessMessage() {
  TMsg msg;
  if (!PeekMessage(msg)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (!msg.hwnd && msg.message == CM_RELEASE) {
    if (TWinControl* w = FindControl(static_cast<HWND>(msg.lParam))) TComponent::Free(w);
    return true;
  }
  DispatchMessage(msg);
  return true;
}

void TApplication::ProcessMessages() {
  for (int i = 0; i < kMaxMessagesPerPump && ProcessMessage(); ++i) {
  }
  PresentAll();
}

bool TApplication::HandleMessage() {
  if (ProcessMessage()) return true;
  PresentAll();
  if (terminated_) return true;
  uint32_t timeout = UINT32_MAX;
  if (auto due = NextTimerDue()) {
    const uint64_t now = GetTickCount64();
    timeout = *due > now ? static_cast<uint32_t>(std::min<uint64_t>(*due - now, UINT32_MAX - 1)) : 0;
  }
  return Backend()->WaitEvents(timeout);
}

void TApplication::Run() {
  ShowMainForm();
  while (!terminated_ && HandleMessage()) {
  }
  PresentAll();
}

void TApplication::Terminate() {
  if (!terminated_) PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception* e) {
  if (OnException) {
    OnException(e);
    return;
  }
  ShowException(e ? e->what() : "Unknown error");
}

void TApplication::ShowException(const std::string& message) {
  MessageBox(ExceptionDisplayText(message), title_, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  return Backend()->MessageBox(caption, text, flags);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == mainForm_) mainForm_ = nullptr;
}

int TScreen::Width() const { return Backend()->ScreenSize().cx; }
int TScreen::Height() const { return Backend()->ScreenSize().cy; }
TRect TScreen::WorkAreaRect() const { return Backend()->WorkArea(); }

int TScreen::FormCount() const {
  int n = 0;
  if (Application)
    for (int i = 0; i < Application->ComponentCount(); ++i)
      if (dynamic_cast<TCustomForm*>(Application->Components(i))) ++n;
  return n;
}

TCustomForm* TScreen::Forms(int index) const {
  int n = 0;
  if (Application)
    for (int i = 0; i < Application->ComponentCount(); ++i)
      if (auto* f = dynamic_cast<TCustomForm*>(Application->Components(i)))
        if (n++ == index) return f;
  return nullptr;
}

TCustomForm* TScreen::ActiveForm() const {
  if (TWinControl* w = FindControl(GetActiveWindow())) return dynamic_cast<TCustomForm*>(w);
  return Application ? Application->MainForm() : nullptr;
}

TWinControl* TScreen::ActiveControl() const { return FindControl(GetFocus()); }

void InitializeFramework() {
  SetBackendSink(&WindowingSink());
  if (!Application) Application = new TApplication(nullptr);
  if (!Screen) Screen = new TScreen(nullptr);
}

void FinalizeFramework() {
  TApplication* app = Application;
  TScreen* screen = Screen;
  if (app) TComponent::Free(app);
  Application = nullptr;
  if (screen) TComponent::Free(screen);
  Screen = nullptr;
  ResetWindowServices();
  InputResetState();
}
