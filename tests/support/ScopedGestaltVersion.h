#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/Gestalt.h"

// Answers Gestalt("sysv") with the given version while it lives (nullopt: the selector fails).
class ScopedGestaltVersion {
 public:
  explicit ScopedGestaltVersion(std::optional<int32_t> version) {
    SetGestaltForTesting([version](const std::string& selector, int32_t& response) -> OSErr {
      if (selector != "sysv" || !version) return gestaltUndefSelectorErr;
      response = *version;
      return noErr;
    });
  }
  ~ScopedGestaltVersion() { SetGestaltForTesting(nullptr); }
  ScopedGestaltVersion(const ScopedGestaltVersion&) = delete;
  ScopedGestaltVersion& operator=(const ScopedGestaltVersion&) = delete;
};
