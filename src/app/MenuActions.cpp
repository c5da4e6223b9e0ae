#include <string>

#include "app/AppMessages.h"
#include "app/Atomnote.h"
#include "framework/MessageSink.h"
#include "framework/Network.h"
#include "framework/widgets/Window.h"
#include "prefs/ProductInfo.h"
#include "ui/AboutDialog.h"
#include "ui/HelpWindow.h"
#include "ui/softwareLicense.h"

namespace {

// Opens the maker's page in the person's browser; without a network connection, or when no
// browser starts, says so instead.
void VisitMakerPage(const std::string& url, const std::string& noNetworkMessage) {
  if (!NetworkConnectionAvailable()) {
    MsgBox(noNetworkMessage);
    return;
  }
  if (!ShowURL(url)) MsgBox(BrowserNotStartedMessage(url));
}

}  // namespace

void Atomnote::_ApplicationAddMenuHandlers() {
  AddMenuHandler("AppleAboutAtomnote", [this] { return _AppleAboutAtomnote_Action(); });
  AddMenuHandler("HelpAtomnoteHelp", [this] { return _HelpAtomnoteHelp_Action(); });
  AddMenuHandler("HelpVisitHollowbrookWorksWebsite",
                 [this] { return _HelpVisitHollowbrookWorksWebsite_Action(); });
  AddMenuHandler("HelpCheckForUpdates", [this] { return _HelpCheckForUpdates_Action(); });
  AddMenuHandler("FileCloseWindow", [this] { return _FileCloseWindow_Action(); });
  AddMenuHandler("HelpSoftwareLicense", [this] { return _HelpSoftwareLicense_Action(); });
}

bool Atomnote::_AppleAboutAtomnote_Action() {
  AboutDialog().Show();
  return false;
}

bool Atomnote::_HelpAtomnoteHelp_Action() {
  HelpWindow().Show();
  return false;
}

bool Atomnote::_HelpVisitHollowbrookWorksWebsite_Action() {
  VisitMakerPage(kMakerHomePage, NoNetworkForWebsiteMessage());
  return false;
}

bool Atomnote::_HelpCheckForUpdates_Action() {
  VisitMakerPage(kMakerDownloadsPage, NoNetworkForUpdatesMessage());
  return false;
}

bool Atomnote::_FileCloseWindow_Action() {
  // Closes the front window as its close box would, so a window without one stays up: a sheet
  // until its buttons dismiss it, the progress window until the install or removal closes it (it
  // keeps a second one from starting). The main window's Close stores the dataset selection and
  // quits; any other window just closes.
  QWidget* front = FrontmostWindow();
  if (front != nullptr && HasCloseBox(*front)) front->close();
  return false;
}

bool Atomnote::_HelpSoftwareLicense_Action() {
  softwareLicense().Show();
  return false;
}
