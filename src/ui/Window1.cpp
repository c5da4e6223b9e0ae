#include "ui/Window1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "data/ResourceCatalogue.h"
#include "framework/Application.h"
#include "framework/AtomnoteState.h"
#include "framework/MessageSink.h"
#include "framework/PictureDrawing.h"
#include "framework/TextFunctions.h"
#include "framework/Yield.h"
#include "framework/widgets/Canvas.h"
#include "install/iPodScanClass.h"
#include "notes/threadClass.h"
#include "prefs/DatasetGroups.h"
#include "prefs/PreferenceGlobals.h"
#include "prefs/ProductInfo.h"
#include "ui/AboutDialog.h"
#include "ui/HelpButtonClass.h"
#include "ui/Window2.h"
#include "ui/WindowMessages.h"
#include "ui/customizeSheet.h"
#include "ui/shadedListbox.h"
#include "ui/softwareLicense.h"

namespace {

// The rows of the dataset list, one per optional property of the element notes, in the order of
// the tokens of the six selection strings.
const std::vector<std::string> kDatasetRowTexts = {
    "melting point",
    "boiling point",
    "heat of vaporization",
    "heat of fusion",
    "specific heat capacity",
    "photoelectric work function",
    "linear expansion coefficient",
    "magnetic susceptibility",
    "density",
    "thermal conductivity",
    "resistivity",
    "superconductivity critical temperature",
    "crystal structure",
    "metal cluster type",
    "nearest neighbor distance",
    "lattice parameter a",
    "lattice parameter c",
    "electron configuration",
    "atomic radius",
    "covalent radius",
    "ionic radius",
    "atomic volume",
    "electronegativity",
    "electron affinity",
    "1st ionization energy",
    "2nd ionization energy",
    "3rd ionization energy",
    "4th ionization energy",
    "electric dipole polarizability",
    "valences",
    "crustal abundances",
    "oceanic abundances",
    "atmospheric abundances",
    "solar system abundances",
    "CAS registry number",
    "discovery, etymology, sources, uses (text)",
    "natural isotopic distribution, isotope counts (text)",
};

constexpr auto kSmall = TextFont::SmallSystem;

// The controls in creation order, which is also the tab order; a later control lies above an
// earlier one. blockingCanvas, made after the monopolize check box and the note under it, lies
// over both and draws nothing. The status line is plain text: a volume name shown in it is never
// read as markup.
// clang-format off
const ControlRow kControls[] = {
  // name                  kind                     left top  width height caption, properties
  {"iconCanvas",          ControlKind::Canvas,      518, 428,  90,  90},
  {"PushButton1",         ControlKind::PushButton,  369, 565, 239,  20, "Install Atomnote on iPod",
                                                    {.isDefault = true, .enabled = false, .lockBottom = true}},
  {"langPopup",           ControlKind::PopupMenu,   452, 315, 156,  20, "",
                                                    {.rows = {"American English", "British English"}, .listIndex = 0}},
  {"StaticText1",         ControlKind::StaticText,  301, 315, 143,  20, "Spelling:", {.align = TextAlign::Right}},
  {"StaticText3",         ControlKind::StaticText,   20,   6, 344,  20, "Choose datasets to install on iPod:"},
  {"StaticText4",         ControlKind::StaticText,   43,  31, 559,  32,
   "always installed: atomic mass, atomic number, state, metal/nonmetal, appearance",
                                                    {.font = kSmall, .multiline = true}},
  {"StaticText11",        ControlKind::StaticText,   20, 290, 100,  20, "Options:"},
  {"MonopolyCheckBox",    ControlKind::CheckBox,     20, 479, 307,  20, "Monopolize iPod Notes Function"},
  {"StaticText12",        ControlKind::StaticText,   43, 501, 390,  22,
   "Only Atomnote options will appear in iPod \"Notes\" menu.", {.font = kSmall, .multiline = true}},
  {"Separator1",          ControlKind::Separator,    86, 298, 524,   6},
  {"Separator2",          ControlKind::Separator,   253,  12, 357,   8},
  {"PushButton2",         ControlKind::PushButton,  118, 565, 239,  20, "Remove Atomnote from iPod",
                                                    {.enabled = false, .lockBottom = true}},
  {"Separator3",          ControlKind::Separator,    20, 527, 590,   6, "", {.lockBottom = true}},
  {"OmitCheckBox",        ControlKind::CheckBox,     20, 440, 295,  20, "Omit Properties with No Data"},
  {"StaticText13",        ControlKind::StaticText,   43, 462, 418,  22,
   "Omit missing data entirely, or include a \"--\" on the iPod display.", {.font = kSmall, .multiline = true}},
  {"InstallList",         ControlKind::Custom,       20,  56, 396, 225, "", {.rows = kDatasetRowTexts},
                                                    MakeShadedListbox},
  {"AllPushButton",       ControlKind::PushButton,  435, 226, 173,  20, "All Datasets"},
  {"NonePushButton",      ControlKind::PushButton,  435, 258, 173,  20, "No Datasets"},
  {"GlossaryCheckBox",    ControlKind::CheckBox,     20, 401, 396,  20, "Include Glossary"},
  {"GlossaryStaticText",  ControlKind::StaticText,   43, 423, 398,  22, "Install a glossary of dataset definitions.",
                                                    {.font = kSmall, .multiline = true}},
  {"PushButton4",         ControlKind::PushButton,  435, 179, 173,  20, "Customize Units"},
  {"blockingCanvas",      ControlKind::Canvas,       20, 479, 350,  51},
  {"Timer1",              ControlKind::Timer,         0,   0,   0,   0, "", {.mode = 1, .period = 1000}},
  {"ErrorStatic",         ControlKind::StaticText,    1, 539, 628,  32,
   "Your iPod must be connected with disk mode enabled before you can install or remove Atomnote.",
                                                    {.font = kSmall, .bold = true, .multiline = true,
                                                     .align = TextAlign::Centre, .lockBottom = true}},
  {"scanTimer",           ControlKind::Timer,         0,   0,   0,   0, "", {.mode = 0, .period = 2500}},
  {"VisualCheckBox",      ControlKind::CheckBox,     20, 316, 228,  20, "Include Visual Tables"},
  {"ImageWell2",          ControlKind::ImageWell,   260, 314, 108,  81},
  {"GlossaryStaticText1", ControlKind::StaticText,   43, 338, 205,  57,
   "Install visual periodic tables; requires iPod with video (5th Generation iPod, iPod Classic, iPod nano with "
   "video).",                                       {.font = kSmall, .multiline = true}},
  {"HelpCanvas",          ControlKind::Custom,       20, 563,  25,  25, "", {}, HelpButtonClass::Make},
};
// clang-format on

// The guard lies over the monopolize check box at 22 (the layout places it at 20) and wholly
// outside the window at 900.
constexpr int kGuardUpLeft = 22;
constexpr int kGuardDownLeft = 900;

constexpr int kIconSize = 90;
constexpr int kThumbnailWidth = 96;
constexpr int kThumbnailHeight = 68;

}  // namespace

