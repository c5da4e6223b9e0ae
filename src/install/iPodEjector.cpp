#include "install/iPodEjector.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <utility>

#include "framework/Volumes.h"
#include "install/iPodScanClass.h"

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kFinishTimeoutMs = 120000;

std::string CommandLine(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = program;
  for (const std::string& argument : arguments) line += " " + argument;
  return line;
}

std::string Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed().toStdString(); }

std::string FailureLine(const std::string& command, const CommandResult& result) {
  if (!result.started) return command + ": could not be run";
  std::string line = command + ": failed with exit code " + std::to_string(result.exitCode);
  const std::string said = Trimmed(result.errorOutput);
  return said.empty() ? line : line + ": " + said;
}

// The one iPod's volume root; nullopt, with the reason in the outcome, when not exactly one is
// attached.
std::optional<FolderItem> TheOneiPodVolume(EjectOutcome& outcome) {
  iPodScanClass::GetiPodList();
  const int found = iPodScanClass::iPodList.Ubound() + 1;
  if (found == 0) {
    outcome.report.push_back("No iPod in disk mode is attached.");
    return std::nullopt;
  }
  if (found > 1) {
    outcome.report.push_back(std::to_string(found) +
                             " iPods are attached; connect only the one to eject and try again.");
    return std::nullopt;
  }
  return iPodScanClass::iPodFolderItemList(0).Parent();
}

}  // namespace

CommandResult RunCommand(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList qtArguments;
  for (const std::string& argument : arguments) qtArguments << QString::fromStdString(argument);
  QProcess process;
  process.start(QString::fromStdString(program), qtArguments);
  CommandResult result;
  if (!process.waitForStarted(kStartTimeoutMs)) return result;
  result.started = true;
  process.closeWriteChannel();
  if (!process.waitForFinished(kFinishTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    result.errorOutput = "did not finish in time";
    return result;
  }
  result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  result.errorOutput = process.readAllStandardError().toStdString();
  return result;
}

// The mount on top of the folder is the one that counts: the last entry of the table for it.
std::optional<std::string> BlockDeviceOf(const FolderItem& volumeRoot) {
  std::optional<std::string> device;
  for (const MountEntry& entry : MountTable()) {
    if (FolderItem(entry.folder).Path() != volumeRoot.Path()) continue;
    device = entry.device.starts_with("/dev/") ? entry.device : std::string();
  }
  return device;
}

iPodEjector::iPodEjector(CommandRunner run, DeviceFinder findDevice)
    : run_(std::move(run)), findDevice_(std::move(findDevice)) {}

EjectOutcome iPodEjector::EjectAttachediPod() {
  EjectOutcome outcome;
  const std::optional<FolderItem> volume = TheOneiPodVolume(outcome);
  if (!volume) return outcome;
  return EjectVolume(*volume);
}

EjectOutcome iPodEjector::EjectVolume(const FolderItem& volumeRoot) {
  EjectOutcome outcome;
  const std::optional<std::string> device = findDevice_(volumeRoot);
  if (!device) {
    // Never unmount whatever volume happens to hold this folder.
    outcome.report.push_back(volumeRoot.ShellPath() + " is not the root of a mounted volume.");
    return outcome;
  }
  if (!device->empty() && UnmountWithUdisks(*device, outcome)) {
    PowerOff(*device, outcome);
    outcome.ejected = true;
    return outcome;
  }
  outcome.ejected = UnmountWithUmount(volumeRoot, outcome);
  return outcome;
}

bool iPodEjector::RunStep(const std::string& program, const std::vector<std::string>& arguments,
                          EjectOutcome& outcome) {
  const CommandResult result = run_(program, arguments);
  if (result.started && result.exitCode == 0) return true;
  outcome.report.push_back(FailureLine(CommandLine(program, arguments), result));
  return false;
}

bool iPodEjector::UnmountWithUdisks(const std::string& device, EjectOutcome& outcome) {
  return RunStep("udisksctl", {"unmount", "-b", device}, outcome);
}

bool iPodEjector::UnmountWithUmount(const FolderItem& volumeRoot, EjectOutcome& outcome) {
  return RunStep("umount", {volumeRoot.ShellPath()}, outcome);
}

// Once the volume is unmounted the iPod can be disconnected safely; a drive that cannot be
// powered off (a loop device, a card reader) is worth a note, not a failure.
void iPodEjector::PowerOff(const std::string& device, EjectOutcome& outcome) {
  if (!RunStep("udisksctl", {"power-off", "-b", device}, outcome)) {
    outcome.report.push_back("The iPod is unmounted and can be disconnected, but it was not powered off.");
  }
}
