#pragma once

#include <string>

// A kind of file the program knows: its name, its extensions, its Mac type and creator.
struct FileType {
  std::string Name;
  std::string Extensions;
  std::string MacType;
  std::string MacCreator;
};
