#include "DiskUseHelp.h"

#include <QPainter>

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
  for (int i = 0; i < 3; ++i) {
    SketchCheckBox(painter, QPoint(dialog.left() + 14, dialog.top() + 28 + i * 18), "", i == 0, 120 - i * 20);
  }
  const QPoint diskUse(dialog.left() + 14, dialog.top() + 84);
  SketchCheckBox(painter, diskUse, "Enable disk use", true);
  const QRect okButton(dialog.right() - 66, dialog.bottom() - 26, 54, 18);
  SketchButton(painter, okButton, "OK", true);

  SketchCallout(painter, iPodRow.adjusted(4, 0, -4, 0), 1);
  SketchCallout(painter, optionsButton, 2);
  SketchCallout(painter, QRect(diskUse.x(), diskUse.y() - 2, 112, 15), 3);
  SketchCallout(painter, okButton, 4);
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
  for (int i = 0; i < 3; ++i) {
    SketchCheckBox(painter, QPoint(options.left() + 16, options.top() + 14 + i * 22), "", i != 1,
                   170 - i * 30);
  }
  const QPoint diskUse(options.left() + 16, options.top() + 14 + 3 * 22);
  SketchCheckBox(painter, diskUse, "Enable disk use", true);
  const QRect okButton(kFrame.right() - 74, kFrame.bottom() - 30, 60, 20);
  SketchButton(painter, QRect(okButton.left() - 72, okButton.top(), 60, 20), "Cancel", false);
  SketchButton(painter, okButton, "OK", true);

  SketchCallout(painter, iPodPane.adjusted(2, 0, -2, 0), 1);
  SketchCallout(painter, QRect(diskUse.x(), diskUse.y() - 2, 112, 15), 2);
  SketchCallout(painter, okButton, 3);
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
  for (int i = 0; i < 3; ++i) {
    SketchCheckBox(painter, QPoint(options.left() + 12, options.top() + 10 + i * 20), "", i == 0,
                   150 - i * 25);
  }
  const QPoint diskUse(options.left() + 12, options.top() + 10 + 3 * 20);
  SketchCheckBox(painter, diskUse, "Enable disk use", true);
  const QRect applyButton(kFrame.right() - 74, kFrame.bottom() - 30, 60, 20);
  SketchButton(painter, applyButton, "Apply", false);

  SketchCallout(painter, iPodRow.adjusted(4, 0, -4, 0), 1);
  SketchCallout(painter, summaryTab, 2);
  SketchCallout(painter, QRect(diskUse.x(), diskUse.y() - 2, 112, 15), 3);
  SketchCallout(painter, applyButton, 4);
  return image;
}