Window1::Window1() {
  Layout();
  CreateControls(kControls);
  ConnectHandlers();
  OpenControls();
  AddMenuHandlers();
}

// The menu commands the window answers while it is open.
void Window1::AddMenuHandlers() {
  AddMenuHandler("HelpEnableiPodDiskUseHelp\u2026", [this] { return HelpEnableiPodDiskUseHelp_Action(); });
}

void Window1::Layout() {
  SetTitle("Atomnote " + std::string(kAtomnoteVersion) + " Installer");
  // A document window of one fixed size, with close and minimize buttons only.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(kContentWidth, kContentHeight);
}

// ---- controls ----

Canvas& Window1::iconCanvas() const { return ControlAs<Canvas>("iconCanvas"); }
QPushButton& Window1::PushButton1() const { return ControlAs<QPushButton>("PushButton1"); }
QComboBox& Window1::langPopup() const { return ControlAs<QComboBox>("langPopup"); }
QLabel& Window1::StaticText1() const { return ControlAs<QLabel>("StaticText1"); }
QLabel& Window1::StaticText3() const { return ControlAs<QLabel>("StaticText3"); }
QLabel& Window1::StaticText4() const { return ControlAs<QLabel>("StaticText4"); }
QLabel& Window1::StaticText11() const { return ControlAs<QLabel>("StaticText11"); }
QCheckBox& Window1::MonopolyCheckBox() const { return ControlAs<QCheckBox>("MonopolyCheckBox"); }
QLabel& Window1::StaticText12() const { return ControlAs<QLabel>("StaticText12"); }
QFrame& Window1::Separator1() const { return ControlAs<QFrame>("Separator1"); }
QFrame& Window1::Separator2() const { return ControlAs<QFrame>("Separator2"); }
QPushButton& Window1::PushButton2() const { return ControlAs<QPushButton>("PushButton2"); }
QFrame& Window1::Separator3() const { return ControlAs<QFrame>("Separator3"); }
QCheckBox& Window1::OmitCheckBox() const { return ControlAs<QCheckBox>("OmitCheckBox"); }
QLabel& Window1::StaticText13() const { return ControlAs<QLabel>("StaticText13"); }
shadedListbox& Window1::InstallList() const { return ControlAs<shadedListbox>("InstallList"); }
QPushButton& Window1::AllPushButton() const { return ControlAs<QPushButton>("AllPushButton"); }
QPushButton& Window1::NonePushButton() const { return ControlAs<QPushButton>("NonePushButton"); }
QCheckBox& Window1::GlossaryCheckBox() const { return ControlAs<QCheckBox>("GlossaryCheckBox"); }
QLabel& Window1::GlossaryStaticText() const { return ControlAs<QLabel>("GlossaryStaticText"); }
QPushButton& Window1::PushButton4() const { return ControlAs<QPushButton>("PushButton4"); }
Canvas& Window1::blockingCanvas() const { return ControlAs<Canvas>("blockingCanvas"); }
Timer& Window1::Timer1() const { return ControlAs<Timer>("Timer1"); }
QLabel& Window1::ErrorStatic() const { return ControlAs<QLabel>("ErrorStatic"); }
Timer& Window1::scanTimer() const { return ControlAs<Timer>("scanTimer"); }
QCheckBox& Window1::VisualCheckBox() const { return ControlAs<QCheckBox>("VisualCheckBox"); }
QLabel& Window1::ImageWell2() const { return ControlAs<QLabel>("ImageWell2"); }
QLabel& Window1::GlossaryStaticText1() const { return ControlAs<QLabel>("GlossaryStaticText1"); }
HelpButtonClass& Window1::HelpCanvas() const { return ControlAs<HelpButtonClass>("HelpCanvas"); }

