#pragma once

#include <string>

#include "framework/Arrays.h"

// Pairs of British (column 0) and American (column 1) spellings, rows 0 to 35.
extern StringArray2D britishTranslationTable;

void buildBritishTranslationTable();
// The text in British spelling when prefLanguage is 1, else unchanged.
std::string britishTranslate(const std::string& text);
