#include "framework/Launch.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <utility>

namespace {

LaunchObserver& Observer() {
  static LaunchObserver observer;
  return observer;
}

}  // namespace

// The program runs as a process of its own, never through a shell. Bringing it to the front
// (activate) has no meaning here: the programs launched are helpers without windows, and a
// desktop gives focus to a new window by itself.
bool Launch(const FolderItem& program, bool activate) {
  static_cast<void>(activate);
  const QString path = QFile::decodeName(program.ShellPath().c_str());
  if (!QProcess::startDetached(path, QStringList())) return false;
  if (Observer()) Observer()(program);
  return true;
}

void SetLaunchObserverForTesting(LaunchObserver observer) { Observer() = std::move(observer); }