// ---- handlers, connected once every control exists ----

void Window1::ConnectHandlers() {
  ConnectCanvasEvents();
  ConnectButtonEvents();
  ConnectOptionEvents();
  Timer1().OnAction([this] { Timer1_Action(); });
  scanTimer().OnAction([this] { scanTimer_Action(); });
}

void Window1::ConnectCanvasEvents() {
  iconCanvas().OnMouseUp([this](int x, int y) { iconCanvas_MouseUp(x, y); });
  iconCanvas().OnMouseDown([this](int x, int y) { return iconCanvas_MouseDown(x, y); });
  iconCanvas().OnMouseExit([this] { iconCanvas_MouseExit(); });
  iconCanvas().OnMouseEnter([this] { iconCanvas_MouseEnter(); });
  blockingCanvas().OnMouseDown([this](int x, int y) { return blockingCanvas_MouseDown(x, y); });
  blockingCanvas().OnMouseUp([this](int x, int y) { blockingCanvas_MouseUp(x, y); });
}

void Window1::ConnectButtonEvents() {
  QObject::connect(&PushButton1(), &QPushButton::clicked, this, [this] { PushButton1_Action(); });
  QObject::connect(&PushButton2(), &QPushButton::clicked, this, [this] { PushButton2_Action(); });
  QObject::connect(&AllPushButton(), &QPushButton::clicked, this, [this] { AllPushButton_Action(); });
  QObject::connect(&NonePushButton(), &QPushButton::clicked, this, [this] { NonePushButton_Action(); });
  QObject::connect(&PushButton4(), &QPushButton::clicked, this, [this] { PushButton4_Action(); });
}

// A check box's Action and the popup's Change run whenever the value changes, by a click or from
// code.
void Window1::ConnectOptionEvents() {
  QObject::connect(&langPopup(), &QComboBox::currentIndexChanged, this, [this] { langPopup_Change(); });
  QObject::connect(&MonopolyCheckBox(), &QCheckBox::toggled, this, [this] { MonopolyCheckBox_Action(); });
  QObject::connect(&OmitCheckBox(), &QCheckBox::toggled, this, [this] { OmitCheckBox_Action(); });
  QObject::connect(&GlossaryCheckBox(), &QCheckBox::toggled, this, [this] { GlossaryCheckBox_Action(); });
  QObject::connect(&VisualCheckBox(), &QCheckBox::toggled, this, [this] { VisualCheckBox_Action(); });
}

void Window1::OpenControls() {
  iconCanvas_Open();
  InstallList_Open();
}

// ---- the product icon ----

// A fresh 90 x 90 picture of the face under the icon's mask; a picture that cannot be made leaves
// the backdrop as it is, and a missing face or mask draws nothing of itself.
void Window1::ShowIconFace(const Picture& face) {
  QImage picture = NewPicture(kIconSize, kIconSize);
  if (picture.isNull()) return;
  DrawPicture(picture, face, 0, 0);
  DrawMask(picture, vuzarorozedezira90mask());
  iconCanvas().SetBackdrop(std::make_shared<const QImage>(std::move(picture)));
}

