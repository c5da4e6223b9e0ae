#include "ui/customizeSheet.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <string>
#include <vector>

#include "notes/UnitLists.h"
#include "prefs/PreferenceGlobals.h"

namespace {

QPointer<class customizeSheet>& Instance() {
  static QPointer<class customizeSheet> instance;
  return instance;
}

// The popup rows of a unit list whose note texts are the sheet's words: the texts without the
// blank that separates them from the number in a note.
std::vector<std::string> RowsOf(const UnitList& list) {
  std::vector<std::string> rows;
  for (const UnitEntry& entry : list.entries) {
    std::string_view text = entry.unitText;
    if (text.starts_with(' ')) text.remove_prefix(1);
    rows.emplace_back(text);
  }
  return rows;
}

// The notes write the temperatures with a ring above and the conductivities without a blank,
// so these rows are the sheet's own. The first character of "ºC", "ºF" and "ºR" is U+00BA.
const std::vector<std::string> kTemperatureRows = {"K", "\u00BAC", "\u00BAF", "\u00BAR", "Rk"};
const std::vector<std::string> kThermalConductivityRows = {"W/m K", "W/cm K"};
const std::vector<std::string> kAtomicMassRows = {"g/mol", "kg/mol"};

constexpr std::uint32_t kBlack = 0x000000;
const ControlProperties kLabel = {.align = TextAlign::Right, .textColour = kBlack};

ControlProperties Popup(std::vector<std::string> rows) {
  return {.textColour = kBlack, .rows = std::move(rows)};
}

// Two columns of rows 32 pixels apart: labels ending 12 pixels left of their popups.
std::vector<ControlRow> MakeControls() {
  // clang-format off
  return {
      // name              kind                     left top  width height caption
      {"StaticText1",    ControlKind::StaticText,     4,  14, 186, 20, "Atomic Mass:",             kLabel},
      {"StaticText2",    ControlKind::StaticText,     4,  46, 186, 20, "Melting Point:",           kLabel},
      {"StaticText3",    ControlKind::StaticText,     4,  78, 186, 20, "Boiling Point:",           kLabel},
      {"StaticText4",    ControlKind::StaticText,     4, 110, 186, 20, "Heat of Vaporization:",    kLabel},
      {"StaticText5",    ControlKind::StaticText,     4, 142, 186, 20, "Heat of Fusion:",          kLabel},
      {"StaticText6",    ControlKind::StaticText,     4, 174, 186, 20, "Specific Heat Capacity:",  kLabel},
      {"StaticText7",    ControlKind::StaticText,     4, 206, 186, 20, "Photoelectric Work Fxn.:", kLabel},
      {"StaticText8",    ControlKind::StaticText,     4, 238, 186, 20, "Atomic Radius:",           kLabel},
      {"StaticText9",    ControlKind::StaticText,     4, 270, 186, 20, "Covalent Radius:",         kLabel},
      {"StaticText10",   ControlKind::StaticText,     4, 302, 186, 20, "Ionic Radius:",            kLabel},
      {"StaticText11",   ControlKind::StaticText,     4, 334, 186, 20, "Electron Affinity:",       kLabel},
      {"StaticText12",   ControlKind::StaticText,     4, 366, 186, 20, "*Ionization Energies:",    kLabel},
      {"StaticText13",   ControlKind::StaticText,   300,  14, 186, 20, "Density:",                 kLabel},
      {"StaticText14",   ControlKind::StaticText,   300,  46, 186, 20, "Superconductivity Tc:",    kLabel},
      {"StaticText15",   ControlKind::StaticText,   300,  78, 186, 20, "Lattice Parameters:",      kLabel},
      {"StaticText16",   ControlKind::StaticText,   300, 110, 186, 20, "Nearest Neighbor:",        kLabel},
      {"StaticText17",   ControlKind::StaticText,   300, 142, 186, 20, "Thermal Conductivity:",    kLabel},
      {"massPopup",      ControlKind::PopupMenu,    202,  14,  98, 20, "", Popup(kAtomicMassRows)},
      {"meltPopup",      ControlKind::PopupMenu,    202,  46,  98, 20, "", Popup(kTemperatureRows)},
      {"boilPopup",      ControlKind::PopupMenu,    202,  78,  98, 20, "", Popup(kTemperatureRows)},
      {"hVapPopup",      ControlKind::PopupMenu,    202, 110,  98, 20, "", Popup(RowsOf(kMolarEnergyUnits))},
      {"hFusPopup",      ControlKind::PopupMenu,    202, 142,  98, 20, "", Popup(RowsOf(kMolarEnergyUnits))},
      {"SpecHeatPopup",  ControlKind::PopupMenu,    202, 174,  98, 20, "", Popup(RowsOf(kSpecificHeatUnits))},
      {"photoPopup",     ControlKind::PopupMenu,    202, 206,  98, 20, "", Popup(RowsOf(kWorkFunctionUnits))},
      {"atRadPopup",     ControlKind::PopupMenu,    202, 238,  98, 20, "", Popup(RowsOf(kRadiusUnits))},
      {"covRadPopup",    ControlKind::PopupMenu,    202, 270,  98, 20, "", Popup(RowsOf(kRadiusUnits))},
      {"ionRadPopup",    ControlKind::PopupMenu,    202, 302,  98, 20, "", Popup(RowsOf(kRadiusUnits))},
      {"EAPopup",        ControlKind::PopupMenu,    202, 334,  98, 20, "", Popup(RowsOf(kElectronAffinityUnits))},
      {"ionEPopup",      ControlKind::PopupMenu,    202, 366,  98, 20, "", Popup(RowsOf(kIonizationEnergyUnits))},
      {"densityPopup",   ControlKind::PopupMenu,    498,  14,  98, 20, "", Popup(RowsOf(kDensityUnits))},
      {"superTPopup",    ControlKind::PopupMenu,    498,  46,  98, 20, "", Popup(kTemperatureRows)},
      {"latticePopup",   ControlKind::PopupMenu,    498,  78,  98, 20, "", Popup(RowsOf(kLengthUnits))},
      {"neighborPopup",  ControlKind::PopupMenu,    498, 110,  98, 20, "", Popup(RowsOf(kLengthUnits))},
      {"thermalPopup",   ControlKind::PopupMenu,    498, 142,  98, 20, "", Popup(kThermalConductivityRows)},
      {"PushButton1",    ControlKind::PushButton,   498, 366,  94, 20, "Save",   {.isDefault = true}},
      {"PushButton2",    ControlKind::PushButton,   372, 366,  94, 20, "Cancel", {.isCancel = true}},
      {"StaticText18",   ControlKind::StaticText,   348, 201, 244, 154,
       "Select the units you want for each property on the iPod. Not all properties have selectable units."
       "\r\r*Ionization Energies selects the units for first, second, third, and fourth ionization energies.",
       {.multiline = true, .textColour = kBlack}},
  };
  // clang-format on
}

// The popups in prefUnits index order, each with the unit list the element notes write its
// quantity by; none for the atomic mass, whose notes give kg/mol for every value but 0.
struct UnitChoice {
  const char* popup;
  const UnitList* notesUnits;
};

const UnitChoice kUnitChoices[] = {
    {"massPopup", nullptr},
    {"meltPopup", &kTemperatureUnits},
    {"boilPopup", &kTemperatureUnits},
    {"hVapPopup", &kMolarEnergyUnits},
    {"hFusPopup", &kMolarEnergyUnits},
    {"SpecHeatPopup", &kSpecificHeatUnits},
    {"photoPopup", &kWorkFunctionUnits},
    {"densityPopup", &kDensityUnits},
    {"thermalPopup", &kThermalConductivityUnits},
    {"atRadPopup", &kRadiusUnits},
    {"covRadPopup", &kRadiusUnits},
    {"ionRadPopup", &kRadiusUnits},
    {"EAPopup", &kElectronAffinityUnits},
    {"ionEPopup", &kIonizationEnergyUnits},
    {"neighborPopup", &kLengthUnits},
    {"latticePopup", &kLengthUnits},
    {"superTPopup", &kTemperatureUnits},
};

constexpr int kKilogramsPerMoleRow = 1;

// The row a popup shows for a stored value: the value itself when it is one of the rows, else
// the row of the unit the notes print for it.
int ShownRow(const UnitChoice& choice, const QComboBox& popup, int stored) {
  if (stored >= 0 && stored < popup.count()) return stored;
  if (choice.notesUnits == nullptr) return kKilogramsPerMoleRow;
  return choice.notesUnits->storedUnitEntry;
}

}  // namespace

