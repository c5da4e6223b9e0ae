#include "ui/HelpButtonClass.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>

#include "framework/AtomnoteState.h"
#include "ui/HelpWindow.h"

namespace {

// The colours of one look: the face from top to bottom, its rim and the question mark.
struct Look {
  QColor faceTop;
  QColor faceBottom;
  QColor rim;
  QColor mark;
};

Look LookOf(HelpButtonClass::ThemeState state) {
  switch (state) {
    case HelpButtonClass::ThemeState::Inactive:
      return {QColor(0xf6, 0xf6, 0xf6), QColor(0xee, 0xee, 0xee), QColor(0xc8, 0xc8, 0xc8),
              QColor(0xa8, 0xa8, 0xa8)};
    case HelpButtonClass::ThemeState::Pressed:
      return {QColor(0x9c, 0xa8, 0xb8), QColor(0xc4, 0xcc, 0xd8), QColor(0x5a, 0x64, 0x70),
              QColor(0x10, 0x18, 0x24)};
    case HelpButtonClass::ThemeState::Active:
      break;
  }
  return {QColor(0xff, 0xff, 0xff), QColor(0xd8, 0xd8, 0xd8), QColor(0x80, 0x80, 0x80),
          QColor(0x30, 0x30, 0x30)};
}

}  // namespace

HelpButtonClass::HelpButtonClass(QWidget* parent) : Canvas(parent) {
  OnMouseDown([this](int x, int y) { return Event_MouseDown(x, y); });
  OnMouseDrag([this](int x, int y) { Event_MouseDrag(x, y); });
  OnMouseUp([this](int x, int y) { Event_MouseUp(x, y); });
  OnMouseExit([this] { Event_MouseExit(); });
}

QWidget* HelpButtonClass::Make(QWidget* parent) { return new HelpButtonClass(parent); }

HelpButtonClass::ThemeState HelpButtonClass::DrawnState() const {
  if (App().disabledWIndow) return ThemeState::Inactive;
  return mouseButtonDown ? ThemeState::Pressed : ThemeState::Active;
}

QRect HelpButtonClass::DrawRect() const {
  // Top, left, bottom and right as edges between pixels: top + 1, left + 1, top + height - 2,
  // left + width - 2.
  return QRect(QPoint(1, 1), QPoint(width() - 2 - 1, height() - 2 - 1));
}

void HelpButtonClass::paintEvent(QPaintEvent* /*event*/) {
  QPainter g(this);
  Event_Paint(g);
}

void HelpButtonClass::Event_Paint(QPainter& g) {
  const QRect area = DrawRect();
  const Look look = LookOf(DrawnState());
  g.setClipRect(area);
  g.setRenderHint(QPainter::Antialiasing);

  // The round face, its 1-pixel rim lying just inside the rectangle.
  const QRectF face = QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient shade(face.topLeft(), face.bottomLeft());
  shade.setColorAt(0, look.faceTop);
  shade.setColorAt(1, look.faceBottom);
  g.setBrush(shade);
  g.setPen(QPen(look.rim, 1));
  g.drawEllipse(face);

  // The question mark, bold, centred on the face.
  QFont font = QApplication::font();
  font.setBold(true);
  font.setPixelSize(area.height() * 2 / 3);
  g.setFont(font);
  g.setPen(look.mark);
  g.drawText(QRectF(area), Qt::AlignCenter, QStringLiteral("?"));
}

bool HelpButtonClass::Inside(int x, int y) const { return x >= 0 && x < width() && y >= 0 && y < height(); }

bool HelpButtonClass::Event_MouseDown(int /*x*/, int /*y*/) {
  mouseButtonDown = true;
  Refresh(true);
  return true;
}

void HelpButtonClass::Event_MouseDrag(int x, int y) {
  // Off the button it lets go of its pressed look for the rest of the click; dragged back on, it
  // stays unpressed (a release there still opens the help).
  if (!Inside(x, y)) mouseButtonDown = false;
  Refresh(true);
}

void HelpButtonClass::Event_MouseUp(int x, int y) {
  mouseButtonDown = false;
  if (Inside(x, y)) HelpWindow().Show();
  Refresh(true);
}

void HelpButtonClass::Event_MouseExit() {
  mouseButtonDown = false;
  Refresh(true);
}
