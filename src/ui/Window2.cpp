#include "ui/Window2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <iterator>

#include "data/ResourceCatalogue.h"
#include "framework/widgets/Canvas.h"
#include "prefs/PreferenceGlobals.h"

namespace {

QPointer<class Window2>& Instance() {
  static QPointer<class Window2> instance;
  return instance;
}

constexpr std::uint32_t kBlack = 0x000000;

// The picture lies below the help text and right of the popup; a later control lies above an
// earlier one, so the text and the popup stay readable where the picture reaches them.
// clang-format off
const ControlRow kControls[] = {
    // name           kind                     left top  width height caption
    {"Canvas1",     ControlKind::Canvas,       187, 106, 398, 305},
    {"StaticText1", ControlKind::StaticText,    20,  14, 562, 154,
     "To install Atomnote, you may need to \"enable disk use\" on your iPod.  This is done in iTunes. "
     "The exact location of this option in iTunes varies depending on which version of iTunes you have. "
     "In iTunes 7 or 8, click on the iPod under \"Devices\" on the left side of the iTunes main window. "
     "Click the \"Summary\" tab, and towards the bottom of the \"Summary\" tab, under \"Options\" make "
     "certain that \"Enable disk use\" is checked. Then click \"Apply\".\r\rOther iTunes:",
     {.multiline = true, .textColour = kBlack}},
    {"PushButton1", ControlKind::PushButton,   481, 417, 101,  20, "Continue", {.isDefault = true}},
    {"CheckBox1",   ControlKind::CheckBox,      20, 417, 298,  20, "Don't Show This Reminder Again"},
    {"PushButton2", ControlKind::PushButton,   397, 417,  72,  20, "Cancel",
     {.isCancel = true, .enabled = false, .visible = false}},
    {"PopupMenu1",  ControlKind::PopupMenu,     20, 148, 135,  20, "",
     {.rows = {"iTunes 4", "iTunes 6", "iTunes 7 or 8"}, .listIndex = 2}},
};
// clang-format on

// Where the picture of each popup row lies, and which picture it is; its top, width and height
// never change.
struct VersionPicture {
  int left;
  Picture (*picture)();
};

const VersionPicture kVersionPictures[] = {
    {150, itunes4help},     // "iTunes 4"
    {155, itunes6help},     // "iTunes 6"
    {187, itunes7circles},  // "iTunes 7 or 8"
};

}  // namespace

Window2::Window2() {
  SetTitle("Install Help");
  // Not resizable: the size is fixed, so the design's minimum and maximum never come into play.
  setFixedSize(595, 456);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);
  CreateControls(kControls);
  Canvas1().SetBackdrop(itunes7circles());
  ConnectHandlers();
}

void Window2::ConnectHandlers() {
  QObject::connect(&PushButton1(), &QPushButton::clicked, this, [this] { PushButton1_Action(); });
  QObject::connect(&CheckBox1(), &QCheckBox::toggled, this, [this] { CheckBox1_Action(); });
  QObject::connect(&PushButton2(), &QPushButton::clicked, this, [this] { PushButton2_Action(); });
  QObject::connect(&PopupMenu1(), &QComboBox::currentIndexChanged, this, [this] { PopupMenu1_Change(); });
}

void Window2::PushButton1_Action() { Close(); }

void Window2::CheckBox1_Action() { prefDiskUseReminder = !CheckBox1().isChecked(); }

void Window2::PushButton2_Action() { Close(); }

void Window2::PopupMenu1_Change() {
  const int row = PopupMenu1().currentIndex();
  if (row < 0 || row >= static_cast<int>(std::size(kVersionPictures))) return;
  const VersionPicture& shown = kVersionPictures[row];
  Canvas& canvas = Canvas1();
  canvas.move(shown.left, canvas.y());
  canvas.SetBackdrop(shown.picture());
}

void Window2::Event_Open() { Canvas1().SetBackdrop(itunes7circles()); }

Canvas& Window2::Canvas1() const { return ControlAs<Canvas>("Canvas1"); }
QLabel& Window2::StaticText1() const { return ControlAs<QLabel>("StaticText1"); }
QPushButton& Window2::PushButton1() const { return ControlAs<QPushButton>("PushButton1"); }
QCheckBox& Window2::CheckBox1() const { return ControlAs<QCheckBox>("CheckBox1"); }
QPushButton& Window2::PushButton2() const { return ControlAs<QPushButton>("PushButton2"); }
QComboBox& Window2::PopupMenu1() const { return ControlAs<QComboBox>("PopupMenu1"); }

class Window2& Window2() {
  return OneInstance(Instance());
}

bool Window2Exists() { return !Instance().isNull() && !Instance()->Ended(); }
