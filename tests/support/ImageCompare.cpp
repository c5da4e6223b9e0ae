#include "support/ImageCompare.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

ImageDifference CompareImages(const QImage& a, const QImage& b) {
  const QImage left = a.convertToFormat(QImage::Format_RGB32);
  const QImage right = b.convertToFormat(QImage::Format_RGB32);
  ImageDifference difference;
  double squares = 0;
  for (int y = 0; y < left.height(); ++y) {
    for (int x = 0; x < left.width(); ++x) {
      const QRgb p = left.pixel(x, y);
      const QRgb q = right.pixel(x, y);
      const int channels[] = {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)};
      bool differs = false;
      for (int channel : channels) {
        squares += double(channel) * channel;
        difference.largest = std::max(difference.largest, std::abs(channel));
        differs = differs || channel != 0;
      }
      if (differs && difference.differingPixels++ == 0) {
        difference.firstDifference = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
      }
    }
  }
  const double mean = squares / (3.0 * left.width() * left.height());
  difference.peakSignalToNoise =
      mean == 0 ? std::numeric_limits<double>::infinity() : 10.0 * std::log10(255.0 * 255.0 / mean);
  return difference;
}
