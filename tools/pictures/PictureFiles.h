#pragma once

#include <QImage>
#include <QString>

// Writes the picture as a PNG; false, with the reason in error, when that fails.
bool WritePng(const QImage& image, const QString& path, QString& error);
// Writes the picture as a baseline JPEG (sequential, not progressive), as every iPod with video
// shows it; false, with the reason in error, when that fails.
bool WriteBaselineJpeg(const QImage& image, const QString& path, QString& error);
