#pragma once

#include <string>

// The replace engine used for spelling: every pattern the program gives it is literal text, so
// it replaces plainly, case-sensitive. An empty search pattern cannot be run and raises
// RegExException.
class RegEx {
 public:
  std::string SearchPattern;
  std::string ReplacementPattern;
  bool ReplaceAllMatches = true;
  bool CaseSensitive = true;

  std::string Replace(const std::string& target) const;
};
