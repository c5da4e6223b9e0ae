#pragma once

#include <string>
#include <vector>

// One piece of an element note: a text written with the stream's line end (most lines), or
// without one so that the next text continues the same line (the melting part of the
// melting/boiling line).
struct NoteText {
  std::string text;
  bool endsLine = true;

  bool operator==(const NoteText&) const = default;
};

using NoteLines = std::vector<NoteText>;
