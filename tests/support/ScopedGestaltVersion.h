#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/Gestalt.h"

// Two systems on either side of 10.4, where deleteAnything changes its method.
inline constexpr int32_t kTiger = 0x1049;    // 10.4.9: a folder goes in one operation
inline constexpr int32_t kPanther = 0x1039;  // 10.3.9: item by item

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
