#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

// Draws one line of text in the box with the given alignment; a text wider than the box is
// narrowed to fit it rather than cut off.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour, Qt::Alignment alignment = Qt::AlignCenter);
