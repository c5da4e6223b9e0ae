#include "DiskUseHelp.h"

#include <QPainter>
#include <array>
#include <initializer_list>

#include "WindowSketch.h"

namespace {

// The window drawn in every picture; the part of the canvas above it stays white.
const QRect kFrame(12, 18, 380, 282);

QImage BlankCanvas() {
  QImage image(kDiskUseHelpWidth, kDiskUseHelpHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void Antialiased(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
}

// The main window's source list: the library rows, then the iPod row, selected.
QRect DrawSourceList(QPainter& painter, const QString& iPodHeading) {
  const QRect sidebar(kFrame.left() + 1, kFrame.top() + 19, 104, kFrame.height() - 20);
  SketchSidebar(painter, sidebar);
  SketchHeading(painter, QPoint(sidebar.left() + 8, sidebar.top() + 8), "LIBRARY");
  for (int i = 0; i < 3; ++i) {
    SketchListRow(painter, QRect(sidebar.left(), sidebar.top() + 22 + i * 18, sidebar.width(), 18), "",
                  false);
  }
  int top = sidebar.top() + 84;
  if (!iPodHeading.isEmpty()) {
    SketchHeading(painter, QPoint(sidebar.left() + 8, top), iPodHeading);
    top += 14;
  }
  const QRect iPodRow(sidebar.left(), top, sidebar.width(), 18);
  SketchListRow(painter, iPodRow, "iPod", true);
  return iPodRow;
}

// Three check boxes the user need not read, ticked or not, then "Enable disk use", ticked; the
// area to ring round the last is returned.
QRect DrawDiskUseBoxes(QPainter& painter, const QPoint& first, int rowHeight, int placeholderWidth,
                       const std::array<bool, 3>& ticked) {
  for (int i = 0; i < 3; ++i) {
    SketchCheckBox(painter, first + QPoint(0, i * rowHeight), "", ticked[std::size_t(i)],
                   placeholderWidth - i * 25);
  }
  const QPoint diskUse = first + QPoint(0, 3 * rowHeight);
  SketchCheckBox(painter, diskUse, "Enable disk use", true);
  return QRect(diskUse.x(), diskUse.y() - 1, 112, 13);
}

// The steps in order, each ringed with its number.
void RingSteps(QPainter& painter, std::initializer_list<QRect> steps) {
  int step = 0;
  for (const QRect& area : steps) SketchCallout(painter, area, ++step);
}

void DrawPlaceholderLines(QPainter& painter, int left, int top, int count, int width) {
  for (int i = 0; i < count; ++i) {
    SketchPlaceholder(painter, QRect(left, top + i * 14, width - (i % 2) * 40, 5));
  }
}

}  // namespace

QImage DrawDiskUseHelpITunes4() {
  QImage image = BlankCanvas();
  QPainter painter(&image);
  Antialiased(painter);
  SketchWindow(painter, kFrame, "iTunes");
  const QRect iPodRow = DrawSourceList(painter, "");
  DrawPlaceholderLines(painter, kFrame.left() + 120, kFrame.top() + 34, 4, 220);
  const QRect optionsButton(kFrame.right() - 36, kFrame.bottom() - 28, 24, 20);
  SketchButton(painter, optionsButton, "", false);
  painter.setPen(QColor(0x55, 0x55, 0x55));
  painter.drawRoundedRect(QRect(optionsButton.center().x() - 4, optionsButton.top() + 4, 8, 12), 2, 2);

  const QRect dialog(kFrame.left() + 130, kFrame.top() + 100, 220, 132);
  SketchWindow(painter, dialog, "iPod Preferences");
  const QRect diskUse =
      DrawDiskUseBoxes(painter, QPoint(dialog.left() + 14, dialog.top() + 25), 21, 120, {true, false, false});
  const QRect okButton(dialog.right() - 66, dialog.bottom() - 26, 54, 18);
  SketchButton(painter, okButton, "OK", true);

  RingSteps(painter, {iPodRow.adjusted(4, 0, -4, 0), optionsButton, diskUse, okButton});
  return image;
}

QImage DrawDiskUseHelpITunes6() {
  QImage image = BlankCanvas();
  QPainter painter(&image);
  Antialiased(painter);
  SketchWindow(painter, kFrame, "Preferences");
  const int toolbarTop = kFrame.top() + 24;
  const QStringList panes = {"General", "iPod", "", "", "", ""};
  QRect iPodPane;
  for (int i = 0; i < panes.size(); ++i) {
    const QRect pane(kFrame.left() + 14 + i * 58, toolbarTop, 52, 40);
    SketchPaneButton(painter, pane, panes[i], i == 1);
    if (i == 1) iPodPane = pane;
  }
  painter.setPen(QColor(0xa8, 0xa8, 0xa8));
  painter.drawLine(kFrame.left() + 1, toolbarTop + 46, kFrame.right() - 1, toolbarTop + 46);

  const QRect options(kFrame.left() + 30, toolbarTop + 76, 320, 126);
  SketchGroupBox(painter, options, "iPod");
  const QRect diskUse = DrawDiskUseBoxes(painter, QPoint(options.left() + 16, options.top() + 14), 22, 170,
                                         {true, false, true});
  const QRect okButton(kFrame.right() - 74, kFrame.bottom() - 30, 60, 20);
  SketchButton(painter, QRect(okButton.left() - 72, okButton.top(), 60, 20), "Cancel", false);
  SketchButton(painter, okButton, "OK", true);

  RingSteps(painter, {iPodPane.adjusted(2, 0, -2, 0), diskUse, okButton});
  return image;
}

QImage DrawDiskUseHelpITunes7() {
  QImage image = BlankCanvas();
  QPainter painter(&image);
  Antialiased(painter);
  SketchWindow(painter, kFrame, "iTunes");
  const QRect iPodRow = DrawSourceList(painter, "DEVICES");

  const int left = kFrame.left() + 118;
  const QRect summaryTab(left, kFrame.top() + 28, 64, 18);
  SketchTab(painter, summaryTab, "Summary", true);
  for (int i = 0; i < 3; ++i)
    SketchTab(painter, QRect(summaryTab.right() + 1 + i * 50, summaryTab.top(), 50, 18), "", false);
  painter.setPen(QColor(0x55, 0x55, 0x55));
  painter.setBrush(QColor(0xe8, 0xe8, 0xe8));
  painter.drawRoundedRect(QRect(left + 6, kFrame.top() + 58, 30, 48), 5, 5);
  DrawPlaceholderLines(painter, left + 48, kFrame.top() + 62, 3, 150);

  const QRect options(left, kFrame.top() + 136, 250, 96);
  SketchGroupBox(painter, options, "Options");
  const QRect diskUse = DrawDiskUseBoxes(painter, QPoint(options.left() + 12, options.top() + 10), 20, 150,
                                         {true, false, false});
  const QRect applyButton(kFrame.right() - 74, kFrame.bottom() - 30, 60, 20);
  SketchButton(painter, applyButton, "Apply", false);

  RingSteps(painter, {iPodRow.adjusted(4, 0, -4, 0), summaryTab, diskUse, applyButton});
  return image;
}
