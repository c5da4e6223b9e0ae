#include "support/ImageCompare.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// The largest difference of one channel of two premultiplied pixels.
int LargestChannelDifference(QRgb p, QRgb q) {
  return std::max({std::abs(qAlpha(p) - qAlpha(q)), std::abs(qRed(p) - qRed(q)),
                   std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
}

// "(x, y)". Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) about a literal
// put in front of a std::string with operator+.
std::string PointText(int x, int y) {
  std::string text = "(";
  text += std::to_string(x);
  text += ", ";
  text += std::to_string(y);
  text += ")";
  return text;
}

}  // namespace

ImageDifference CompareImages(const QImage& a, const QImage& b) {
  const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  ImageDifference difference;
  if (left.size() != right.size()) {
    // Not one picture: every pixel of the larger counts as differing by all it can.
    difference.differingPixels = std::max(left.width() * left.height(), right.width() * right.height());
    difference.pixelsBeyondRounding = difference.differingPixels;
    difference.largest = 255;
    difference.firstBeyondRounding = PointText(0, 0);
    return difference;
  }
  double squares = 0;
  for (int y = 0; y < left.height(); ++y) {
    const auto* leftLine = reinterpret_cast<const QRgb*>(left.constScanLine(y));
    const auto* rightLine = reinterpret_cast<const QRgb*>(right.constScanLine(y));
    for (int x = 0; x < left.width(); ++x) {
      const QRgb p = leftLine[x];
      const QRgb q = rightLine[x];
      for (int channel : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
        squares += double(channel) * channel;
      }
      const int largest = LargestChannelDifference(p, q);
      if (largest == 0) continue;
      ++difference.differingPixels;
      difference.largest = std::max(difference.largest, largest);
      if (largest > kRoundingSteps && difference.pixelsBeyondRounding++ == 0) {
        difference.firstBeyondRounding = PointText(x, y);
      }
    }
  }
  const double mean = squares / (3.0 * left.width() * left.height());
  difference.peakSignalToNoise =
      mean == 0 ? std::numeric_limits<double>::infinity() : 10.0 * std::log10(255.0 * 255.0 / mean);
  return difference;
}

bool PixelsAlike(QRgb a, QRgb b) {
  return LargestChannelDifference(qPremultiply(a), qPremultiply(b)) <= kRoundingSteps;
}

::testing::AssertionResult DrawnAlike(const QImage& expected, const QImage& actual) {
  if (expected.size() != actual.size()) {
    return ::testing::AssertionFailure()
           << "the sizes differ: " << expected.width() << " x " << expected.height() << " against "
           << actual.width() << " x " << actual.height();
  }
  const ImageDifference difference = CompareImages(expected, actual);
  if (difference.pixelsBeyondRounding > 0) {
    return ::testing::AssertionFailure()
           << difference.pixelsBeyondRounding << " pixels differ by more than " << kRoundingSteps
           << " steps, the first at " << difference.firstBeyondRounding << ", by up to "
           << difference.largest;
  }
  return ::testing::AssertionSuccess() << "alike within rounding: " << difference.differingPixels
                                       << " pixels differ, by at most " << difference.largest << " steps";
}
