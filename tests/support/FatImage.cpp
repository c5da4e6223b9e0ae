#include "support/FatImage.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/msdos_fs.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>
#include <vector>

extern char** environ;

namespace {

constexpr std::uintmax_t kImageBytes = 2 * 1024 * 1024;

// Runs a program without a shell, its output discarded; its exit status, or -1.
int RunProgram(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

FatImage::FatImage(std::filesystem::path mountFolder, const std::string& label)
    : root_(std::move(mountFolder)) {
  skipReason_ = MakeAndMount(label);
}

FatImage::~FatImage() {
  if (mounted()) RunProgram({"umount", root_.string()});
}

std::string FatImage::MakeAndMount(const std::string& label) {
  if (geteuid() != 0) return "mounting a FAT image needs root";
  const std::filesystem::path image = imageFolder_ / "fat.img";
  WriteFileBytes(image, "");
  std::filesystem::resize_file(image, kImageBytes);
  std::vector<std::string> make = {"mkfs.vfat"};
  if (!label.empty()) make.insert(make.end(), {"-n", label});
  make.push_back(image.string());
  if (RunProgram(make) != 0) return "cannot make a FAT image: mkfs.vfat (dosfstools) is missing";
  std::filesystem::create_directories(root_);
  if (RunProgram({"mount", "-o", "loop", image.string(), root_.string()}) != 0) {
    return "cannot loop-mount a FAT image here (no vfat support in the kernel, or no loop devices)";
  }
  return "";
}

std::uint32_t DosAttributesOf(const std::filesystem::path& path) {
  std::uint32_t attributes = 0;
  const int fd = open(path.c_str(), O_RDONLY);
  ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &attributes);
  close(fd);
  return attributes;
}

void SetDosAttributesOf(const std::filesystem::path& path, std::uint32_t attributes) {
  const int fd = open(path.c_str(), O_RDONLY);
  ASSERT_EQ(ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &attributes), 0);
  close(fd);
}
