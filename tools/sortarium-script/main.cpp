// sortarium-script: runs the program on the headless backend and plays a
// script against it (tests, demonstrations, screenshots).
//
//   sortarium-script [--screen WxH] [--seed N] [--dir DIR] [--scale N] [--trace] [--skin NAME] [--skins-dir DIR]
//                    [--speed F] [--follow-listing] SCRIPT|-
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "ScriptRunner.h"
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "app/Unit1.h"
#include "framework/backend/headless/HeadlessBackend.h"
#include "framework/base/SysUtils.h"
#include "framework/components/Application.h"

namespace {

int Usage(const char* message) {
  std::fprintf(stderr, "sortarium-script: %s\n", message);
  std::fprintf(stderr, "usage: sortarium-script [--screen WxH] [--seed N] [--dir DIR] [--scale N] [--trace] [--skin NAME]"
                       " [--skins-dir DIR] [--speed F] [--follow-listing] SCRIPT|-\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  TSize screen{1024, 768};
  std::optional<uint32_t> seed;
  std::string dir, scriptPath;
  bool trace = false, followListing = false;
  int scale = 1, speed = 0;
  TSkinOptions skin;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    try {
      if (ReadSkinOption(argc, argv, i, skin)) continue;
    } catch (const std::exception& e) {
      return Usage(e.what());
    }
    auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    if (a == "--screen") {
      int w = 0, h = 0;
      const std::string v = next();
      if (std::sscanf(v.c_str(), "%dx%d", &w, &h) != 2 || w < 100 || h < 100 || w > 8192 || h > 8192)
        return Usage("--screen takes WIDTHxHEIGHT between 100 and 8192");
      screen = {w, h};
    } else if (a == "--seed") {
      const std::string v = next();
      try {
        seed = static_cast<uint32_t>(std::stoul(v));
      } catch (const std::exception&) {
        return Usage("--seed takes a number");
      }
    } else if (a == "--dir") {
      dir = next();
      if (dir.empty()) return Usage("--dir takes a folder");
    } else if (a == "--scale") {
      // Recordings for slides: a whole window at full size makes large files.
      const std::string v = next();
      scale = std::atoi(v.c_str());
      if (scale < 1 || scale > 16 || v != std::to_string(scale)) return Usage("--scale takes a number from 1 to 16");
    } else if (a == "--trace") {
      trace = true;
    } else if (a == "--speed") {
      const std::string v = next();
      const auto parsed = ParseSpeed(v);
      if (!parsed) return Usage(("--speed takes 1/8, 1/4, 1/2, 1, 2, 4 or 8, not '" + v + "'").c_str());
      speed = *parsed;
    } else if (a == "--follow-listing") {
      followListing = true;
    } else if (scriptPath.empty() && (a == "-" || a[0] != '-')) {
      scriptPath = a;
    } else {
      return Usage(("unknown option " + a).c_str());
    }
  }
  if (scriptPath.empty()) return Usage("no script given");

  std::ifstream file;
  if (scriptPath != "-") {
    file.open(scriptPath);
    if (!file) return Usage(("cannot open script " + scriptPath).c_str());
  }
  char startFolder[4096] = {};
  if (!getcwd(startFolder, sizeof startFolder)) startFolder[0] = 0;
  if (!dir.empty() && chdir(dir.c_str()) != 0) return Usage(("cannot change to folder " + dir).c_str());

  THeadlessBackend* backend = InstallHeadlessBackend(screen);
  if (seed) SetRandomizeSeed(*seed);
  try {
    StartUnits();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sortarium-script: %s\n", e.what());
    StopUnits();
    return 1;
  }
  int exitCode = 0;
  try {
    TForm1* form = CreateMainWindow();
    ApplySkinOptions(*form->sSkinManager1, skin);
    form->SetSpeedExponent(speed);
    form->SetFollowListing(followListing);
    Application->ShowMainForm();
    Application->ProcessMessages();
    TScriptRunner runner(form, backend, std::cout);
    runner.SetOutputFolder(startFolder);
    if (trace) runner.EnableTrace();
    runner.SetRecordScale(scale);
    std::istream& in = scriptPath == "-" ? std::cin : file;
    std::string line;
    int n = 0;
    while (std::getline(in, line)) {
      ++n;
      try {
        runner.Execute(line, n);
      } catch (const TScriptError& e) {
        std::fprintf(stderr, "sortarium-script: line %d: %s\n", n, e.what());
        exitCode = 1;
        break;
      }
      if (Application->Terminated()) break;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sortarium-script: %s\n", e.what());
    exitCode = 1;
  }
  std::cout.flush();
  StopUnits();
  return exitCode;
}
