#include "PictureFiles.h"

#include <QImageWriter>

namespace {

constexpr int kJpegQuality = 92;

bool Write(QImageWriter& writer, const QImage& image, QString& error) {
  if (writer.write(image)) return true;
  error = writer.fileName() + ": " + writer.errorString();
  return false;
}

}  // namespace

bool WritePng(const QImage& image, const QString& path, QString& error) {
  QImageWriter writer(path, "png");
  return Write(writer, image, error);
}

bool WriteBaselineJpeg(const QImage& image, const QString& path, QString& error) {
  QImageWriter writer(path, "jpeg");
  writer.setQuality(kJpegQuality);
  writer.setProgressiveScanWrite(false);
  writer.setOptimizedWrite(false);
  return Write(writer, image.convertToFormat(QImage::Format_RGB32), error);
}
