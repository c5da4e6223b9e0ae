#pragma once

#include <string>

#include "framework/Application.h"
#include "framework/AtomnoteState.h"

// The application object: brings the program up and down.
class Atomnote : public Application {
 public:
  // Reads the system version once; below 10.3 says why and asks to quit.
  void checkOSversion();

  void setDefaultPreferences();
  void loadPreferences();
  void savePreferences();

 protected:
  // Version check, spelling table, preferences, element tables, in that order.
  void Event_Open() override;
  // Writes the preferences file.
  void Event_Close() override;
};

// The message shown before quitting on a system older than 10.3.
std::string OSVersionTooOldMessage();
