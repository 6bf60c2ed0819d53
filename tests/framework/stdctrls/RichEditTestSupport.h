// A form with a rich edit on it, files to load, and input helpers for the
// rich edit tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include "FrameworkFixture.h"
#include "framework/components/Forms.h"
#include "framework/stdctrls/RichEdit.h"

class RichEditFixture : public FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    form = MakeForm(400, 300);
    edit = TComponent::Create<TRichEdit>(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 300, 200);
    form->Show();
    Pump();
    dir = std::filesystem::temp_directory_path() /
          ("sortarium-richedit-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    FrameworkFixture::TearDown();
  }

  std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  void Focus() {
    edit->SetFocus();
    Pump();
  }
  void Type(const std::string& text) {
    backend->InjectText(text);
    Pump();
  }
  // A key with modifiers held (VK_SHIFT, VK_CONTROL).
  void Chord(std::initializer_list<int> modifiers, int vk) {
    for (int m : modifiers) backend->InjectKey(m, true);
    backend->InjectKey(vk, true);
    backend->InjectKey(vk, false);
    for (int m : modifiers) backend->InjectKey(m, false);
    Pump();
  }
  // A point of the edit's client area in the form's window coordinates.
  TPoint At(int x, int y) const { return {edit->Left() + x, edit->Top() + y}; }
  void MouseDown(TPoint p, bool shift = false) {
    if (shift) backend->InjectKey(VK_SHIFT, true);
    backend->InjectMouseButton(form->Handle(), p, 0, true);
    if (shift) backend->InjectKey(VK_SHIFT, false);
    Pump();
  }
  void MouseMove(TPoint p) {
    backend->InjectMouseMove(form->Handle(), p);
    Pump();
  }
  void MouseUp(TPoint p) {
    backend->InjectMouseButton(form->Handle(), p, 0, false);
    Pump();
  }
  void ClickAt(TPoint p) {
    MouseDown(p);
    MouseUp(p);
    backend->Advance(1000);  // the next click is not a double click
  }
  // `count` numbered lines "line 0" ... as plain text.
  void FillLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += "line " + std::to_string(i) + "\r\n";
    edit->Lines()->SetText(text);
    Pump();
  }

  TForm* form = nullptr;
  TRichEdit* edit = nullptr;
  std::filesystem::path dir;
};
