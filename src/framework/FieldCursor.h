#pragma once

#include <string_view>

// Walks the fields of a text cut at every occurrence of a separator, counting as the text
// functions do: two separators in a row give an empty field, and every field past the last one
// is empty. Each field is found once, so reading a whole text costs one pass over it.
class FieldCursor {
 public:
  FieldCursor(std::string_view text, std::string_view separator) : rest_(text), separator_(separator) {}

  std::string_view Next() {
    if (exhausted_) return {};
    std::size_t at = rest_.find(separator_);
    if (at == std::string_view::npos) {
      exhausted_ = true;
      return rest_;
    }
    std::string_view field = rest_.substr(0, at);
    rest_.remove_prefix(at + separator_.size());
    return field;
  }

  // True once the last field has been given.
  bool AtEnd() const { return exhausted_; }

 private:
  std::string_view rest_;
  std::string_view separator_;
  bool exhausted_ = false;
};
