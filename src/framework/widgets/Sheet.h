#pragma once

#include <QPointer>

#include "framework/widgets/Window.h"

class QCloseEvent;

// A window shown attached to another window and modal to it: the other window takes no input
// until the sheet is dismissed. A sheet has no close box and only its own code closes it (Close),
// so neither the windowing system's close nor the program's closing of the front window can
// take it away while the person is still choosing. Quitting the program takes it down with its
// window (CloseForQuit).
class Sheet : public Window {
 public:
  Sheet();

  // Attaches the sheet to parent's window, modal to it, at the window's top edge and centred
  // across it, and shows it; the sheet moves with the window while it is shown. Returns at once:
  // what follows the showing waits for nothing.
  void ShowModalWithin(QWidget& parent);
  // Hides the sheet and runs its Close event.
  void Close();
  // Quitting takes the sheet down with its window, whatever it shows: it closes as Close does.
  bool CloseForQuit() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Keeps the sheet in its place when its window moves or changes size.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // At the top edge of its window, centred across it.
  void PlaceOnWindow();

  bool closing_ = false;
  QPointer<QWidget> owner_;
};
