#pragma once

#include <stdexcept>
#include <string>

// Errors of the framework layer. The names follow the framework the installer was written for,
// so a catch-all around a routine reads as the installer's own code expects.
class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& message) : std::runtime_error(message) {}
};

// An operation on something that is not there: a nil file item, a stream that was never opened,
// a missing resource file.
class NilObjectException : public RuntimeException {
 public:
  explicit NilObjectException(const std::string& message = "nil object") : RuntimeException(message) {}
};

// An array index outside the array's bounds.
class OutOfBoundsException : public RuntimeException {
 public:
  explicit OutOfBoundsException(const std::string& message = "index out of bounds")
      : RuntimeException(message) {}
};

// The replace engine could not run a pattern.
class RegExException : public RuntimeException {
 public:
  explicit RegExException(const std::string& message = "regular expression error")
      : RuntimeException(message) {}
};

// A file could not be read or written.
class IOException : public RuntimeException {
 public:
  explicit IOException(const std::string& message) : RuntimeException(message) {}
};
