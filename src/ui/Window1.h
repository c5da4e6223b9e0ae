#pragma once

#include <QTimer>

#include "install/InstallerWindow.h"

class QLabel;
class QPushButton;

// The installer's main window. It holds the installation methods (from InstallerWindow) and,
// for now, the controls they touch: the Install and Remove buttons and the status line. Its
// Open event (which starts the scan timer) and its full layout are added later.
class Window1 : public InstallerWindow {
 public:
  Window1();

  // Scans for iPods on every tick (scanTimerAction). Created switched off; the window's Open
  // starts it.
  QTimer scanTimer;
};

// The main window's one instance, created with all its controls on the first call.
class Window1& Window1();
