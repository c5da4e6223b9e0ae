#include "ui/WindowMessages.h"

#include <QtGlobal>

#include "data/ResourceCatalogue.h"
#include "framework/TextOutputStream.h"
#include "prefs/ProductInfo.h"

std::string ListboxDrawingErrorMessage() { return "Error #715: Listbox drawing error."; }

std::string MonopolizeCautionMessage() {
  return std::string(
             "Please use the \"Monopolize iPod Notes Function\" with caution. If enabled, only Atomnote will "
             "appear under the iPod's \"Notes\" function.") +
         std::string(EndOfLine) + std::string(EndOfLine) +
         "This provides slightly faster access to Atomnote. However, no other notes installed on your iPod will "
         "be available. Click the checkbox again if you really want to enable this feature.";
}

std::string AboutCreditsText() {
  const std::string productLine = std::string("Atomnote Installer ") + kAtomnoteVersion;
  return productLine + "\n" + "for Mac OS X" + "\n" + aboutRightsLine() + "\n" + aboutCreditsLine() + "\n";
}

std::string AboutBuildInformationFirstLine() {
  return std::string("Version ") + kAtomnoteVersion + ", built with Qt " + QT_VERSION_STR;
}
