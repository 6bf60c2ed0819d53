// The trainer's command line. Options live in one table (CommandLine.cpp):
// a new option is one row there and one field here, and --help is written
// from the same rows, so the help never forgets an option.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "app/Startup.h"
#include "framework/base/Types.h"

class TForm1;

struct TCommandLine {
  bool Help = false;
  bool Version = false;
  // Open the window as on a screen of this size (projectors, testing).
  std::optional<TSize> Screen;
  // The skin and the folder of skins to take it from.
  TSkinOptions Skin;
  // The automatic sort's speed as a power of two (0: its own pace) and
  // whether it highlights the listing line that runs.
  int Speed = 0;
  bool FollowListing = false;
};

// A command line the program cannot follow; main() says so and exits with 2.
class TCommandLineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads argv[1..]; options take their value as the next word or after '='.
TCommandLine ParseCommandLine(int argc, const char* const* argv);
// What the options ask of the main window once it is made: its skin, the
// sort's speed, the listing following the sort. Throws what the skin's
// activation throws.
void ApplyCommandLine(TForm1& form, const TCommandLine& options);
// The usage text --help prints, one line per option of the table.
std::string CommandLineHelp();
// "WIDTHxHEIGHT", each side from 100 to 8192; nullopt for anything else.
std::optional<TSize> ParseScreenSize(const std::string& text);
// A speed factor from 1/8 to 8 in steps of two ("2", "0.5", "1/2"), as
// its power of two; nullopt for anything else.
std::optional<int> ParseSpeed(const std::string& text);
// The factor of a power of two as a person writes it: "1/8" … "1" … "8".
std::string SpeedName(int exponent);
