#include "install/iPodEjector.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/Volumes.h"
#include "support/FixtureVolume.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

const std::string kUnmount = "udisksctl unmount -b /dev/sdz1";
const std::string kPowerOff = "udisksctl power-off -b /dev/sdz1";
const std::string kUmount = "umount /media/IPOD";

const CommandResult kSucceeds{true, 0, ""};
const CommandResult kMissing{false, -1, ""};
const CommandResult kFails{true, 1, "Error unmounting: target is busy\n"};

// Keeps every command line it is asked to run and answers from a table; a command not in the
// table succeeds.
class ScriptedCommands {
 public:
  explicit ScriptedCommands(std::map<std::string, CommandResult> answers = {})
      : answers_(std::move(answers)) {}

  CommandRunner Runner() {
    return [this](const std::string& program, const std::vector<std::string>& arguments) {
      std::string line = program;
      for (const std::string& argument : arguments) line += " " + argument;
      ran.push_back(line);
      const auto answer = answers_.find(line);
      return answer == answers_.end() ? kSucceeds : answer->second;
    };
  }

  std::vector<std::string> ran;

 private:
  std::map<std::string, CommandResult> answers_;
};

DeviceFinder DeviceIs(std::optional<std::string> device) {
  return [device](const FolderItem&) { return device; };
}

// ---- the commands and their fallback ----

struct EjectCase {
  const char* name;
  std::optional<std::string> device;
  std::map<std::string, CommandResult> answers;
  std::vector<std::string> ran;
  bool ejected;
  std::vector<std::string> report;
};

class EjectVolumeTest : public testing::TestWithParam<EjectCase> {};

TEST_P(EjectVolumeTest, RunsTheCommandsInTheirOrder) {
  const EjectCase& c = GetParam();
  ScriptedCommands commands(c.answers);
  iPodEjector ejector(commands.Runner(), DeviceIs(c.device));

  const EjectOutcome outcome = ejector.EjectVolume(FolderItem("/media/IPOD"));

  EXPECT_EQ(commands.ran, c.ran);
  EXPECT_EQ(outcome.ejected, c.ejected);
  EXPECT_EQ(outcome.report, c.report);
}

const std::string kBusy = ": failed with exit code 1: Error unmounting: target is busy";

INSTANTIATE_TEST_SUITE_P(
    Cases, EjectVolumeTest,
    testing::Values(EjectCase{"UdisksUnmountsAndPowersOff", "/dev/sdz1", {}, {kUnmount, kPowerOff}, true, {}},
                    EjectCase{"PowerOffFailsAfterUnmount",
                              "/dev/sdz1",
                              {{kPowerOff, kFails}},
                              {kUnmount, kPowerOff},
                              true,
                              {kPowerOff + kBusy,
                               "The iPod is unmounted and can be disconnected, but it was not powered off."}},
                    EjectCase{"UdisksMissing",
                              "/dev/sdz1",
                              {{kUnmount, kMissing}},
                              {kUnmount, kUmount},
                              true,
                              {kUnmount + ": could not be run"}},
                    EjectCase{"UdisksCannotUnmount",
                              "/dev/sdz1",
                              {{kUnmount, kFails}},
                              {kUnmount, kUmount},
                              true,
                              {kUnmount + kBusy}},
                    EjectCase{"NothingCanUnmount",
                              "/dev/sdz1",
                              {{kUnmount, kFails}, {kUmount, kFails}},
                              {kUnmount, kUmount},
                              false,
                              {kUnmount + kBusy, kUmount + kBusy}},
                    EjectCase{"NoBlockDevice", "", {}, {kUmount}, true, {}},
                    EjectCase{"NotAMountPoint",
                              std::nullopt,
                              {},
                              {},
                              false,
                              {"/media/IPOD is not the root of a mounted volume."}}),
    [](const testing::TestParamInfo<EjectCase>& info) { return std::string(info.param.name); });

// ---- which iPod ----

