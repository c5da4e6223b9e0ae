#pragma once

#include "install/ProgressDisplay.h"

// The progress of installs and removals shown in the progress window.
class ProgressWindowDisplay : public ProgressDisplay {
 public:
  bool IsOpen() const override;
  void Open(const std::string& title, const std::string& text) override;
  void SetMaximum(int maximum) override;
  void SetValue(int value) override;
  void Close() override;
  void CloseIfInFront() override;
};
