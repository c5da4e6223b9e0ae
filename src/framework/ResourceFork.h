#pragma once

#include <memory>
#include <optional>
#include <string>

#include "framework/Picture.h"

// The application's resource file: pictures ("PICT") and texts ("TEXT") by number.
class ResourceFork {
 public:
  virtual ~ResourceFork() = default;
  // The bytes of the resource of that type and number; nothing when there is none.
  virtual std::optional<std::string> GetResource(const std::string& type, int number) = 0;
  // The picture of that number; nil when there is none.
  virtual Picture GetPicture(int number) = 0;
};

// The application's own resource file, compiled into the program; nil only when a test has
// taken it away.
std::shared_ptr<ResourceFork> ApplicationResourceFork();

// Test seam: replaces the application's resource file (nullptr: no resource file at all);
// RestoreApplicationResourceFork puts the compiled-in one back.
void SetApplicationResourceForkForTesting(std::shared_ptr<ResourceFork> fork);
void RestoreApplicationResourceFork();
