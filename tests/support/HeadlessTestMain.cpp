// The main of the test programs. A program must install its backend before
// anything reads the clock or makes a window; tests start on the headless
// one, and fixtures that need another screen size install their own.
#include <gtest/gtest.h>

#include "framework/backend/headless/HeadlessBackend.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  InstallHeadlessBackend();
  return RUN_ALL_TESTS();
}
