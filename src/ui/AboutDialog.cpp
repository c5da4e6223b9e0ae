#include "ui/AboutDialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <cstdint>
#include <vector>

#include "data/ResourceCatalogue.h"
#include "framework/Application.h"
#include "framework/ExecutableFormat.h"
#include "framework/Timer.h"
#include "framework/widgets/Canvas.h"
#include "ui/WindowMessages.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrey = 0x666666;

// Canvas1 holds the "TM" label, whose place is written as its place in the window less the
// logo's corner. The hidden spot, made last, lies above the logo's lower-left part and reaches
// past the window's left and bottom edges.
std::vector<ControlRow> Controls() {
  // clang-format off
  return {
      // name                 kind                     left       top  width height caption
      {"PushButton1",         ControlKind::PushButton,   395,       225,  69,  20, "Okay", {.isDefault = true}},
      {"Timer1",              ControlKind::Timer,          0,         0,   0,   0, "", {.mode = 0, .period = 70060}},
      {"Canvas1",             ControlKind::Canvas,        12,       147, 120, 110, "", {.backdrop = newSmallBlackLogo()}},
      {"StaticText3",         ControlKind::StaticText, 56 - 12, 228 - 147,  28,  20, "TM",
       {.font = TextFont::SmallSystem, .textSize = 10, .textColour = kGrey, .parent = "Canvas1"}},
      {"StaticText2",         ControlKind::StaticText,   147,        14, 366,  33, "Atomnote Installer",
       {.textSize = 24, .bold = true, .multiline = true, .textColour = kWhite}},
      {"languageModeDisplay", ControlKind::StaticText,   169,        44, 335,  16, "your chemistry meets your music",
       {.textSize = 10, .textColour = kWhite}},
      {"Canvas2",             ControlKind::Canvas,        12,        14, 128, 128, "", {.backdrop = vuzarorozedezira128black()}},
      {"StaticText1",         ControlKind::StaticText,   152,        80, 312, 133, "",
       {.textSize = 12, .multiline = true, .textColour = kWhite}},
      {"Canvas3",             ControlKind::Canvas,       -44,       211, 100, 100},
  };
  // clang-format on
}

// Brings the menus' enabling up to date at once, now that the window is gone.
void EnableMenuItems() {
  if (Application* application = Application::Instance()) application->EnableMenuItems();
}

}  // namespace

AboutDialog::AboutDialog() {
  SetTitle("About Atomnote Installer\u2026");
  // A document window with a close and a minimize box, no zoom box, at a fixed size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinimizeButtonHint);
  setFixedSize(487, 266);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);
  CreateControls(Controls());
  CentreOnScreen(*this);
  ConnectHandlers();
}

void AboutDialog::ConnectHandlers() {
  QObject::connect(&PushButton1(), &QPushButton::clicked, this, [this] { PushButton1_Action(); });
  Timer1().OnAction([this] { Timer1_Action(); });
  Canvas3().OnMouseDown([this](int x, int y) { return Canvas3_MouseDown(x, y); });
  Canvas3().OnMouseUp([this](int x, int y) { Canvas3_MouseUp(x, y); });
}

QPushButton& AboutDialog::PushButton1() const { return ControlAs<QPushButton>("PushButton1"); }
Timer& AboutDialog::Timer1() const { return ControlAs<Timer>("Timer1"); }
Canvas& AboutDialog::Canvas1() const { return ControlAs<Canvas>("Canvas1"); }
QLabel& AboutDialog::StaticText3() const { return ControlAs<QLabel>("StaticText3"); }
QLabel& AboutDialog::StaticText2() const { return ControlAs<QLabel>("StaticText2"); }
QLabel& AboutDialog::languageModeDisplay() const { return ControlAs<QLabel>("languageModeDisplay"); }
Canvas& AboutDialog::Canvas2() const { return ControlAs<Canvas>("Canvas2"); }
QLabel& AboutDialog::StaticText1() const { return ControlAs<QLabel>("StaticText1"); }
Canvas& AboutDialog::Canvas3() const { return ControlAs<Canvas>("Canvas3"); }

void AboutDialog::Event_Open() {
  StaticText2().setText("Atomnote Installer");
  StaticText1().setText(QString::fromStdString(AboutCreditsText()));
}

void AboutDialog::PushButton1_Action() { close(); }

void AboutDialog::Timer1_Action() {
  close();
  EnableMenuItems();
}

bool AboutDialog::Canvas3_MouseDown(int /*x*/, int /*y*/) { return true; }

void AboutDialog::Canvas3_MouseUp(int /*x*/, int /*y*/) {
  QLabel& text = StaticText1();
  text.setText(QString::fromStdString(AboutBuildInformationFirstLine() + "\n" + kAboutBinaryLabel));
  text.setText(text.text() + QString::fromStdString(ExecutableFormatOf(Application::RunningExecutable())));
}

bool AboutDialog::Event_MouseDown(int /*x*/, int /*y*/) {
  close();
  EnableMenuItems();
  return false;
}

void AboutDialog::mousePressEvent(QMouseEvent* event) {
  // Presses on a control that does not take them come here too; only the background counts.
  const QPoint at = ContentArea().mapFrom(this, event->position().toPoint());
  if (event->button() != Qt::LeftButton || ContentArea().childAt(at) != nullptr) {
    Window::mousePressEvent(event);
    return;
  }
  Event_MouseDown(at.x(), at.y());
}

class AboutDialog& AboutDialog() {
  static QPointer<class AboutDialog> instance;
  return OneInstance(instance);
}
