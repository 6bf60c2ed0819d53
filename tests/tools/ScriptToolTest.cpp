// The headless driver from the command line, as demos and reviews use it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <cctype>
#include <string>
#include <vector>

namespace {

struct RunResult {
  int exitCode = -1;
  std::vector<std::string> lines;  // standard output
  std::string errors;              // standard error
};

RunResult RunScript(const std::string& script, const std::string& options = "--seed 7",
                    const std::string& dir = SORTARIUM_LISTINGS_DIR) {
  namespace fs = std::filesystem;
  const fs::path tmp = fs::temp_directory_path() / ("sortarium-script-test-" + std::to_string(::getpid()));
  fs::create_directories(tmp);
  std::ofstream(tmp / "script.txt") << script;
  const std::string cmd = std::string(SORTARIUM_SCRIPT_BIN) + " " + options + " --dir '" + dir + "' '" +
                          (tmp / "script.txt").string() + "' 2>'" + (tmp / "err.txt").string() + "'";
  RunResult r;
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::string line;
  for (int c; (c = fgetc(p)) != EOF;) {
    if (c == '\n') {
      r.lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(c);
    }
  }
  const int status = pclose(p);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(tmp / "err.txt");
  r.errors.assign(std::istreambuf_iterator<char>(err), {});
  fs::remove_all(tmp);
  return r;
}

bool Has(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

struct Box {
  int left = 0, top = 0, width = 0, height = 0;
};

// The first `count` integers that follow `key` in a dump (fewer when the
// dump ends first).
std::vector<long long> NumbersAfter(const std::string& dump, const std::string& key, size_t count) {
  std::vector<long long> numbers;
  size_t at = dump.find(key);
  if (at == std::string::npos) return numbers;
  at += key.size();
  while (numbers.size() < count && at < dump.size()) {
    const bool negative = dump[at] == '-' && at + 1 < dump.size() && std::isdigit(static_cast<unsigned char>(dump[at + 1]));
    if (!negative && !std::isdigit(static_cast<unsigned char>(dump[at]))) {
      ++at;
      continue;
    }
    size_t used = 0;
    numbers.push_back(std::stoll(dump.substr(at), &used));
    at += used;
  }
  return numbers;
}

// The first "[l,t,w,h]" that follows `key` in a dump.
Box BoxAfter(const std::string& dump, const std::string& key) {
  const std::vector<long long> n = NumbersAfter(dump, key, 4);
  if (n.size() < 4) return {};
  return {static_cast<int>(n[0]), static_cast<int>(n[1]), static_cast<int>(n[2]), static_cast<int>(n[3])};
}

// The window's screen rectangle from a dump's "window".
Box WindowOf(const std::string& dump) { return BoxAfter(dump, "\"window\":{"); }

long long IntAfter(const std::string& dump, const std::string& key) {
  const std::vector<long long> n = NumbersAfter(dump, key + ":", 1);
  return n.empty() ? -1 : n[0];
}

// The text of a string field.
std::string TextAfter(const std::string& dump, const std::string& key) {
  const size_t at = dump.find(key + ":\"");
  if (at == std::string::npos) return {};
  const size_t from = at + key.size() + 2;
  return dump.substr(from, dump.find('"', from) - from);
}

TEST(ScriptToolTest, DumpReportsTheWindowForTheScreenSize) {
  const RunResult r = RunScript("dump\n", "--seed 7 --screen 1366x768");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  ASSERT_EQ(r.lines.size(), 1u);
  const std::string& d = r.lines[0];
  EXPECT_TRUE(Has(d, "\"StaticText10\":[1233,0,137,113]")) << d;
  EXPECT_TRUE(Has(d, "\"fontHeight\":86"));
  EXPECT_TRUE(Has(d, "\"sText1\":[176,112,1173,655]"));
  EXPECT_TRUE(Has(d, "\"manualMode\":true"));
  EXPECT_TRUE(Has(d, "\"sBitBtn4\":false"));
  EXPECT_TRUE(Has(d, "\"color\":\"#D4D0C8\""));
}

TEST(ScriptToolTest, SameSeedSameRowOtherSeedOtherRow) {
  auto values = [](const RunResult& r) { return r.lines.empty() ? "" : r.lines[0].substr(0, r.lines[0].find("\"cells\"")); };
  const RunResult a = RunScript("dump\n", "--seed 1"), b = RunScript("dump\n", "--seed 1"), c = RunScript("dump\n", "--seed 2");
  EXPECT_EQ(values(a), values(b));
  EXPECT_NE(values(a), values(c));
}

TEST(ScriptToolTest, TraceShowsTheYellowMarkOneStepLate) {
  const RunResult r = RunScript(
      "values 11 12 13 14 15 16 17 18 19 20\nclick sBitBtn2\nvalues 11 12 13 14 15 16 17 18 19 20\n"
      "click sBitBtn4\ndump\n",
      "--seed 7 --trace");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  // Find the sort's first events: cell 2 turns yellow, is painted yellow 600 ms later.
  size_t first = r.lines.size();
  for (size_t i = 0; i < r.lines.size(); ++i)
    if (Has(r.lines[i], "\"ev\":\"color\",\"cell\":2,\"color\":\"#FFFF00\"")) {
      first = i;
      break;
    }
  ASSERT_LT(first + 1, r.lines.size());
  const std::string start = r.lines[first].substr(0, r.lines[first].find(','));  // {"t":T
  const long t0 = std::stol(start.substr(5));
  bool paintedLate = false;
  for (size_t i = first; i < r.lines.size(); ++i)
    if (Has(r.lines[i], "\"ev\":\"paint\",\"cell\":2,\"color\":\"#FFFF00\"")) {
      paintedLate = Has(r.lines[i], "{\"t\":" + std::to_string(t0 + 600) + ",");
      break;
    }
  EXPECT_TRUE(paintedLate) << "the yellow cell is drawn at the pump after its own pause";
  const std::string& dump = r.lines.back();
  EXPECT_TRUE(Has(dump, "\"time\":" + std::to_string(t0 + 27000) + ",")) << dump;
}

TEST(ScriptToolTest, MissingListingIsShownInAMessageBox) {
  namespace fs = std::filesystem;
  const fs::path empty = fs::temp_directory_path() / ("sortarium-empty-" + std::to_string(::getpid()));
  fs::create_directories(empty);
  const RunResult r = RunScript("click sBitBtn2\ndump\n", "--seed 7", empty.string());
  fs::remove_all(empty);
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  ASSERT_FALSE(r.lines.empty());
  EXPECT_TRUE(Has(r.lines.back(),
                  "\"messageBoxes\":[{\"caption\":\"Сортарий\",\"text\":\"Cannot open file возрастание.txt.\"}]"))
      << r.lines.back();
  EXPECT_TRUE(Has(r.lines.back(), "\"sBitBtn4\":false"));
}

TEST(ScriptToolTest, InputDuringTheSortArrivesAtItsTime) {
  const RunResult r = RunScript(
      "click sBitBtn2\nvalues 11 12 13 14 15 16 17 18 19 20\nat 1000 select sRadioGroup 1\nclick sBitBtn4\ndump\n");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  EXPECT_TRUE(Has(r.lines.back(), "\"values\":[20,19,18,17,16,15,14,13,12,11]")) << r.lines.back();
  EXPECT_TRUE(Has(r.lines.back(), "\"order\":1"));
}

// The teacher's keys from a script: given before the sort with `at`, they
// pause it (held at 2 s), step it, change its speed and mark the listing;
// dump reports all of it with the marked line numbered from 1. A pause
// that nothing is left to lift is let go, and the line fails saying so.
TEST(ScriptToolTest, TeacherKeysPauseStepAndShowInTheDump) {
  const RunResult r = RunScript(
      "click sBitBtn2\nvalues 11 12 13 14 15 16 17 18 19 20\nkey l\nkey plus\nkey minus\nkey minus\n"
      "at 1000 key p\nat 2000 dump\nat 3000 key n\nat 4000 dump\nat 5000 key pause\nclick sBitBtn4\ndump\n",
      "--seed 7 --speed 2");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  ASSERT_EQ(r.lines.size(), 3u);
  EXPECT_TRUE(Has(r.lines[0], "\"teacher\":{\"sorting\":true,\"paused\":true,\"speed\":\"1\",\"followListing\":true,"
                              "\"runningLines\":[15],\"indicator\":\"Пауза\"}"))
      << r.lines[0];
  EXPECT_TRUE(Has(r.lines[0], "\"color\":\"#FFFF00\"")) << "held yellow";
  EXPECT_EQ(IntAfter(r.lines[1], "\"time\""), 4000);
  EXPECT_TRUE(Has(r.lines[1], "\"paused\":true")) << r.lines[1];
  EXPECT_EQ(IntAfter(r.lines.back(), "\"time\""), 27000 + (3000 - 1200) + (5000 - 3600))
      << "held from 1200 to 3000 ms, stepped one comparison, held again until 5000 ms";
  EXPECT_TRUE(Has(r.lines.back(), "\"teacher\":{\"sorting\":false,\"paused\":false,\"speed\":\"1\"")) << r.lines.back();

  const RunResult stalled = RunScript("click sBitBtn2\nvalues 11 12 13 14 15 16 17 18 19 20\nat 1000 key p\nclick sBitBtn4\ndump\n");
  EXPECT_EQ(stalled.exitCode, 1);
  EXPECT_TRUE(Has(stalled.errors, "line 4: the sort was paused at 1200 ms with no 'at' input left")) << stalled.errors;
  EXPECT_TRUE(stalled.lines.empty());
  EXPECT_NE(RunScript("dump\n", "--speed 3").exitCode, 0);
}

TEST(ScriptToolTest, MistakesFailWithAClearMessage) {
  struct Case {
    const char* script;
    const char* message;
  } cases[] = {
      {"jump\n", "line 1: unknown command 'jump'"},
      {"dump\nclick NoSuchButton\n", "line 2: no control named 'NoSuchButton'"},
      {"wait soon\n", "line 1: 'soon' is not a number"},
      {"key hyper\n", "line 1: unknown key 'hyper'"},
      {"values 1 2 3\n", "line 1: usage: values V1 ... V10"},
      {"dump-skin button\n", "line 1: no section button in skin NextKavra (internal)"},
  };
  for (const auto& c : cases) {
    const RunResult r = RunScript(c.script);
    EXPECT_NE(r.exitCode, 0) << c.script;
    EXPECT_TRUE(Has(r.errors, c.message)) << r.errors;
  }
}

TEST(ScriptToolTest, DumpSkinReportsTheActiveSkinAndASection) {
  const RunResult r = RunScript("dump-skin\ndump-skin BUTTON\n");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  ASSERT_EQ(r.lines.size(), 2u);
  // The wanted "NextKavra" has no folder, so the stored skin took its place.
  const std::string& all = r.lines[0];
  EXPECT_TRUE(Has(all, "\"skinName\":\"NextKavra (internal)\",\"skinInfo\":\"5\",\"active\":true")) << all;
  EXPECT_TRUE(Has(all, "\"sections\":62,\"masks\":81,\"patterns\":0,\"masterBitmap\":[210,300]"));
  EXPECT_TRUE(Has(all, "\"cachedIndexes\":{\"globalInfo\":0,"));
  // The skin has no RADIOGRAYED glyph.
  EXPECT_TRUE(Has(all, "\"checkGlyphs\":[9,10,11,7,8,-1,12,13,14]"));
  const std::string& button = r.lines[1];
  EXPECT_TRUE(Has(button, "\"gradient\":[[16777215,11237449,99,0],[11237449,11237449,0,0]]")) << button;
  EXPECT_TRUE(Has(button, "\"fontColor\":[5454116,-1,-1,-1,-1]"));
  EXPECT_TRUE(Has(button, "\"propertyName\":\"BORDERSMASK\",\"ownBitmap\":false,\"rect\":[0,0,81,54]"));
  EXPECT_TRUE(Has(button, "\"widths\":[9,9,9,9]"));
}

// The frame as the provider paints it: both caption buttons touching inside
// the right border, the hovered one hot, the caption whole on a wide window
// and shortened with "..." on a narrow one, corners cut from the shape.
TEST(ScriptToolTest, DumpReportsTheSkinnedFrame) {
  const RunResult r = RunScript("dump\n", "--seed 7 --screen 1024x768");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  ASSERT_EQ(r.lines.size(), 1u);
  const std::string& d = r.lines[0];
  const Box window = WindowOf(d);
  EXPECT_TRUE(Has(d, "\"frame\":{\"skinned\":true,\"titleBand\":")) << d;
  const int band = IntAfter(d, "\"titleBand\"");
  const Box close = BoxAfter(d, "\"close\":{\"rect\"");
  const Box minimize = BoxAfter(d, "\"minimize\":{\"rect\"");
  EXPECT_GT(band, 16);
  EXPECT_EQ(close.width, 17);
  EXPECT_EQ(close.height, 16);
  EXPECT_EQ(minimize.left + minimize.width, close.left) << "the buttons touch";
  EXPECT_EQ(minimize.top, close.top);
  EXPECT_GT(close.left + close.width, window.width - 10) << "close stands at the right end";
  EXPECT_LT(close.left + close.width, window.width);
  EXPECT_LE(close.top + close.height, band);
  EXPECT_FALSE(Has(d, "\"maximize\"")) << "the window has no maximize button";
  EXPECT_TRUE(Has(d, "\"state\":\"normal\"},\"minimize\":{"));
  EXPECT_TRUE(Has(d, "\"caption\":\"Сортарий\""));
  EXPECT_GT(IntAfter(d, "\"shapeRuns\""), 0) << "the rounded corners are cut from the shape";

  // The mouse over the close button makes it hot, and only it.
  const RunResult hover = RunScript("move-at " + std::to_string(window.left + close.left + 3) + " " +
                                    std::to_string(window.top + close.top + 3) + "\ndump\n");
  ASSERT_EQ(hover.exitCode, 0) << hover.errors;
  const std::string& h = hover.lines.at(0);
  EXPECT_TRUE(Has(h, "\"state\":\"hot\"},\"minimize\"")) << h;
  EXPECT_TRUE(Has(h, "\"minimize\":{\"rect\":" + std::string("[") + std::to_string(minimize.left) + "," +
                         std::to_string(minimize.top) + ",17,16],\"state\":\"normal\"}"))
      << h;

  const RunResult narrow = RunScript("dump\n", "--seed 7 --screen 100x300");
  ASSERT_EQ(narrow.exitCode, 0) << narrow.errors;
  const std::string nd = narrow.lines.at(0);
  const std::string caption = TextAfter(nd, "\"caption\"");
  ASSERT_GE(caption.size(), 3u);
  EXPECT_EQ(caption.substr(caption.size() - 3), "...") << caption;
  EXPECT_EQ(std::string("Сортарий").rfind(caption.substr(0, caption.size() - 3), 0), 0u) << caption;
}

// click-at on the caption buttons, in screen coordinates, does what a click
// on the real window does: minimize (and "restore" gives the window back),
// and close, which ends the script at once with exit code 0 and everything
// printed so far, also when the click arrives in the middle of a wait.
TEST(ScriptToolTest, ClickAtCaptionButtonsMinimizesAndCloses) {
  const RunResult layout = RunScript("dump\n");
  ASSERT_EQ(layout.exitCode, 0) << layout.errors;
  const std::string& d = layout.lines.at(0);
  const Box window = WindowOf(d);
  const Box close = BoxAfter(d, "\"close\":{\"rect\"");
  const Box minimize = BoxAfter(d, "\"minimize\":{\"rect\"");
  ASSERT_GT(close.width, 0) << d;
  auto at = [&](const Box& b) {
    return std::to_string(window.left + b.left + b.width / 2) + " " + std::to_string(window.top + b.top + b.height / 2);
  };

  const RunResult r = RunScript("click-at " + at(minimize) + "\ndump\nrestore\ndump\nclick-at " + at(close) +
                                "\ndump\nclick NoSuchButton\n");
  EXPECT_EQ(r.exitCode, 0) << r.errors;
  EXPECT_EQ(r.errors, "");
  ASSERT_EQ(r.lines.size(), 2u) << "nothing after the close runs";
  EXPECT_TRUE(Has(r.lines[0], "\"state\":\"minimized\"")) << r.lines[0];
  EXPECT_TRUE(Has(r.lines[1], "\"state\":\"normal\"")) << r.lines[1];

  const RunResult later = RunScript("dump\nat 500 click-at " + at(close) + "\nwait 2000\ndump\n");
  EXPECT_EQ(later.exitCode, 0) << later.errors;
  ASSERT_EQ(later.lines.size(), 1u) << "the wait ends with the window";

  // Beside the buttons the caption does nothing on a click.
  const RunResult caption = RunScript("click-at " + std::to_string(window.left + window.width / 2) + " " +
                                      std::to_string(window.top + close.top + 2) + "\ndump\n");
  EXPECT_EQ(caption.exitCode, 0) << caption.errors;
  ASSERT_EQ(caption.lines.size(), 1u);
  EXPECT_TRUE(Has(caption.lines[0], "\"state\":\"normal\"")) << caption.lines[0];
}

TEST(ScriptToolTest, SnapshotWritesAPng) {
  namespace fs = std::filesystem;
  const fs::path png = fs::temp_directory_path() / ("sortarium-snap-" + std::to_string(::getpid()) + ".png");
  const RunResult r = RunScript("snapshot " + png.string() + "\n");
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  std::ifstream f(png, std::ios::binary);
  char magic[8] = {};
  f.read(magic, 8);
  EXPECT_EQ(std::string(magic + 1, 3), "PNG");
  fs::remove(png);
}

}  // namespace

// One virtual hour of fills and automatic sorts: what the program holds
// after the first sort is what it holds at the end, windows, timers and
// device contexts exactly, the heap within a few pages.
TEST(ScriptToolTest, AnHourOfSortsLeavesNothingBehind) {
  // Each dump waits a second for the buttons' fades to end.
  std::string script = "click sBitBtn2\nclick sBitBtn4\nwait 1000\ndump\n";
  // A sort of ten numbers takes half a minute or more of virtual time.
  for (int i = 0; i < 110; ++i) script += "click sBitBtn2\nclick sBitBtn4\nclick sBitBtn1\n";
  script += "wait 1000\ndump\n";
  const RunResult r = RunScript(script);
  ASSERT_EQ(r.exitCode, 0) << r.errors;
  ASSERT_EQ(r.lines.size(), 2u);
  const std::string& first = r.lines[0];
  const std::string& last = r.lines[1];
  EXPECT_GE(IntAfter(last, "\"time\"") - IntAfter(first, "\"time\""), 3600000) << "a whole hour went by";
  for (const char* key : {"windows", "timers", "deviceContexts"})
    EXPECT_EQ(IntAfter(last, "\"" + std::string(key) + "\""), IntAfter(first, "\"" + std::string(key) + "\"")) << key;
  EXPECT_LE(IntAfter(last, "\"heapBytes\"") - IntAfter(first, "\"heapBytes\""), 64 * 1024) << "the heap grew";
}
