#pragma once

#include <QWidget>

#include "framework/Picture.h"

// A control that draws its backdrop picture (if any) from its top-left corner at the picture's
// own size; windows draw the rest themselves. Without a backdrop it draws nothing, so what lies
// beneath it stays visible.
class Canvas : public QWidget {
 public:
  explicit Canvas(QWidget* parent = nullptr);

  Picture Backdrop() const { return backdrop_; }
  void SetBackdrop(Picture backdrop);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture backdrop_;
};
