#include "install/widgets/ProgressWindowDisplay.h"

#include "install/widgets/ProgressWindow.h"

bool ProgressWindowDisplay::IsOpen() const { return progressWindowExists(); }

void ProgressWindowDisplay::Open(const std::string& title, const std::string& text) {
  progressWindow().displayTexts(title, text);
  progressWindow().Show();
  progressWindow().Refresh(true);
}

void ProgressWindowDisplay::SetMaximum(int maximum) { progressWindow().SetProgressMaximum(maximum); }

void ProgressWindowDisplay::SetValue(int value) { progressWindow().SetProgressValue(value); }

void ProgressWindowDisplay::Close() {
  // Asking for progressWindow() when there is none would open one.
  if (progressWindowExists()) progressWindow().Close();
}

void ProgressWindowDisplay::CloseIfInFront() { CloseProgressWindowIfInFront(); }
