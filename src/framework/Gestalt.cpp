#include "framework/Gestalt.h"

namespace {

// The host is taken to be at least the newest system the installer distinguishes.
constexpr int32_t kHostSystemVersion = 0x1049;

GestaltFunction& Override() {
  static GestaltFunction function;
  return function;
}

}  // namespace

OSErr Gestalt(const std::string& selector, int32_t& response) {
  if (Override()) return Override()(selector, response);
  if (selector != "sysv") return gestaltUndefSelectorErr;
  response = kHostSystemVersion;
  return noErr;
}

void SetGestaltForTesting(GestaltFunction function) { Override() = std::move(function); }
