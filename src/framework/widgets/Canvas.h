#pragma once

#include <QWidget>
#include <functional>

#include "framework/Picture.h"

// A control that draws its backdrop picture (if any) from its top-left corner at the picture's
// own size; windows draw the rest themselves. Without a backdrop it draws nothing, so what lies
// beneath it stays visible.
//
// Its mouse events go to the handlers the window sets, with the pointer's position relative to
// the canvas's top-left corner. A MouseDown handler that returns true takes the click: the canvas
// then gets each move of the pointer while the button is held as MouseDrag, and the release of
// that button as MouseUp, wherever the pointer goes and is let go. A click it does not take goes
// on to the window.
class Canvas : public QWidget {
 public:
  explicit Canvas(QWidget* parent = nullptr);

  Picture Backdrop() const { return backdrop_; }
  void SetBackdrop(Picture backdrop);

  // Redraws the canvas at once, its background erased first when eraseBackground is true.
  void Refresh(bool eraseBackground);

  void OnMouseDown(std::function<bool(int x, int y)> handler) { mouseDown_ = std::move(handler); }
  void OnMouseDrag(std::function<void(int x, int y)> handler) { mouseDrag_ = std::move(handler); }
  void OnMouseUp(std::function<void(int x, int y)> handler) { mouseUp_ = std::move(handler); }
  void OnMouseEnter(std::function<void()> handler) { mouseEnter_ = std::move(handler); }
  void OnMouseExit(std::function<void()> handler) { mouseExit_ = std::move(handler); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  Picture backdrop_;
  bool tracking_ = false;  // a click taken by MouseDown whose release has not come yet
  std::function<bool(int, int)> mouseDown_;
  std::function<void(int, int)> mouseDrag_;
  std::function<void(int, int)> mouseUp_;
  std::function<void()> mouseEnter_;
  std::function<void()> mouseExit_;
};
