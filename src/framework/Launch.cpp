#include "framework/Launch.h"

#include <QFile>
#include <QProcess>
#include <QString>

// The program runs as a process of its own, never through a shell. Bringing it to the front
// (activate) has no meaning here: the programs launched are helpers without windows, and a
// desktop gives focus to a new window by itself.
bool Launch(const FolderItem& program, bool activate) {
  static_cast<void>(activate);
  const QString path = QFile::decodeName(program.ShellPath().c_str());
  return QProcess::startDetached(path, QStringList());
}