std::vector<Picture (*)()> Window1::PicturesDrawnAtOpen() {
  return {vuzarorozedezira90dim, vuzarorozedezira90mask, periodic320vpod};
}

void Window1::iconCanvas_Open() { ShowIconFace(vuzarorozedezira90dim()); }

void Window1::iconCanvas_MouseEnter() { ShowIconFace(vuzarorozedezira90()); }

void Window1::iconCanvas_MouseExit() { ShowIconFace(vuzarorozedezira90dim()); }

bool Window1::iconCanvas_MouseDown(int /*x*/, int /*y*/) { return true; }

void Window1::iconCanvas_MouseUp(int /*x*/, int /*y*/) { AboutDialog().Show(); }

// ---- buttons ----

void Window1::PushButton1_Action() {
  quitASAP = false;
  storeDatasetPreferences();
  createFolders();
  if (!quitASAP) return;
  if (Application* application = Application::Instance()) application->Quit();
}

void Window1::PushButton2_Action() { removeAtomnote(); }

void Window1::PushButton4_Action() { customizeSheet().ShowModalWithin(*this); }

// ---- options ----

void Window1::langPopup_Change() { prefLanguage = langPopup().currentIndex(); }

void Window1::OmitCheckBox_Action() { prefOmitBlanks = OmitCheckBox().isChecked(); }

void Window1::GlossaryCheckBox_Action() { prefGlossary = GlossaryCheckBox().isChecked(); }

// The thumbnail beside the box is dimmed while the visual tables are left out.
void Window1::VisualCheckBox_Action() {
  prefVisualTables = VisualCheckBox().isChecked();
  ImageWell2().setEnabled(prefVisualTables);
}

// ---- the monopolize guard ----

bool Window1::MonopolizeGuardUp() const { return blockingCanvas().x() < kContentWidth; }

// The option is switched on with the guard down; unticking it raises the guard again, so the next
// tick takes the caution first. A tick that reaches the box while the guard is up (from the
// keyboard: clicks go to the guard) is taken back and answered with the caution, as a click is.
void Window1::MonopolyCheckBox_Action() {
  const bool ticked = MonopolyCheckBox().isChecked();
  if (ticked && MonopolizeGuardUp()) {
    MonopolyCheckBox().setChecked(false);
    ShowMonopolizeCaution();
    return;
  }
  prefMonopolizeiPodNotes = ticked;
  if (!ticked) blockingCanvas().move(kGuardUpLeft, blockingCanvas().y());
}

bool Window1::blockingCanvas_MouseDown(int /*x*/, int /*y*/) { return true; }

void Window1::blockingCanvas_MouseUp(int /*x*/, int /*y*/) { ShowMonopolizeCaution(); }

// However the box is answered, the guard is down afterwards.
void Window1::ShowMonopolizeCaution() {
  MsgBox(MonopolizeCautionMessage(), kCautionIcon, "Caution");
  blockingCanvas().move(kGuardDownLeft, blockingCanvas().y());
}

// ---- timers and menu ----

// On a first run, and the first run after an update, the licence agreement opens once, in front
// of this window. The timer counts from the window's making, so it can go off before the window
// has opened, while a message shown before it (the update notice) is still up: the licence then
// waits for the window's Open to end, or the window would come up over it.
void Window1::Timer1_Action() {
  if (gIsNewUser) WhenOpened([] { softwareLicense().Show(); });
  Timer1().SetMode(Timer::kModeOff);
}

void Window1::scanTimer_Action() { scanTimerAction(); }

// Whatever the reminder preference holds and whether or not an iPod is attached.
bool Window1::HelpEnableiPodDiskUseHelp_Action() {
  Window2().ShowModalWithin(*this);
  return false;
}

// ---- window events ----

void Window1::Event_Open() {
  ShowThumbnail();
  scanTimer().SetMode(Timer::kModeOff);
  scanTimerAction();
  applyPreferences();
  scanTimer().SetPeriod(kScanPeriodMs);
  scanTimer().SetMode(Timer::kModeMultiple);
  ShowDiskUseReminder();
}

// The whole 320 x 240 periodic table scaled into a 96 x 68 picture; without the table the
// thumbnail shows nothing.
void Window1::ShowThumbnail() {
  QImage picture = NewPicture(kThumbnailWidth, kThumbnailHeight);
  if (picture.isNull()) return;
  DrawPicture(picture, periodic320vpod(), QRect(0, 0, kThumbnailWidth, kThumbnailHeight),
              QRect(0, 0, 320, 240));
  ImageWell2().setPixmap(QPixmap::fromImage(picture));
}

