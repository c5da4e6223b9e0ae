#include <array>
#include <string_view>

#include "data/ElementTables.h"
#include "notes/threadClass.h"

namespace {

struct AppearancePhrase {
  std::string_view code;
  std::string_view phrase;
};

// Codes match whole ("silverwhite2" is a code of its own). The "allotropic:" phrases end with a
// comma: in the element note a blank and the metal class word follow.
constexpr std::array<AppearancePhrase, 23> kAppearancePhrases{{
    {"colorless", "colorless"},
    {"oxygen", "allotropic: colorless or pale blue,"},
    {"fluorine", "pale yellow"},
    {"chlorine", "pale green"},
    {"boron", "brown crystal"},
    {"carbon", "allotropic: clear crystal or black,"},
    {"gold", "yellow"},
    {"copper", "red-brown"},
    {"silverwhite", "silvery white"},
    {"silvergray", "silvery gray"},
    {"bluewhite", "bluish white"},
    {"iodine", "violet-black crystalline"},
    {"phosphorous", "allotropic: white solid or red powder,"},
    {"radium", "white, glowing blue"},
    {"mercury", "silvery"},
    {"sulfur", "yellow crystalline"},
    {"leadlike", "gray"},
    {"bismuth", "slightly reddish"},
    {"bromine", "brown"},
    {"silverwhite2", "silvery white"},
    {"silicon", "brown-black crystalline"},
    {"selenium", "allotropic: bluish metallic or red solid,"},
    {"darkgray", "gray"},
}};

}  // namespace

std::string threadClass::interpretAppearance(int atomicNumber) const {
  const std::string& code = eColor(atomicNumber - 1);
  for (const AppearancePhrase& entry : kAppearancePhrases) {
    if (entry.code == code) return std::string(entry.phrase);
  }
  return "";  // "nul" and every code not in the table
}