struct ChoiceCase {
  const char* name;
  int iPods;
  std::vector<std::string> report;
};

class EjectChoiceTest : public testing::TestWithParam<ChoiceCase> {};

TEST_P(EjectChoiceTest, EjectsOnlyWhenExactlyOneIPodIsAttached) {
  const ChoiceCase& c = GetParam();
  TempFolder temp;
  std::vector<fs::path> roots;
  roots.push_back(FixtureVolume(temp.path(), "NOT AN IPOD", {.iPodControlInvisible = false}).root());
  for (int i = 0; i < c.iPods; ++i)
    roots.push_back(FixtureVolume(temp.path(), "IPOD" + std::to_string(i)).root());
  ScopedVolumes volumes(roots);
  ScriptedCommands commands;
  std::vector<std::string> devicesAskedFor;
  iPodEjector ejector(commands.Runner(), [&devicesAskedFor](const FolderItem& root) {
    devicesAskedFor.push_back(root.Name());
    return std::optional<std::string>("/dev/sdz1");
  });

  const EjectOutcome outcome = ejector.EjectAttachediPod();

  EXPECT_EQ(outcome.ejected, c.iPods == 1);
  EXPECT_EQ(outcome.report, c.report);
  if (c.iPods == 1) {
    EXPECT_EQ(devicesAskedFor, std::vector<std::string>{"IPOD0"});
    EXPECT_EQ(commands.ran, (std::vector<std::string>{kUnmount, kPowerOff}));
  } else {
    EXPECT_TRUE(devicesAskedFor.empty());
    EXPECT_TRUE(commands.ran.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EjectChoiceTest,
    testing::Values(ChoiceCase{"None", 0, {"No iPod in disk mode is attached."}}, ChoiceCase{"One", 1, {}},
                    ChoiceCase{
                        "Two", 2, {"2 iPods are attached; connect only the one to eject and try again."}}),
    [](const testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

// ---- the real device lookup and command runner ----

// A mount table with an iPod, a test volume on tmpfs, and a folder mounted on twice (the later
// mount lies on top and is the one that counts).
const char* const kMountTable =
    "/dev/vda1 / ext4 rw,relatime 0 0\n"
    "/dev/sdz1 /media/Sam\\040Pod vfat rw,nosuid,nodev 0 0\n"
    "tmpfs /media/TESTPOD tmpfs rw,size=65536k 0 0\n"
    "/dev/sdy1 /media/IPOD vfat rw 0 0\n"
    "/dev/loop3 /media/IPOD vfat rw 0 0\n";

struct DeviceCase {
  const char* folder;
  std::optional<std::string> device;
};

// A folder that is not itself a mount point must never lead to the volume that holds it.
TEST(BlockDeviceOf, OnlyTheRootOfAMountedVolumeHasOne) {
  SetMountTableForTesting([] { return std::string(kMountTable); });
  const DeviceCase cases[] = {
      {"/media/Sam Pod", "/dev/sdz1"},        {"/media/TESTPOD", ""},
      {"/media/IPOD", "/dev/loop3"},          {"/media/IPOD/", "/dev/loop3"},
      {"/media/Sam Pod/Notes", std::nullopt}, {"/media", std::nullopt},
  };
  for (const DeviceCase& c : cases) EXPECT_EQ(BlockDeviceOf(FolderItem(c.folder)), c.device) << c.folder;
  SetMountTableForTesting(nullptr);
}

TEST(RunCommand, TellsStartExitCodeAndErrorOutput) {
  const CommandResult succeeded = RunCommand("true", {});
  EXPECT_TRUE(succeeded.started);
  EXPECT_EQ(succeeded.exitCode, 0);

  const CommandResult failed = RunCommand("ls", {"/no such folder"});
  EXPECT_TRUE(failed.started);
  EXPECT_NE(failed.exitCode, 0);
  EXPECT_NE(failed.errorOutput.find("no such folder"), std::string::npos);

  EXPECT_FALSE(RunCommand("/no/such/program", {}).started);
}

}  // namespace
