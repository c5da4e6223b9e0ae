#include "ui/softwareLicense.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <vector>

#include "data/ResourceCatalogue.h"

namespace {

// The field's text is the agreement as the resource file holds it, its lines cut by CR.
std::vector<ControlRow> Controls() {
  // clang-format off
  return {
      // name         kind                     left top width height text
      {"EditField1", ControlKind::EditField,    0,   0, 500, 360, licenseAgreement(),
       {.font = TextFont::SmallSystem, .multiline = true, .readOnly = true,
        .scrollbarVertical = true, .scrollbarHorizontal = false,
        .lockLeft = true, .lockTop = true, .lockRight = true, .lockBottom = true}},
  };
  // clang-format on
}

}  // namespace

softwareLicense::softwareLicense() {
  SetTitle("Software License");
  resize(500, 375);
  setMinimumSize(64, 64);
  setMaximumSize(32000, 32000);
  CreateControls(Controls());
}

QPlainTextEdit& softwareLicense::EditField1() const { return ControlAs<QPlainTextEdit>("EditField1"); }

class softwareLicense& softwareLicense() {
  static QPointer<class softwareLicense> instance;
  return OneInstance(instance);
}
