#include "support/KeepFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <system_error>

std::optional<std::filesystem::path> KeepFolder() {
  const char* keep = std::getenv("ATOMNOTE_TEST_KEEP");
  if (keep == nullptr || *keep == '\0') return std::nullopt;
  std::error_code error;
  std::filesystem::create_directories(keep, error);
  if (!std::filesystem::is_directory(keep)) {
    ADD_FAILURE() << "ATOMNOTE_TEST_KEEP names \"" << keep
                  << "\", which is no folder and cannot be made: " << error.message();
    return std::nullopt;
  }
  return std::filesystem::path(keep);
}
