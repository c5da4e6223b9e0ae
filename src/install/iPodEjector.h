#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/FolderItem.h"

// What running one command gave.
struct CommandResult {
  bool started = false;  // false when the program could not be run at all (for instance missing)
  int exitCode = -1;
  std::string errorOutput;  // what it wrote to standard error
};

// Runs a program with its arguments (no shell) and waits for it to end.
using CommandRunner =
    std::function<CommandResult(const std::string& program, const std::vector<std::string>& arguments)>;
// The block device mounted on a volume's root folder: nullopt when that folder is not the root
// of a mounted volume, an empty text when the volume has no block device (tmpfs, a network
// share).
using DeviceFinder = std::function<std::optional<std::string>(const FolderItem& volumeRoot)>;

CommandResult RunCommand(const std::string& program, const std::vector<std::string>& arguments);
std::optional<std::string> BlockDeviceOf(const FolderItem& volumeRoot);

// The outcome of an eject: whether the iPod can be disconnected now, and every line worth telling
// the person (why nothing was done, which command failed and what it said).
struct EjectOutcome {
  bool ejected = false;
  std::vector<std::string> report;
};

// Finds the one attached iPod by the installer's scan and ejects it: udisksctl unmounts it and
// powers it off; where udisksctl is missing or cannot unmount it, umount unmounts it.
class iPodEjector {
 public:
  explicit iPodEjector(CommandRunner run = RunCommand, DeviceFinder findDevice = BlockDeviceOf);

  // Scans the mounted volumes and ejects the iPod when exactly one is attached.
  EjectOutcome EjectAttachediPod();
  // Ejects the volume mounted on volumeRoot.
  EjectOutcome EjectVolume(const FolderItem& volumeRoot);

 private:
  bool RunStep(const std::string& program, const std::vector<std::string>& arguments, EjectOutcome& outcome);
  bool UnmountWithUdisks(const std::string& device, EjectOutcome& outcome);
  bool UnmountWithUmount(const FolderItem& volumeRoot, EjectOutcome& outcome);
  void PowerOff(const std::string& device, EjectOutcome& outcome);

  CommandRunner run_;
  DeviceFinder findDevice_;
};
