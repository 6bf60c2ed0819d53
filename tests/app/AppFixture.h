// The real main window on the headless backend, in a scratch folder that
// holds copies of the listing files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "app/Unit1.h"
#include "controls/sBitBtn.h"
#include "controls/sGroupBox.h"
#include "controls/sPanel.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"
#include "framework/stdctrls/RichEdit.h"
#include "framework/stdctrls/StdCtrls.h"

class AppFixture : public ::testing::Test {
 protected:
  // The screen of the test; derived fixtures may change it before SetUp.
  TSize screen{1024, 768};
  bool copyListings = true;

  void SetUp() override {
    namespace fs = std::filesystem;
    oldDir = fs::current_path();
    dir = fs::temp_directory_path() /
          ("sortarium-app-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
    if (copyListings)
      for (const auto& entry : fs::directory_iterator(fs::path(SORTARIUM_SOURCE_DIR) / "resources" / "listings"))
        fs::copy_file(entry.path(), dir / entry.path().filename());
    fs::current_path(dir);
    backend = InstallHeadlessBackend(screen);
    SetRandomizeSeed(12345);
    StartUnits();
    form = CreateMainWindow();
    Application->ShowMainForm();
    Pump();
  }

  void TearDown() override {
    StopUnits();
    SetRandomizeSeed(std::nullopt);
    std::filesystem::current_path(oldDir);
    std::filesystem::remove_all(dir);
  }

  void Pump() { Application->ProcessMessages(); }

  std::vector<int> Values() const {
    std::vector<int> v;
    for (int k = 1; k <= 10; ++k) v.push_back(form->Value(k));
    return v;
  }
  TColor CellColor(int k) const { return form->Cell(k)->Color(); }
  std::string CellText(int k) const { return form->Cell(k)->Caption(); }

  // A click as a pupil makes it: press and release in the middle of the control.
  void ClickControl(TControl* c) {
    const TPoint o = c->ClientOrigin();
    TRect r = TRect::FromBounds(o.X, o.Y, c->Width(), c->Height());
    const TPoint fo = form->ClientOrigin();
    r = r.Intersect(form->ClientRect().Offset(fo.X, fo.Y));
    const TPoint p{(r.Left + r.Right) / 2 - form->Left(), (r.Top + r.Bottom) / 2 - form->Top()};
    backend->InjectMouseMove(form->Handle(), p);
    backend->InjectMouseButton(form->Handle(), p, 0, true);
    backend->InjectMouseButton(form->Handle(), p, 0, false);
    Pump();
  }
  void ClickCell(int k) { ClickControl(form->Cell(k)); }

  std::filesystem::path oldDir, dir;
  THeadlessBackend* backend = nullptr;
  TForm1* form = nullptr;
};
