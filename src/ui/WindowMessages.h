#pragma once

#include <string>

// Texts of the messages the main window's own controls show.
std::string ListboxDrawingErrorMessage();  // #715
// The caution shown before the monopolize option can be ticked.
std::string MonopolizeCautionMessage();

// The About window's credits: the product line, the platform line, then the rights and credits
// lines of the resource file, each on a line of its own and the last one ended too.
std::string AboutCreditsText();
// The About window's build information: the version and the Qt it was built with, then
// "Binary: " and the format and processor of the program file.
std::string AboutBuildInformationFirstLine();
inline constexpr const char* kAboutBinaryLabel = "Binary: ";
