#include "install/Eject.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <cstring>
#include <string>

#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/Exceptions.h"
#include "framework/Launch.h"
#include "framework/MessageSink.h"
#include "framework/TextOutputStream.h"
#include "install/InstallMessages.h"
#include "install/ProgressDisplay.h"

namespace {

// Unmounting flushes what is still to be written to the iPod, which may take a while on a slow
// one; a helper still running after this long is stopped.
constexpr std::chrono::milliseconds kEjectTimeLimit = std::chrono::minutes(2);
constexpr int kStartTimeoutMs = 10000;
const char* const kHelperPrefix = "EjectIpod: ";

std::chrono::milliseconds& EjectTimeLimitForTesting() {
  static std::chrono::milliseconds limit{0};
  return limit;
}

// What the helper said on standard error, one line per reason, without its name in front; its
// exit code when it said nothing.
std::string HelperReason(QProcess& helper) {
  std::string reason;
  for (const QString& line : QString::fromLocal8Bit(helper.readAllStandardError()).split('\n')) {
    QString text = line.trimmed();
    if (text.startsWith(kHelperPrefix))
      text = text.mid(static_cast<int>(std::strlen(kHelperPrefix))).trimmed();
    if (text.isEmpty()) continue;
    if (!reason.empty()) reason += EndOfLine;
    reason += text.toStdString();
  }
  if (!reason.empty()) return reason;
  if (helper.exitStatus() != QProcess::NormalExit) return EjectHelperStoppedReason();
  return EjectHelperExitCodeReason(helper.exitCode());
}

// Runs the event loop until the helper has ended or the limit has passed.
void WaitForHelper(QProcess& helper) {
  const std::chrono::milliseconds limit =
      EjectTimeLimitForTesting().count() > 0 ? EjectTimeLimitForTesting() : kEjectTimeLimit;
  QEventLoop loop;
  QObject::connect(&helper, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(limit, &loop, &QEventLoop::quit);
  if (helper.state() != QProcess::NotRunning) loop.exec();
}

}  // namespace

FolderItem EjectHelper() {
  return Application::RunningExecutable().Parent().Parent().Child("Resources").Child("EjectIpod.app");
}

void ejectiPodMethod() {
  if (App().globalMacOSVersion < kFirstVersionWithEject) return;
  const FolderItem helper = EjectHelper();
  if (!helper.Exists()) {
    MsgBox(EjectFailedMessage());
    return;
  }
  // A helper that is there but cannot be started is an error for the caller to report; the
  // person would otherwise think the iPod was being ejected.
  if (!Launch(helper, true)) throw RuntimeException("could not start " + helper.ShellPath());
}

bool ejectmenuitem::Event_Action() {
  ejectiPodMethod();
  return false;
}

bool ejectiPodAndWait() {
  if (App().globalMacOSVersion < kFirstVersionWithEject) return true;
  const FolderItem helper = EjectHelper();
  // Without the helper the iPod stays mounted: the person hears how to eject it by hand, and the
  // installer stays open, as when the helper fails.
  if (!helper.Exists()) {
    MsgBox(EjectFailedMessage());
    return false;
  }
  QProcess process;
  process.setProgram(QFile::decodeName(helper.ShellPath().c_str()));
  process.setStandardOutputFile(QProcess::nullDevice());
  process.start();
  if (!process.waitForStarted(kStartTimeoutMs))
    throw RuntimeException("could not start " + helper.ShellPath());
  CurrentProgressDisplay().Open("Ejecting…", "Ejecting iPod...");
  WaitForHelper(process);
  CurrentProgressDisplay().Close();
  if (process.state() != QProcess::NotRunning) {
    process.kill();
    process.waitForFinished();
    MsgBox(EjectFailedBecauseMessage(EjectTookTooLongReason()));
    return false;
  }
  if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return true;
  MsgBox(EjectFailedBecauseMessage(HelperReason(process)));
  return false;
}

void SetEjectTimeLimitForTesting(std::chrono::milliseconds limit) { EjectTimeLimitForTesting() = limit; }
