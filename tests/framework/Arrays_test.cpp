#include "framework/Arrays.h"

#include <gtest/gtest.h>

#include "framework/Exceptions.h"

namespace {

TEST(Array1DTest, UpperBoundIsTheLastIndex) {
  Array1D<int> cells(117);
  EXPECT_EQ(cells.Ubound(), 117);
  cells(0) = 1;
  cells(117) = 2;
  EXPECT_EQ(cells(0), 1);
  EXPECT_EQ(cells(117), 2);
  EXPECT_EQ(cells(58), 0);
  cells.Clear();
  EXPECT_EQ(cells(117), 0);
}

TEST(Array1DTest, IndexOutsideTheBoundsThrows) {
  StringArray names(117);
  const StringArray& readOnly = names;
  EXPECT_THROW(names(118), OutOfBoundsException);
  EXPECT_THROW(names(-1), OutOfBoundsException);
  EXPECT_THROW(readOnly(118), OutOfBoundsException);
  EXPECT_THROW(StringArray(-1)(0), OutOfBoundsException);
}

TEST(Array2DTest, CellsAreDistinctUpToBothBounds) {
  Array2D<int> grid(2, 3);
  EXPECT_EQ(grid.Ubound(1), 2);
  EXPECT_EQ(grid.Ubound(2), 3);
  for (int row = 0; row <= 2; ++row) {
    for (int column = 0; column <= 3; ++column) grid(row, column) = row * 10 + column;
  }
  EXPECT_EQ(grid(0, 3), 3);
  EXPECT_EQ(grid(1, 0), 10);
  EXPECT_EQ(grid(2, 3), 23);
}

TEST(Array2DTest, IndexOutsideEitherBoundThrows) {
  StringArray2D grid(2, 3);
  EXPECT_THROW(grid(3, 0), OutOfBoundsException);
  EXPECT_THROW(grid(0, 4), OutOfBoundsException);
  EXPECT_THROW(grid(-1, 0), OutOfBoundsException);
  EXPECT_THROW(grid(0, -1), OutOfBoundsException);
}

}  // namespace
