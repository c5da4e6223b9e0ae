#pragma once

#include <string>
#include <string_view>

#include "framework/FolderItem.h"

// The format and processor of a program file as people name them ("ELF x86-64"), read from the
// file's own header, so it always tells what the file is rather than what it was meant to be.

// From the first bytes of a program file; "unknown format" when they are no header this knows,
// and "ELF" with "machine N" for a processor number it has no name for.
std::string ExecutableFormatOf(std::string_view header);
// The same for the file itself; "unknown format" when it cannot be read.
std::string ExecutableFormatOf(const FolderItem& file);
