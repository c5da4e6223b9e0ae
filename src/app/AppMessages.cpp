#include "app/AppMessages.h"

#include "framework/TextOutputStream.h"
#include "prefs/ProductInfo.h"

std::string OSVersionTooOldMessage() {
  return std::string("Sorry, Atomnote Installer requires Mac OS X 10.3 or newer.") + std::string(EndOfLine) +
         std::string(EndOfLine) + "The installer must now quit. Visit " + kMakerWebSite +
         " for a version compatible with your edition of Mac OS X.";
}

std::string NoNetworkForWebsiteMessage() {
  return "You need to be connected to the internet to visit Hollowbrook Works' website.";
}

std::string NoNetworkForUpdatesMessage() {
  return "You need to be connected to the internet to check for updates.";
}

std::string BrowserNotStartedMessage(const std::string& url) {
  return "Your web browser could not be started. To see the page, open " + url + " in your browser.";
}
