#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <vector>

#include "support/widgets/WindowEvents.h"

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

// Shows the window its accessor gives, as the menus and buttons do, and waits until it can take
// input.
template <typename OwnWindow>
OwnWindow& ShowFromAccessor(OwnWindow& (*accessor)()) {
  OwnWindow& window = accessor();
  window.Show();
  EXPECT_TRUE(ShowAndWaitExposed(window));
  return window;
}

// Resizes the window to its smallest size, to a large one and back to its design size, and
// checks at each that the control keeps to its four edges but for an empty strip of stripHeight
// pixels along its bottom.
void ExpectKeepsToTheEdgesAboveAStrip(QWidget& window, const QWidget& control, int stripHeight);
