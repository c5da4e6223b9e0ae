// Redraws the pictures the program ships: resources/pict/<number>-<name>.png, served as picture
// resources, and the four visual tables as the JPEGs of resources/bundle, from the element data
// compiled into this build. Run it by hand after the element data changes, then commit the
// pictures:
//
//   atomnote_pictures [--sheet FILE.png] REPOSITORY
//
// --sheet also writes the four tables side by side into FILE.png.

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>
#include <vector>

#include "ContactSheet.h"
#include "ElementFacts.h"
#include "PictureFiles.h"
#include "ShippedPictures.h"

namespace {

struct Arguments {
  QString repository;
  QString sheet;
};

bool ParseArguments(const QStringList& arguments, Arguments& parsed) {
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == "--sheet" && i + 1 < arguments.size()) {
      parsed.sheet = arguments[++i];
    } else if (parsed.repository.isEmpty() && !arguments[i].startsWith("-")) {
      parsed.repository = arguments[i];
    } else {
      return false;
    }
  }
  return !parsed.repository.isEmpty();
}

bool WriteAll(const ShippedPictures& pictures, const Arguments& arguments, QString& error) {
  const QDir repository(arguments.repository);
  for (const PictureResource& picture : pictures.resources) {
    const QString name = QString("%1-%2.png").arg(picture.number).arg(QString::fromStdString(picture.name));
    if (!WritePng(picture.image, repository.filePath("resources/pict/" + name), error)) return false;
  }
  std::vector<std::pair<QString, QImage>> sheet;
  for (const BundlePicture& table : pictures.tables) {
    const QString name = QString::fromStdString(table.fileName);
    if (!WriteBaselineJpeg(table.image, repository.filePath("resources/bundle/" + name), error)) return false;
    sheet.emplace_back(name, table.image);
  }
  return arguments.sheet.isEmpty() || WritePng(DrawContactSheet(sheet), arguments.sheet, error);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  Arguments arguments;
  if (!ParseArguments(application.arguments(), arguments)) {
    std::fprintf(stderr, "usage: atomnote_pictures [--sheet FILE.png] REPOSITORY\n");
    return 2;
  }
  QDir(arguments.repository).mkpath("resources/pict");
  QDir(arguments.repository).mkpath("resources/bundle");
  try {
    QString error;
    if (!WriteAll(DrawShippedPictures(ShippedElements()), arguments, error)) {
      std::fprintf(stderr, "atomnote_pictures: %s\n", qPrintable(error));
      return 1;
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "atomnote_pictures: %s\n", failure.what());
    return 1;
  }
  return 0;
}
