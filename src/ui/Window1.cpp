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

// The Install and Remove buttons take clicks once a scan finds exactly one iPod. The status line
// is plain text: a volume name shown in it is never read as markup.
// clang-format off
const ControlRow kControls[] = {
    // name          kind                     left  top  width height caption
    {"PushButton1", ControlKind::PushButton,   360, 280, 220, 32, "Install Atomnote on iPod",  {.enabled = false}},
    {"PushButton2", ControlKind::PushButton,    20, 280, 220, 32, "Remove Atomnote from iPod", {.enabled = false}},
    {"ErrorStatic", ControlKind::StaticText,    20, 330, 560, 20,
     "Your iPod must be connected with disk mode enabled before you can install or remove Atomnote."},
};
// clang-format on

}  // namespace

Window1::Window1() {
  SetTitle("Atomnote Installer");
  resize(600, 360);
  CreateControls(kControls);
  datasetChecks.fill(true);
  ConnectHandlers();
}

void Window1::ConnectHandlers() {
  QObject::connect(&PushButton1(), &QPushButton::clicked, this, [this] { PushButton1_Action(); });
  QObject::connect(&PushButton2(), &QPushButton::clicked, this, [this] { removeAtomnote(); });
  scanTimer.setSingleShot(false);
  QObject::connect(&scanTimer, &QTimer::timeout, this, [this] { scanTimerAction(); });
}

QPushButton& Window1::PushButton1() const { return ControlAs<QPushButton>("PushButton1"); }

QPushButton& Window1::PushButton2() const { return ControlAs<QPushButton>("PushButton2"); }

QLabel& Window1::ErrorStatic() const { return ControlAs<QLabel>("ErrorStatic"); }

void Window1::SetStatusText(const std::string& text) { ErrorStatic().setText(QString::fromStdString(text)); }

void Window1::SetInstallEnabled(bool enabled) { PushButton1().setEnabled(enabled); }

void Window1::SetRemoveEnabled(bool enabled) { PushButton2().setEnabled(enabled); }

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

void Window1::StartElementNotes(const FolderItem& elementFolder, iPodLock lock) {
  // The queued run holds the worker, so it needs no owner here.
  const auto worker = std::make_shared<threadClass>();
  worker->startItem = elementFolder;
  worker->installLock = std::move(lock);
  worker->Run();
}

class Window1& Window1() {
  static QPointer<class Window1> instance;
  if (instance.isNull()) instance = new class Window1();
  return *instance;
}