void Window1::ShowDiskUseReminder() {
  if (iPodScanClass::iPodList.Ubound() != -1 || !prefDiskUseReminder) return;
  Window2().ShowModalWithin(*this);
}

void Window1::Event_Close() {
  storeDatasetPreferences();
  if (Application* application = Application::Instance()) application->Quit();
}

void Window1::Event_Activate() {
  App().disabledWIndow = false;
  HelpCanvas().Refresh(true);
}

void Window1::Event_Deactivate() {
  App().disabledWIndow = true;
  HelpCanvas().Refresh(true);
}

// ---- the dataset list ----

void Window1::InstallList_Open() {
  shadedListbox& list = InstallList();
  list.SetColumnAlignment(0, Listbox::kAlignLeft);
  for (int row = 0; row < list.ListCount(); ++row) {
    list.SetCellType(row, 0, Listbox::kTypeCheckbox);
    Yield();
  }
}

void Window1::AllPushButton_Action() {
  shadedListbox& list = InstallList();
  for (int row = 0; row < list.ListCount(); ++row) {
    list.SetCellCheck(row, 0, true);
    Yield();
  }
}

void Window1::NonePushButton_Action() {
  shadedListbox& list = InstallList();
  for (int row = 0; row < list.ListCount(); ++row) {
    list.SetCellCheck(row, 0, false);
    Yield();
  }
}

// A first run, or the first run after an update from a version older than this one, shows every
// dataset ticked, whatever the stored selection says.
void Window1::applyPreferences() {
  ApplyDatasetChecks();
  ApplyOptionControls();
  if (Val(prefLastUsedVersion) < Val(kAtomnoteVersion)) AllPushButton().click();
}

// Row firstRow + k - 1 of each group is ticked exactly when token k of its selection string is
// "1"; every row is set, so no earlier checkmark survives.
void Window1::ApplyDatasetChecks() {
  shadedListbox& list = InstallList();
  for (int i = 0; i < kDatasetRows; ++i) {
    for (const DatasetGroup& group : kDatasetGroups) {
      if (group.firstRow != i) continue;
      for (int k = 1; k <= group.tokenCount; ++k) {
        list.SetCellCheck(i + k - 1, 0, NthField(*group.selection, " ", k) == "1");
        Yield();
      }
    }
    Yield();
  }
}

// The guard moves before the monopolize box is set, so ticking the box meets the guard down.
void Window1::ApplyOptionControls() {
  GlossaryCheckBox().setEnabled(true);
  GlossaryCheckBox().setText("Include Glossary");
  GlossaryStaticText().setEnabled(true);
  blockingCanvas().move(prefMonopolizeiPodNotes ? kGuardDownLeft : kGuardUpLeft, blockingCanvas().y());
  MonopolyCheckBox().setChecked(prefMonopolizeiPodNotes);
  VisualCheckBox().setChecked(prefVisualTables);
  // The thumbnail follows the box from the start, also when the box keeps its design value and so
  // runs no Action.
  ImageWell2().setEnabled(prefVisualTables);
  OmitCheckBox().setChecked(prefOmitBlanks);
  GlossaryCheckBox().setChecked(prefGlossary);
  langPopup().setCurrentIndex(prefLanguage == 0 || prefLanguage == 1 ? prefLanguage : 0);
}

void Window1::storeDatasetPreferences() {
  for (const DatasetGroup& group : kDatasetGroups) group.selection->clear();
  const shadedListbox& list = InstallList();
  for (int row = 0; row < kDatasetRows; ++row) {
    *DatasetGroupOfRow(row)->selection += list.CellCheck(row, 0) ? "1 " : "0 ";
    Yield();
  }
}

// ---- installation ----

void Window1::SetStatusText(const std::string& text) { ErrorStatic().setText(QString::fromStdString(text)); }

void Window1::SetInstallEnabled(bool enabled) { PushButton1().setEnabled(enabled); }

void Window1::SetRemoveEnabled(bool enabled) { PushButton2().setEnabled(enabled); }

void Window1::StartElementNotes(const FolderItem& elementFolder, iPodLock lock) {
  // The queued run holds the worker, so it needs no owner here.
  const auto worker = std::make_shared<threadClass>();
  worker->startItem = elementFolder;
  worker->installLock = std::move(lock);
  worker->Run();
}

class Window1& Window1() {
  static QPointer<class Window1> instance;
  if (instance.isNull()) instance = new class Window1();
  return *instance;
}
