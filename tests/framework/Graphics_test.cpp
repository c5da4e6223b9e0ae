#include "framework/Graphics.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

// A surface inside a larger picture: its own coordinates, fills clipped to it, black until a
// colour is set.
TEST(Graphics, FillsOnlyItsAreaInItsDrawingColour) {
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    Graphics g(painter, QRect(2, 3, 4, 5));
    EXPECT_EQ(g.Width(), 4);
    EXPECT_EQ(g.Height(), 5);
    EXPECT_EQ(g.ForeColor(), 0x000000u);
    g.FillRect(0, 0, 1, 1);
    g.SetForeColor(0xFF6E71);
    g.FillRect(1, 0, 100, 100);
  }
  EXPECT_EQ(image.pixel(2, 3), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(3, 3), qRgb(0xFF, 0x6E, 0x71));
  EXPECT_EQ(image.pixel(5, 7), qRgb(0xFF, 0x6E, 0x71));
  EXPECT_EQ(image.pixel(6, 7), qRgb(255, 255, 255)) << "right of the area";
  EXPECT_EQ(image.pixel(5, 8), qRgb(255, 255, 255)) << "below the area";
  EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255)) << "above the area";
}

}  // namespace
