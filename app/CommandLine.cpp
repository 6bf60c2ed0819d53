#include "app/CommandLine.h"

#include "app/Unit1.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

namespace {

struct TOption {
  const char* Name;
  const char* Value;  // the value's name in the help; nullptr for a flag
  const char* Help;
  // Takes the value into the command line; a flag gets an empty value.
  std::function<void(TCommandLine&, const std::string&)> Apply;
};

const std::vector<TOption>& Options() {
  static const std::vector<TOption> options = {
      {"--help", nullptr, "show this help and exit", [](TCommandLine& c, const std::string&) { c.Help = true; }},
      {"--version", nullptr, "show the version and exit",
       [](TCommandLine& c, const std::string&) { c.Version = true; }},
      {"--screen", "WxH", "lay the window out as on a screen of W x H pixels (a projector, a test)",
       [](TCommandLine& c, const std::string& v) {
         c.Screen = ParseScreenSize(v);
         if (!c.Screen) throw TCommandLineError("--screen takes WIDTHxHEIGHT, each from 100 to 8192, not '" + v + "'");
       }},
      {"--skin", "NAME", "show the skin NAME: a folder of the skins folder, or a skin stored in the program",
       [](TCommandLine& c, const std::string& v) {
         if (v.empty()) throw TCommandLineError("--skin needs a name");
         c.Skin.SkinName = v;
       }},
      {"--skins-dir", "DIR", "look for skin folders in DIR instead of Skins/ beside the program",
       [](TCommandLine& c, const std::string& v) {
         if (v.empty()) throw TCommandLineError("--skins-dir needs a folder");
         // Taken from where the user stands, before anything changes folder.
         c.Skin.SkinsDir = std::filesystem::absolute(v).lexically_normal().string();
       }},
      {"--speed", "F", "run the automatic sort F times as fast: 1/8, 1/4, 1/2, 1, 2, 4 or 8 (+ and - change it)",
       [](TCommandLine& c, const std::string& v) {
         const auto speed = ParseSpeed(v);
         if (!speed) throw TCommandLineError("--speed takes 1/8, 1/4, 1/2, 1, 2, 4 or 8, not '" + v + "'");
         c.Speed = *speed;
       }},
      {"--follow-listing", nullptr, "highlight the listing line the automatic sort runs (L switches it)",
       [](TCommandLine& c, const std::string&) { c.FollowListing = true; }},
  };
  return options;
}

}  // namespace

std::optional<TSize> ParseScreenSize(const std::string& text) {
  int w = 0, h = 0;
  char rest = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &w, &h, &rest) != 2) return std::nullopt;
  if (w < 100 || h < 100 || w > 8192 || h > 8192) return std::nullopt;
  return TSize{w, h};
}

std::optional<int> ParseSpeed(const std::string& text) {
  // Digits, at most one point or one slash: no signs, blanks, exponents or
  // words that a number reader would take too.
  if (text.empty() || text.size() > 16) return std::nullopt;
  if (text.find_first_not_of("0123456789./") != std::string::npos) return std::nullopt;
  double value = 0;
  if (const auto slash = text.find('/'); slash != std::string::npos) {
    const std::string top = text.substr(0, slash), bottom = text.substr(slash + 1);
    if (top.empty() || bottom.empty() || top.find_first_not_of("0123456789") != std::string::npos ||
        bottom.find_first_not_of("0123456789") != std::string::npos)
      return std::nullopt;
    const double b = std::stod(bottom);
    if (b == 0) return std::nullopt;
    value = std::stod(top) / b;
  } else {
    if (std::count(text.begin(), text.end(), '.') > 1 || text == ".") return std::nullopt;
    value = std::stod(text);
  }
  // Powers of two down to 1/8 are exact in a double, so equality is safe.
  for (int e = -3; e <= 3; ++e)
    if (value == std::ldexp(1.0, e)) return e;
  return std::nullopt;
}

std::string SpeedName(int exponent) {
  if (exponent >= 0) return std::to_string(1 << exponent);
  return "1/" + std::to_string(1 << -exponent);
}

TCommandLine ParseCommandLine(int argc, const char* const* argv) {
  TCommandLine result;
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i], value;
    bool valueGiven = false;
    if (const auto eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = word.substr(eq + 1);
      word.erase(eq);
      valueGiven = true;
    }
    const TOption* option = nullptr;
    for (const TOption& o : Options())
      if (word == o.Name) option = &o;
    if (!option) {
      if (word.rfind("-", 0) == 0) throw TCommandLineError("unknown option '" + word + "'");
      // The listing is always read from the current folder; a file name here
      // would be silently ignored, so it is refused instead.
      throw TCommandLineError("unexpected argument '" + word + "'");
    }
    if (!option->Value && valueGiven) throw TCommandLineError(word + " takes no value");
    if (option->Value && !valueGiven) {
      if (i + 1 >= argc) throw TCommandLineError(word + " needs a value (" + option->Value + ")");
      value = argv[++i];
    }
    option->Apply(result, value);
  }
  return result;
}

void ApplyCommandLine(TForm1& form, const TCommandLine& options) {
  ApplySkinOptions(*form.sSkinManager1, options.Skin);
  form.SetSpeedExponent(options.Speed);
  form.SetFollowListing(options.FollowListing);
}

std::string CommandLineHelp() {
  std::string text =
      "Usage: sortarium [OPTION]...\n"
      "Сортарий, a trainer for selection sort. The listings (возрастание.txt,\n"
      "убывание.txt) are read from the current folder.\n\nOptions:\n";
  for (const TOption& o : Options()) {
    std::string left = std::string("  ") + o.Name + (o.Value ? std::string(" ") + o.Value : "");
    if (left.size() < 22) left.resize(22, ' ');
    else left += "  ";
    text += left + o.Help + "\n";
  }
  return text;
}
