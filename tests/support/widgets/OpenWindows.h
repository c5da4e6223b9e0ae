#pragma once

#include <QApplication>
#include <QWidget>
#include <vector>

// The program's windows of one class that are shown now.
template <typename OwnWindow>
std::vector<OwnWindow*> ShownWindowsOf() {
  std::vector<OwnWindow*> shown;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* own = dynamic_cast<OwnWindow*>(window);
    if (own != nullptr && own->isVisible()) shown.push_back(own);
  }
  return shown;
}

// Closes every window the program shows and deletes those that delete themselves on closing,
// so the next test starts with none.
void CloseEveryWindow();
