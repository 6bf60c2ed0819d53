// Plays a script against the real program on the headless backend: input
// commands, waits on the virtual clock, state dumps and snapshots.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class TForm1;
class THeadlessBackend;
class TControl;
class TRecorder;

// A script line that cannot be carried out; the driver reports it and exits
// with a non-zero code.
class TScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TScriptRunner {
 public:
  TScriptRunner(TForm1* form, THeadlessBackend* backend, std::ostream& out);
  // Finishes a recording the script left running.
  ~TScriptRunner();

  // Relative snapshot names are taken from this folder (where the driver
  // was started), not from the listing folder it runs in.
  void SetOutputFolder(const std::string& folder) { outputFolder_ = folder; }
  // Recordings shrink the window this many times (1: full size).
  void SetRecordScale(int scale) { recordScale_ = scale; }
  // Follows every cell change and every cell repaint with one JSON line.
  void EnableTrace();
  // Runs one line; blank lines and comments do nothing.
  void Execute(const std::string& line, int lineNumber);
  void Run(std::istream& script);

 private:
  std::vector<std::string> Split(const std::string& line) const;
  void ExecuteLine(const std::vector<std::string>& words);
  // Input commands inject into the queue; `pump` processes it at once.
  bool ExecuteInput(const std::vector<std::string>& words, bool pump);
  void Wait(uint64_t ms);
  void Pump();

  TControl* FindControl(const std::string& name) const;
  // A point inside the visible part of the control, in window coordinates.
  struct Point {
    int X, Y;
  };
  Point CentreOf(TControl* control) const;
  void MouseAt(Point p, int button, bool down);
  // Moves there, presses and releases.
  void ClickAt(Point p, int button);
  void Key(const std::string& keys);

  std::string Dump() const;
  std::string Teacher() const;
  std::string DumpSkin(const std::string& section) const;
  void Snapshot(const std::string& file) const;
  std::string OutputPath(const std::string& file) const;
  // record FILE.gif MS, frames DIR MS, stop-record (Recorder.h).
  bool ExecuteRecording(const std::vector<std::string>& words);
  void Trace(const std::string& json) const;

  TForm1* form_;
  THeadlessBackend* backend_;
  std::ostream& out_;
  bool trace_ = false;
  int lineNumber_ = 0;
  std::string outputFolder_;
  int recordScale_ = 1;
  std::unique_ptr<TRecorder> recorder_;
  // Input scheduled by `at` that has not arrived yet.
  int pendingInputs_ = 0;
  // When a pause had to be lifted because nothing was left to lift it.
  std::optional<uint64_t> stalledAt_;
};
