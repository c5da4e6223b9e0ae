#include "install/widgets/ProgressWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QString>

namespace {

// The instance in use; null before the first use and after a Close.
QPointer<class progressWindow>& Instance() {
  static QPointer<class progressWindow> instance;
  return instance;
}

// The bar, then the label above it.
// clang-format off
const ControlRow kControls[] = {
    // name           kind                      left top width height caption
    {"ProgressBar1", ControlKind::ProgressBar,   20,  46, 309, 20},
    {"StaticText1",  ControlKind::StaticText,    20,  14, 309, 20, "Installing Atomnote on iPod... allow up to 2 minutes.",
     {.font = TextFont::SmallSystem, .textColour = 0x000000}},
};
// clang-format on

}  // namespace

progressWindow::progressWindow() {
  SetTitle("Installing...");
  // Movable modal: a titled window that can be dragged and keeps the rest of the program from
  // taking clicks while it is shown. It has a minimize button but no close or maximize button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint);
  setWindowModality(Qt::ApplicationModal);
  // Not resizable: the size is fixed, so the design's minimum and maximum never come into play.
  setFixedSize(348, 88);
  CreateControls(kControls);
  CentreOnScreen(*this);
}

void progressWindow::displayTexts(const std::string& title, const std::string& text) {
  SetTitle(title);
  StaticText1().setText(QString::fromStdString(text));
}

void progressWindow::SetProgressMaximum(int maximum) { ProgressBar1().setMaximum(maximum); }

void progressWindow::SetProgressValue(int value) {
  // A progress bar redraws itself, and the window, the moment its value moves by a step it can
  // show. The install moves it after every element, far more often than a person can see, so the
  // bar takes its value at once but is drawn at the next turn of the event loop, with the rest
  // of the window (at most every few milliseconds while the install yields). A full bar is drawn
  // at once: the window may close before the next turn.
  QProgressBar& bar = ProgressBar1();
  bar.setUpdatesEnabled(false);
  bar.setValue(value);
  bar.setUpdatesEnabled(true);
  if (bar.maximum() > 0 && value >= bar.maximum()) bar.repaint();
}

QLabel& progressWindow::StaticText1() const { return ControlAs<QLabel>("StaticText1"); }

QProgressBar& progressWindow::ProgressBar1() const { return ControlAs<QProgressBar>("ProgressBar1"); }

void progressWindow::Close() {
  hide();
  EndInstance();
}

void progressWindow::EndInstance() {
  // The next use builds a fresh window at once. This one is deleted once control is back in the
  // event loop, as its caller may still hold the reference until its own code ends.
  if (Instance() == this) Instance() = nullptr;
  deleteLater();
}

void progressWindow::closeEvent(QCloseEvent* event) {
  // The person cannot close it (it has no close button): while it is shown it keeps a second
  // install or a removal from being started.
  if (event->spontaneous()) {
    event->ignore();
    return;
  }
  // Closed by the program's own code: the same as Close.
  event->accept();
  EndInstance();
}

class progressWindow& progressWindow() {
  QPointer<class progressWindow>& instance = Instance();
  if (instance.isNull()) {
    instance = new class progressWindow();
    // The window is visible as soon as it is created.
    instance->Show();
  }
  return *instance;
}

bool progressWindowExists() { return !Instance().isNull(); }

void CloseProgressWindowIfInFront() {
  if (progressWindowExists() && FrontmostWindow() == &progressWindow()) progressWindow().Close();
}
