#pragma once

#include "framework/FolderItem.h"
#include "framework/widgets/Window.h"

class QTextBrowser;
class QUrl;

// The help window: the bundle's help page in a viewer that keeps to the window's edges, with an
// empty 20-pixel strip below it. Links to places in the page, or to other files beside it, are
// followed in the viewer; links anywhere else open in the default browser. One instance at a
// time, reached through HelpWindow(); closing it ends the instance.
class HelpWindow : public Window {
 public:
  HelpWindow();

  QTextBrowser& HTMLViewer1() const;

  // Follows a link of the page: inside the viewer, or in the default browser.
  void HTMLViewer1_AnchorClicked(const QUrl& link);

 protected:
  // Loads the help page; without one the viewer stays blank and nothing is said.
  void Event_Open() override;

 private:
  void ConnectHandlers();
};

// The bundle's help page, Contents/Resources/helpTextMac.html, found from the running program
// file (Contents/MacOS); a nil item when a folder on the way has no parent.
FolderItem HelpPageFile();

// The one instance; the first use (and the first after a close) builds it. Callers show it.
class HelpWindow& HelpWindow();
