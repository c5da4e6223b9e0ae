#include "ui/HelpWindow.h"

#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QUrl>

#include "framework/Application.h"
#include "framework/Network.h"

namespace {

// clang-format off
const ControlRow kControls[] = {
    // name          kind                      left top width height
    {"HTMLViewer1", ControlKind::HTMLViewer,    0,   0, 465, 343, "",
     {.lockLeft = true, .lockTop = true, .lockRight = true, .lockBottom = true}},
};
// clang-format on

}  // namespace

HelpWindow::HelpWindow() {
  SetTitle("Atomnote Installer Help");
  resize(465, 363);
  setMinimumSize(64, 64);
  setMaximumSize(32000, 32000);
  CreateControls(kControls);
  ConnectHandlers();
}

void HelpWindow::ConnectHandlers() {
  // The window decides where each link goes.
  HTMLViewer1().setOpenLinks(false);
  QObject::connect(&HTMLViewer1(), &QTextBrowser::anchorClicked, this,
                   [this](const QUrl& link) { HTMLViewer1_AnchorClicked(link); });
}

QTextBrowser& HelpWindow::HTMLViewer1() const { return ControlAs<QTextBrowser>("HTMLViewer1"); }

void HelpWindow::Event_Open() {
  const FolderItem page = HelpPageFile();
  if (page.IsNil() || !page.Exists()) return;
  HTMLViewer1().setSource(QUrl::fromLocalFile(QString::fromStdString(page.ShellPath())));
}

void HelpWindow::HTMLViewer1_AnchorClicked(const QUrl& link) {
  const QUrl target = HTMLViewer1().source().resolved(link);
  if (target.isLocalFile()) {
    HTMLViewer1().setSource(target);
  } else {
    ShowURL(target.toString().toStdString());
  }
}

FolderItem HelpPageFile() {
  const FolderItem executable = Application::RunningExecutable();
  if (executable.IsNil()) return executable;
  const FolderItem macOS = executable.Parent();
  if (macOS.IsNil()) return macOS;
  const FolderItem contents = macOS.Parent();
  if (contents.IsNil()) return contents;
  return contents.Child("Resources").Child("helpTextMac.html");
}

class HelpWindow& HelpWindow() {
  static QPointer<class HelpWindow> instance;
  return OneInstance(instance);
}
