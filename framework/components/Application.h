// The application object and the screen.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/components/Forms.h"

class TApplication : public TComponent {
 public:
  SORTARIUM_CLASS(TApplication)
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  void Initialize();
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Creates a form owned by the application; the first becomes the main form.
  template <class T, class... Args>
  T* CreateForm(Args&&... args) {
    T* form = TComponent::Create<T>(this, std::forward<Args>(args)...);
    if (!mainForm_) mainForm_ = form;
    return form;
  }
  void AdoptForm(TCustomForm* form);
  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void ShowMainForm();
  // Handles every pending message once (paints and due timers included).
  void ProcessMessages();
  // Handles one message, or waits for the next when there is none; answers
  // false when no message can ever come again.
  bool HandleMessage();
  bool ProcessMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Shows an exception in a message box (the default handler) and goes on.
  void HandleException(const std::exception* e);
  void ShowException(const std::string& message);
  std::function<void(const std::exception* e)> OnException;
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

  void Notification(TComponent* component, TOperation operation) override;
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v) { showHint_ = v; }

 private:
  std::string title_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool showHint_ = true;
};

class TScreen : public TComponent {
 public:
  SORTARIUM_CLASS(TScreen)
  explicit TScreen(TComponent* owner) : TComponent(owner) {}
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int FormCount() const;
  TCustomForm* Forms(int index) const;
  TCustomForm* ActiveForm() const;
  TWinControl* ActiveControl() const;
};

// The process-wide objects, created by InitializeFramework.
extern TApplication* Application;
extern TScreen* Screen;

// Connects the windowing floor to the backend's events and makes
// Application and Screen (idempotent); FinalizeFramework frees them and
// every form the application owns.
void InitializeFramework();
void FinalizeFramework();

// The text the default exception handler shows: the message with "." added
// when its last character sorts above ".".
std::string ExceptionDisplayText(const std::string& message);
