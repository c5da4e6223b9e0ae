#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QRgb>
#include <string>

// Anti-aliased drawing (edges, text, gradients, smooth scaling) is computed in fixed point by
// whichever code Qt picks for the processor it runs on, and those paths round the cover of an
// edge differently: one picture drawn on two machines differs by a step of 255 in a channel here
// and there. Two steps leave room for such a step carried through one more blend or a change
// between straight and premultiplied alpha; a real change (another colour, a line or a glyph one
// pixel over) moves the pixels it touches by tens of steps.
inline constexpr int kRoundingSteps = 2;

// How far two pictures of one size are apart, as premultiplied ARGB: the alpha channel and the
// colour channels as they show, so a nearly transparent pixel counts by what it adds to a ground.
struct ImageDifference {
  int differingPixels = 0;          // pixels where any channel differs at all
  int pixelsBeyondRounding = 0;     // pixels where a channel differs by more than kRoundingSteps
  int largest = 0;                  // the largest difference of one channel, 0 to 255
  double peakSignalToNoise = 0;     // of the colour channels, in dB; infinite for equal pictures
  std::string firstBeyondRounding;  // "(x, y)" of the first pixel beyond rounding, row by row
};

ImageDifference CompareImages(const QImage& a, const QImage& b);

// Whether two pixels (straight ARGB, as QImage::pixel gives them) show the same within rounding.
bool PixelsAlike(QRgb a, QRgb b);

// Whether `actual` shows the picture `expected` shows: the same size, and no channel of any pixel
// further from it than rounding. The message says how many pixels part, where and how far.
// EXPECT_FALSE of it asks for a difference beyond rounding.
::testing::AssertionResult DrawnAlike(const QImage& expected, const QImage& actual);

// The JPEG of a picture stays this close to it: a compressed copy, not another picture. Small
// coloured text costs JPEG about 28 dB; two different tables lie far below this.
inline constexpr double kJpegCopyMinimumPsnr = 25.0;
