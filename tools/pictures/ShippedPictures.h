#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "ElementFacts.h"

// A picture resource of the program: resources/pict/<number>-<name>.png, the name being its
// accessor's.
struct PictureResource {
  int number;
  std::string name;
  QImage image;
};

// A visual table as the bundle ships it: resources/bundle/<fileName>, a JPEG.
struct BundlePicture {
  std::string fileName;
  QImage image;
};

struct ShippedPictures {
  std::vector<PictureResource> resources;  // by number
  std::vector<BundlePicture> tables;       // in the order of the iPod's table menu
};

// Every picture the program ships, drawn; the visual tables from the given elements.
ShippedPictures DrawShippedPictures(const std::vector<ElementFact>& elements);
