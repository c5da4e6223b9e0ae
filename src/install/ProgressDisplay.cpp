#include "install/ProgressDisplay.h"

#include <utility>

namespace {

// Shows nothing and never has a window open.
class NoProgressDisplay : public ProgressDisplay {
 public:
  bool IsOpen() const override { return false; }
  void Open(const std::string&, const std::string&) override {}
  void SetMaximum(int) override {}
  void SetValue(int) override {}
  void Close() override {}
  void CloseIfInFront() override {}
};

std::shared_ptr<ProgressDisplay>& DisplaySlot() {
  static std::shared_ptr<ProgressDisplay> display = std::make_shared<NoProgressDisplay>();
  return display;
}

}  // namespace

ProgressDisplay& CurrentProgressDisplay() { return *DisplaySlot(); }

std::shared_ptr<ProgressDisplay> SetProgressDisplay(std::shared_ptr<ProgressDisplay> display) {
  if (!display) display = std::make_shared<NoProgressDisplay>();
  std::swap(DisplaySlot(), display);
  return display;
}

void RecordingProgressDisplay::OpenInDesignState() {
  if (open) return;
  open = true;
  title = kDesignTitle;
  text = kDesignText;
  maximum = 0;
  value = -1;
}

void RecordingProgressDisplay::Open(const std::string& newTitle, const std::string& newText) {
  OpenInDesignState();
  title = newTitle;
  text = newText;
  shown.push_back(title + " | " + text);
}

void RecordingProgressDisplay::SetMaximum(int newMaximum) {
  OpenInDesignState();
  maximum = newMaximum;
}

void RecordingProgressDisplay::SetValue(int newValue) {
  OpenInDesignState();
  value = newValue;
  values.push_back(newValue);
  if (onValue) onValue(newValue);
}
