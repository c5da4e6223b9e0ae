#pragma once

#include <QImage>
#include <string>

// How far two pictures of one size are apart, colour channels only (both taken as opaque RGB).
struct ImageDifference {
  int differingPixels = 0;       // pixels where any channel differs
  int largest = 0;               // the largest difference of one channel, 0 to 255
  double peakSignalToNoise = 0;  // in dB; infinite for equal pictures
  std::string firstDifference;   // "(x, y)" of the first differing pixel, row by row
};

ImageDifference CompareImages(const QImage& a, const QImage& b);

// The JPEG of a picture stays this close to it: a compressed copy, not another picture. Small
// coloured text costs JPEG about 28 dB; two different tables lie far below this.
inline constexpr double kJpegCopyMinimumPsnr = 25.0;
