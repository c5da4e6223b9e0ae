#include "ShippedPictures.h"

#include <algorithm>

#include "DiskUseHelp.h"
#include "MakerLogo.h"
#include "ProductIcon.h"
#include "TableRenderer.h"
#include "VisualTables.h"

ShippedPictures DrawShippedPictures(const std::vector<ElementFact>& elements) {
  ShippedPictures pictures;
  pictures.resources = {
      {168, "newSmallBlackLogo", DrawMakerLogo()},
      {169, "itunes4help", DrawDiskUseHelpITunes4()},
      {171, "vuzarorozedezira90", DrawProductIcon(90, IconLook::kBright)},
      {172, "vuzarorozedezira128black", DrawProductIconOnBlack(128)},
      {173, "itunes6help", DrawDiskUseHelpITunes6()},
      {174, "vuzarorozedezira90mask", DrawProductIconMask(90)},
      {175, "vuzarorozedezira90dim", DrawProductIcon(90, IconLook::kDim)},
      {176, "itunes7circles", DrawDiskUseHelpITunes7()},
  };
  for (const VisualTable& table : VisualTables()) {
    const QImage image = DrawVisualTable(table, elements);
    pictures.resources.push_back({table.pictNumber, table.pictName, image});
    pictures.tables.push_back({table.bundleFile, image});
  }
  std::sort(pictures.resources.begin(), pictures.resources.end(),
            [](const PictureResource& a, const PictureResource& b) { return a.number < b.number; });
  return pictures;
}
