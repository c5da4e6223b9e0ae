#include "framework/PictureDrawing.h"

#include <gtest/gtest.h>

#include <QColor>
#include <memory>

namespace {

Picture Filled(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(colour);
  return std::make_shared<const QImage>(image);
}

TEST(NewPicture, IsWhollyTransparentAtItsSize) {
  const QImage picture = NewPicture(90, 90);
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(90, 90));
  EXPECT_EQ(picture.depth(), 32);
  EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(picture.pixel(89, 89)), 0);
}

// A mask of four columns, black, mid grey, white, black, over a red picture of three columns: the
// picture shows where the mask is black, vanishes where it is white, half shows under grey, and
// what was never drawn stays transparent under black.
TEST(DrawMask, BlackShowsWhiteHidesGreyHalfShows) {
  QImage mask(4, 1, QImage::Format_RGB32);
  mask.setPixel(0, 0, qRgb(0, 0, 0));
  mask.setPixel(1, 0, qRgb(128, 128, 128));
  mask.setPixel(2, 0, qRgb(255, 255, 255));
  mask.setPixel(3, 0, qRgb(0, 0, 0));
  QImage picture = NewPicture(5, 1);
  DrawPicture(picture, Filled(3, 1, Qt::red), 0, 0);
  DrawPicture(picture, Filled(1, 1, Qt::blue), 4, 0);

  DrawMask(picture, std::make_shared<const QImage>(mask));

  EXPECT_EQ(picture.pixel(0, 0), qRgba(255, 0, 0, 255));
  EXPECT_NEAR(qAlpha(picture.pixel(1, 0)), 127, 1);
  EXPECT_EQ(qAlpha(picture.pixel(2, 0)), 0);
  EXPECT_EQ(qAlpha(picture.pixel(3, 0)), 0) << "never drawn";
  EXPECT_EQ(picture.pixel(4, 0), qRgba(0, 0, 255, 255)) << "outside the mask";
}

TEST(DrawPicture, AMissingPictureOrMaskDrawsNothing) {
  QImage picture = NewPicture(4, 4);
  DrawPicture(picture, nullptr, 0, 0);
  DrawPicture(picture, nullptr, QRect(0, 0, 4, 4), QRect(0, 0, 8, 8));
  DrawMask(picture, nullptr);
  EXPECT_EQ(picture, NewPicture(4, 4));
}

// The whole source scaled into the destination: a 320 x 240 picture, left half red and right
// half blue, into 96 x 68 keeps the halves.
TEST(DrawPicture, ScalesTheSourceIntoTheDestination) {
  QImage source(320, 240, QImage::Format_RGB32);
  source.fill(Qt::red);
  for (int y = 0; y < 240; ++y) {
    for (int x = 160; x < 320; ++x) source.setPixel(x, y, qRgb(0, 0, 255));
  }
  QImage thumbnail = NewPicture(96, 68);

  DrawPicture(thumbnail, std::make_shared<const QImage>(source), QRect(0, 0, 96, 68), QRect(0, 0, 320, 240));

  EXPECT_EQ(thumbnail.pixel(2, 2), qRgba(255, 0, 0, 255));
  EXPECT_EQ(thumbnail.pixel(93, 65), qRgba(0, 0, 255, 255));
}

}  // namespace