customizeSheet::customizeSheet() {
  SetTitle("Customize Units");
  // Not resizable: the size is fixed, so the design's minimum and maximum never come into play.
  setFixedSize(612, 405);
  static const std::vector<ControlRow> kControls = MakeControls();
  CreateControls(kControls);
  ConnectHandlers();
}

void customizeSheet::ConnectHandlers() {
  QObject::connect(&PushButton1(), &QPushButton::clicked, this, [this] { PushButton1_Action(); });
  QObject::connect(&PushButton2(), &QPushButton::clicked, this, [this] { PushButton2_Action(); });
}

QComboBox& customizeSheet::UnitPopup(int i) const {
  return ControlAs<QComboBox>(kUnitChoices[static_cast<std::size_t>(i)].popup);
}

void customizeSheet::displayUnits() {
  for (int i = 0; i <= kUnitQuantityUpperBound; ++i) {
    QComboBox& popup = UnitPopup(i);
    popup.setCurrentIndex(ShownRow(kUnitChoices[static_cast<std::size_t>(i)], popup, prefUnits(i)));
  }
}

void customizeSheet::storeUnits() {
  for (int i = 0; i <= kUnitQuantityUpperBound; ++i) prefUnits(i) = UnitPopup(i).currentIndex();
}

void customizeSheet::PushButton1_Action() {
  storeUnits();
  Close();
}

