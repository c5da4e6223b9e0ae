#pragma once

// The application object's shared state, readable from every layer without depending on the
// application itself.
struct AtomnoteState {
  // The running system version reduced to 6.0 ... 10.4; every version gate reads it.
  double globalMacOSVersion = 0.0;
  // True while the main window is inactive.
  bool disabledWIndow = false;
};

inline AtomnoteState& App() {
  static AtomnoteState state;
  return state;
}
