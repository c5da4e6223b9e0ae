#include "framework/ExecutableFormat.h"

#include <array>
#include <cstdint>
#include <fstream>

namespace {

constexpr const char* kUnknownFormat = "unknown format";

// ELF identification: the magic, then the class (1: 32-bit, 2: 64-bit) at 4 and the byte order
// (1: little-endian, 2: big-endian) at 5; the machine is the 16-bit number at 18.
constexpr std::size_t kElfClass = 4;
constexpr std::size_t kElfByteOrder = 5;
constexpr std::size_t kElfMachine = 18;
constexpr std::size_t kElfHeaderBytes = 20;

struct Machine {
  std::uint16_t number;
  const char* name;
};

// The processors a desktop program is built for, under the names their makers use.
constexpr std::array kMachines = {
    Machine{3, "x86"},     Machine{20, "PowerPC"},  Machine{21, "PowerPC 64"}, Machine{40, "ARM"},
    Machine{62, "x86-64"}, Machine{183, "AArch64"}, Machine{243, "RISC-V"},    Machine{258, "LoongArch"},
};

std::string MachineName(std::uint16_t number) {
  for (const Machine& machine : kMachines) {
    if (machine.number == number) return machine.name;
  }
  return "machine " + std::to_string(number);
}

}  // namespace

std::string ExecutableFormatOf(std::string_view header) {
  if (header.size() < kElfHeaderBytes || !header.starts_with("\x7f"
                                                             "ELF"))
    return kUnknownFormat;
  const auto byte = [&header](std::size_t at) { return static_cast<std::uint8_t>(header[at]); };
  const std::uint8_t elfClass = byte(kElfClass);
  const std::uint8_t byteOrder = byte(kElfByteOrder);
  if ((elfClass != 1 && elfClass != 2) || (byteOrder != 1 && byteOrder != 2)) return kUnknownFormat;
  const std::uint16_t machine = byteOrder == 1
                                    ? std::uint16_t(byte(kElfMachine) | byte(kElfMachine + 1) << 8)
                                    : std::uint16_t(byte(kElfMachine) << 8 | byte(kElfMachine + 1));
  return "ELF " + MachineName(machine);
}

std::string ExecutableFormatOf(const FolderItem& file) {
  if (file.IsNil()) return kUnknownFormat;
  std::ifstream stream(file.Path(), std::ios::binary);
  std::string header(kElfHeaderBytes, '\0');
  if (!stream.read(header.data(), static_cast<std::streamsize>(header.size()))) return kUnknownFormat;
  return ExecutableFormatOf(header);
}
