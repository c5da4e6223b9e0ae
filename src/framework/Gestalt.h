#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The system information call: Gestalt(selector, response) gives 0 (noErr) and sets the
// response on success, an error code otherwise. The host knows the selector "sysv" and answers
// as a system of version 10.4 or later; tests replace the answer.
using OSErr = int16_t;
inline constexpr OSErr noErr = 0;
inline constexpr OSErr gestaltUndefSelectorErr = -5551;

OSErr Gestalt(const std::string& selector, int32_t& response);

// Test seam: replaces the host's answer for every selector; an empty function restores it.
using GestaltFunction = std::function<OSErr(const std::string& selector, int32_t& response)>;
void SetGestaltForTesting(GestaltFunction function);
