#pragma once

#include <QRect>
#include <cstdint>

class QPainter;

// A drawing surface: a rectangle of a painter's device, with coordinates from its top-left
// corner. Drawing reaches only the rectangle.
class Graphics {
 public:
  Graphics(QPainter& painter, QRect area);

  int Width() const { return area_.width(); }
  int Height() const { return area_.height(); }

  // The colour the next drawing uses, 0xRRGGBB; black on a fresh surface.
  std::uint32_t ForeColor() const { return foreColor_; }
  void SetForeColor(std::uint32_t colour) { foreColor_ = colour & 0xFFFFFF; }

  // Fills the rectangle at left, top of width x height with the drawing colour.
  void FillRect(int left, int top, int width, int height);

 private:
  QPainter& painter_;
  QRect area_;
  std::uint32_t foreColor_ = 0x000000;
};
