#include "framework/RegEx.h"

#include "framework/Exceptions.h"
#include "framework/TextFunctions.h"

std::string RegEx::Replace(const std::string& target) const {
  if (SearchPattern.empty()) throw RegExException("empty search pattern");
  if (!CaseSensitive) throw RegExException("only case-sensitive patterns are supported");
  if (ReplaceAllMatches) return ReplaceAll(target, SearchPattern, ReplacementPattern);
  std::size_t at = target.find(SearchPattern);
  if (at == std::string::npos) return target;
  return target.substr(0, at) + ReplacementPattern + target.substr(at + SearchPattern.size());
}