void customizeSheet::PushButton2_Action() { Close(); }

void customizeSheet::Event_Open() { displayUnits(); }

QLabel& customizeSheet::StaticText1() const { return ControlAs<QLabel>("StaticText1"); }
QLabel& customizeSheet::StaticText2() const { return ControlAs<QLabel>("StaticText2"); }
QLabel& customizeSheet::StaticText3() const { return ControlAs<QLabel>("StaticText3"); }
QLabel& customizeSheet::StaticText4() const { return ControlAs<QLabel>("StaticText4"); }
QLabel& customizeSheet::StaticText5() const { return ControlAs<QLabel>("StaticText5"); }
QLabel& customizeSheet::StaticText6() const { return ControlAs<QLabel>("StaticText6"); }
QLabel& customizeSheet::StaticText7() const { return ControlAs<QLabel>("StaticText7"); }
QLabel& customizeSheet::StaticText8() const { return ControlAs<QLabel>("StaticText8"); }
QLabel& customizeSheet::StaticText9() const { return ControlAs<QLabel>("StaticText9"); }
QLabel& customizeSheet::StaticText10() const { return ControlAs<QLabel>("StaticText10"); }
QLabel& customizeSheet::StaticText11() const { return ControlAs<QLabel>("StaticText11"); }
QLabel& customizeSheet::StaticText12() const { return ControlAs<QLabel>("StaticText12"); }
QLabel& customizeSheet::StaticText13() const { return ControlAs<QLabel>("StaticText13"); }
QLabel& customizeSheet::StaticText14() const { return ControlAs<QLabel>("StaticText14"); }
QLabel& customizeSheet::StaticText15() const { return ControlAs<QLabel>("StaticText15"); }
QLabel& customizeSheet::StaticText16() const { return ControlAs<QLabel>("StaticText16"); }
QLabel& customizeSheet::StaticText17() const { return ControlAs<QLabel>("StaticText17"); }
QComboBox& customizeSheet::massPopup() const { return ControlAs<QComboBox>("massPopup"); }
QComboBox& customizeSheet::meltPopup() const { return ControlAs<QComboBox>("meltPopup"); }
QComboBox& customizeSheet::boilPopup() const { return ControlAs<QComboBox>("boilPopup"); }
QComboBox& customizeSheet::hVapPopup() const { return ControlAs<QComboBox>("hVapPopup"); }
QComboBox& customizeSheet::hFusPopup() const { return ControlAs<QComboBox>("hFusPopup"); }
QComboBox& customizeSheet::SpecHeatPopup() const { return ControlAs<QComboBox>("SpecHeatPopup"); }
QComboBox& customizeSheet::photoPopup() const { return ControlAs<QComboBox>("photoPopup"); }
QComboBox& customizeSheet::atRadPopup() const { return ControlAs<QComboBox>("atRadPopup"); }
QComboBox& customizeSheet::covRadPopup() const { return ControlAs<QComboBox>("covRadPopup"); }
QComboBox& customizeSheet::ionRadPopup() const { return ControlAs<QComboBox>("ionRadPopup"); }
QComboBox& customizeSheet::EAPopup() const { return ControlAs<QComboBox>("EAPopup"); }
QComboBox& customizeSheet::ionEPopup() const { return ControlAs<QComboBox>("ionEPopup"); }
QComboBox& customizeSheet::densityPopup() const { return ControlAs<QComboBox>("densityPopup"); }
QComboBox& customizeSheet::superTPopup() const { return ControlAs<QComboBox>("superTPopup"); }
QComboBox& customizeSheet::latticePopup() const { return ControlAs<QComboBox>("latticePopup"); }
QComboBox& customizeSheet::neighborPopup() const { return ControlAs<QComboBox>("neighborPopup"); }
QComboBox& customizeSheet::thermalPopup() const { return ControlAs<QComboBox>("thermalPopup"); }
QPushButton& customizeSheet::PushButton1() const { return ControlAs<QPushButton>("PushButton1"); }
QPushButton& customizeSheet::PushButton2() const { return ControlAs<QPushButton>("PushButton2"); }
QLabel& customizeSheet::StaticText18() const { return ControlAs<QLabel>("StaticText18"); }

class customizeSheet& customizeSheet() {
  return OneInstance(Instance());
}

bool customizeSheetExists() { return !Instance().isNull() && !Instance()->Ended(); }
