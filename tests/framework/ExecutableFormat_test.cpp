#include "framework/ExecutableFormat.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/Application.h"
#include "support/TestSupport.h"

namespace {

// The first 20 bytes of an ELF file: magic, class, byte order, version, padding, type, machine.
std::string ElfHeader(char elfClass, char byteOrder, unsigned machine) {
  std::string header = std::string(
                           "\x7f"
                           "ELF",
                           4) +
                       elfClass + byteOrder + '\x01' + std::string(9, '\0');
  header += std::string("\x02\x00", 2);  // type: an executable
  const char low = static_cast<char>(machine & 0xFF);
  const char high = static_cast<char>(machine >> 8);
  header += byteOrder == 1 ? std::string{low, high} : std::string{high, low};
  return header;
}

TEST(ExecutableFormat, NamesTheFormatAndProcessorOfAHeader) {
  struct Case {
    const char* what;
    std::string header;
    const char* format;
  };
  const Case cases[] = {
      {"64-bit Intel", ElfHeader(2, 1, 62), "ELF x86-64"},
      {"64-bit ARM", ElfHeader(2, 1, 183), "ELF AArch64"},
      {"32-bit PowerPC, big-endian", ElfHeader(1, 2, 20), "ELF PowerPC"},
      {"a processor without a name here", ElfHeader(2, 2, 0x1234), "ELF machine 4660"},
      {"a header cut short", ElfHeader(2, 1, 62).substr(0, 19), "unknown format"},
      {"a class that is neither width", ElfHeader(3, 1, 62), "unknown format"},
      {"a text file", "#!/bin/sh\necho hello world\n", "unknown format"},
      {"nothing", "", "unknown format"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ExecutableFormatOf(c.header), c.format);
  }
}

// Read from the file, the test program names the processor the compiler built it for.
TEST(ExecutableFormat, ReadsTheRunningProgramsOwnFile) {
#if defined(__x86_64__)
  const char* built = "ELF x86-64";
#elif defined(__aarch64__)
  const char* built = "ELF AArch64";
#else
  GTEST_SKIP() << "no name of this build's processor to compare with";
  const char* built = "";
#endif
  EXPECT_EQ(ExecutableFormatOf(Application::RunningExecutable()), built);
}

TEST(ExecutableFormat, AFileThatCannotBeReadIsOfUnknownFormat) {
  const TempFolder temp;
  EXPECT_EQ(ExecutableFormatOf(FolderItem(temp / "missing")), "unknown format");
  EXPECT_EQ(ExecutableFormatOf(FolderItem(temp.path())), "unknown format") << "a folder";
  EXPECT_EQ(ExecutableFormatOf(FolderItem()), "unknown format") << "a nil item";
}

}  // namespace
