#include "ui/Window1.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <memory>
#include <string>

#include "framework/Application.h"
#include "notes/threadClass.h"
#include "prefs/PreferenceGlobals.h"

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
  datasetChecks.fill(true);
  QObject::connect(&ControlAs<QPushButton>("PushButton1"), &QPushButton::clicked, this,
                   [this] { PushButton1_Action(); });
  QObject::connect(&ControlAs<QPushButton>("PushButton2"), &QPushButton::clicked, this,
                   [this] { removeAtomnote(); });
  scanTimer.setSingleShot(false);
  QObject::connect(&scanTimer, &QTimer::timeout, this, [this] { scanTimerAction(); });
}

void Window1::SetStatusText(const std::string& text) {
  ControlAs<QLabel>("ErrorStatic").setText(QString::fromStdString(text));
}

void Window1::SetInstallEnabled(bool enabled) { ControlAs<QPushButton>("PushButton1").setEnabled(enabled); }

void Window1::SetRemoveEnabled(bool enabled) { ControlAs<QPushButton>("PushButton2").setEnabled(enabled); }

void Window1::Event_Open() {
  scanTimer.stop();
  scanTimerAction();
  scanTimer.start(kScanPeriodMs);
}

void Window1::Event_Close() {
  storeDatasetPreferences();
  if (Application* application = Application::Instance()) application->Quit();
}

void Window1::PushButton1_Action() {
  quitASAP = false;
  storeDatasetPreferences();
  createFolders();
  if (!quitASAP) return;
  if (Application* application = Application::Instance()) application->Quit();
}

void Window1::storeDatasetPreferences() {
  for (const DatasetGroup& group : kDatasetGroups) {
    group.selection->clear();
    for (int row = group.firstRow; row <= group.LastRow(); ++row) {
      *group.selection += datasetChecks[static_cast<std::size_t>(row)] ? "1 " : "0 ";
    }
  }
}

void Window1::StartElementNotes(const FolderItem& elementFolder) {
  // The queued run holds the worker, so it needs no owner here.
  const auto worker = std::make_shared<threadClass>();
  worker->startItem = elementFolder;
  worker->Run();
}

class Window1& Window1() {
  static QPointer<class Window1> instance;
  if (instance.isNull()) instance = new class Window1();
  return *instance;
}
