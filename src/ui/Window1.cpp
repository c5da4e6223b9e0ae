#include "ui/Window1.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QString>

namespace {

QPushButton* MakeButton(QWidget* window, const char* name, const char* caption, QRect box) {
  auto* button = new QPushButton(QString(caption), window);
  button->setObjectName(name);
  button->setGeometry(box);
  button->setEnabled(false);  // until a scan finds exactly one iPod
  return button;
}

// The status line across the foot of the window. Plain text: a volume name shown in it is never
// read as markup.
QLabel* MakeErrorStatic(QWidget* window) {
  auto* label = new QLabel(
      QString(
          "Your iPod must be connected with disk mode enabled before you can install or remove Atomnote."),
      window);
  label->setObjectName("ErrorStatic");
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(20, 330, 560, 20);
  return label;
}

}  // namespace

Window1::Window1() {
  SetTitle("Atomnote Installer");
  resize(600, 360);
  MakeButton(this, "PushButton1", "Install Atomnote on iPod", QRect(360, 280, 220, 32));
  MakeButton(this, "PushButton2", "Remove Atomnote from iPod", QRect(20, 280, 220, 32));
  MakeErrorStatic(this);
  scanTimer.setSingleShot(false);
  QObject::connect(&scanTimer, &QTimer::timeout, this, [this] { scanTimerAction(); });
}

class Window1& Window1() {
  static QPointer<class Window1> instance;
  if (instance.isNull()) instance = new class Window1();
  return *instance;
}
