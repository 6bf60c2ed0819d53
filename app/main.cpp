// Сортарий: a trainer for selection sort.
#include <sortarium/BuildInfo.h>

#include <cstdio>

#include "app/CommandLine.h"
#include "app/ProgramStart.h"
#include "app/Startup.h"
#include "framework/components/Application.h"

int main(int argc, char** argv) {
  TCommandLine options;
  try {
    options = ParseCommandLine(argc, argv);
  } catch (const TCommandLineError& e) {
    std::fprintf(stderr, "sortarium: %s\nTry 'sortarium --help' for the options.\n", e.what());
    return 2;
  }
  if (options.Help) {
    std::fputs(CommandLineHelp().c_str(), stdout);
    return 0;
  }
  if (options.Version) {
    std::printf("sortarium %s\n", SORTARIUM_VERSION);
    return 0;
  }
  if (!StartProgram(options, "sortarium")) return 1;
  Application->Run();
  StopUnits();
  return 0;
}
