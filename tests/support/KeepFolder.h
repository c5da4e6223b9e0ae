#pragma once

#include <filesystem>
#include <optional>

// The folder that ATOMNOTE_TEST_KEEP names, where a test leaves what it made for a look by hand;
// made when it does not exist yet. Nothing when the variable is unset or empty. A name that is
// no folder and cannot be made fails the test.
std::optional<std::filesystem::path> KeepFolder();
