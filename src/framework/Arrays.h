#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/Exceptions.h"

// Arrays with the framework's bounds: an upper bound of 117 means indexes 0 to 117. Every access
// is checked and an index outside the bounds raises OutOfBoundsException.
template <typename T>
class Array1D {
 public:
  explicit Array1D(int upperBound) : upperBound_(upperBound), cells_(Size(upperBound)) {}

  int Ubound() const { return upperBound_; }

  T& operator()(int i) { return cells_[Checked(i)]; }
  const T& operator()(int i) const { return cells_[Checked(i)]; }

  // Every cell back to its initial value.
  void Clear() { cells_.assign(cells_.size(), T{}); }

  // Grows the array by one cell holding value.
  void Append(T value) {
    cells_.push_back(std::move(value));
    ++upperBound_;
  }
  // New upper bound; -1 empties the array. New cells hold the initial value.
  void ResizeTo(int upperBound) {
    upperBound_ = upperBound < -1 ? -1 : upperBound;
    cells_.resize(Size(upperBound_));
  }

 private:
  static std::size_t Size(int upperBound) { return upperBound < 0 ? 0 : std::size_t(upperBound) + 1; }

  std::size_t Checked(int i) const {
    if (i < 0 || i > upperBound_) {
      throw OutOfBoundsException("index " + std::to_string(i) + " outside 0.." + std::to_string(upperBound_));
    }
    return std::size_t(i);
  }

  int upperBound_;
  std::vector<T> cells_;
};

template <typename T>
class Array2D {
 public:
  Array2D(int rowUpperBound, int columnUpperBound)
      : rows_(rowUpperBound),
        columns_(columnUpperBound),
        cells_(Size(rowUpperBound) * Size(columnUpperBound)) {}

  int Ubound(int dimension) const { return dimension == 1 ? rows_ : columns_; }

  T& operator()(int row, int column) { return cells_[Checked(row, column)]; }
  const T& operator()(int row, int column) const { return cells_[Checked(row, column)]; }

  void Clear() { cells_.assign(cells_.size(), T{}); }

 private:
  static std::size_t Size(int upperBound) { return upperBound < 0 ? 0 : std::size_t(upperBound) + 1; }

  std::size_t Checked(int row, int column) const {
    if (row < 0 || row > rows_ || column < 0 || column > columns_) {
      throw OutOfBoundsException("index (" + std::to_string(row) + ", " + std::to_string(column) +
                                 ") outside (0.." + std::to_string(rows_) + ", 0.." +
                                 std::to_string(columns_) + ")");
    }
    return std::size_t(row) * Size(columns_) + std::size_t(column);
  }

  int rows_;
  int columns_;
  std::vector<T> cells_;
};

using StringArray = Array1D<std::string>;
using StringArray2D = Array2D<std::string>;
