#include <cstdint>

#include "app/AppMessages.h"
#include "app/Atomnote.h"
#include "framework/Gestalt.h"
#include "framework/MessageSink.h"

namespace {

// One step of the version check: when the system version passes the test, it counts as the
// step's version. Later steps override earlier ones.
struct VersionStep {
  int32_t bound;
  bool atMost;  // the test is "at most bound" rather than "at least bound"
  double version;
};

constexpr VersionStep kVersionSteps[] = {
    {0x700, true, 6.0},    {0x700, false, 7.0},   {0x800, false, 8.0},
    {0x900, false, 9.0},   {0x1000, false, 10.0}, {0x1000, false, 10.1},
    {0x1020, false, 10.2}, {0x1030, false, 10.3}, {0x1040, false, 10.4},
};

constexpr double kUnknownVersion = 10.1;
constexpr double kOldestSupportedVersion = 10.3;

bool Passes(const VersionStep& step, int32_t systemVersion) {
  return step.atMost ? systemVersion <= step.bound : systemVersion >= step.bound;
}

}  // namespace

void Atomnote::checkOSversion() {
  double version = kUnknownVersion;
  for (const VersionStep& step : kVersionSteps) {
    // Each step asks afresh; a failed call leaves the version as it was.
    int32_t systemVersion = 0;
    if (Gestalt("sysv", systemVersion) == noErr && Passes(step, systemVersion)) version = step.version;
  }
  if (version < kOldestSupportedVersion) {
    MsgBox(OSVersionTooOldMessage(), kCautionIcon, "Error");
    Quit(0);
  }
  App().globalMacOSVersion = version;
}
