#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// Plain drawing pieces for the disk-use help pictures: a simplified window with its parts, and
// numbered red rings that mark where to click, in order. A piece without text (a grey bar)
// stands for something the user need not read.
void SketchWindow(QPainter& painter, const QRect& frame, const QString& title);
void SketchSidebar(QPainter& painter, const QRect& area);
void SketchHeading(QPainter& painter, const QPoint& at, const QString& text);
void SketchListRow(QPainter& painter, const QRect& row, const QString& text, bool selected);
void SketchPlaceholder(QPainter& painter, const QRect& bar);
// A check box and its label; an empty label draws a placeholder bar of the given width.
void SketchCheckBox(QPainter& painter, const QPoint& at, const QString& label, bool checked,
                    int placeholderWidth = 0);
void SketchButton(QPainter& painter, const QRect& button, const QString& label, bool isDefault);
void SketchTab(QPainter& painter, const QRect& tab, const QString& label, bool selected);
void SketchGroupBox(QPainter& painter, const QRect& box, const QString& title);
// A toolbar button of a preferences window: a square symbol over its label.
void SketchPaneButton(QPainter& painter, const QRect& button, const QString& label, bool selected);
// A red ring round the area with the step's number on a red disc at its upper left.
void SketchCallout(QPainter& painter, const QRect& around, int step);
