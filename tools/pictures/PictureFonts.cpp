#include "PictureFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <stdexcept>

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";
constexpr const char* kFamily = "DejaVu Sans Condensed";

void LoadFontFile(const char* fileName) {
  const QString path = QString(kFontFolder) + fileName;
  if (QFontDatabase::addApplicationFont(path) < 0) {
    throw std::runtime_error("cannot load " + path.toStdString() +
                             " (apt-get install fonts-dejavu-core fonts-dejavu-extra)");
  }
}

void LoadFontsOnce() {
  static const bool loaded = [] {
    LoadFontFile("DejaVuSansCondensed.ttf");
    LoadFontFile("DejaVuSansCondensed-Bold.ttf");
    return true;
  }();
  (void)loaded;
}

}  // namespace

QFont PictureFont(int pixelSize, bool bold) {
  LoadFontsOnce();
  QFont font(kFamily);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferFullHinting);
  if (QFontInfo(font).family() != kFamily) {
    throw std::runtime_error(std::string("the font ") + kFamily + " is not available");
  }
  return font;
}
