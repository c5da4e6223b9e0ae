#include "data/ResourceCatalogue.h"

#include <map>
#include <memory>
#include <mutex>

#include "framework/Exceptions.h"
#include "framework/ResourceFork.h"

namespace {

// A text's slot: the bytes read and whether the read has happened (a missing text stays empty
// and is not looked for again).
struct TextSlot {
  std::string text;
  bool loaded = false;
};

// One slot per accessor, keyed by its resource number; a slot comes into being on the first
// call of its accessor. Pictures may be decoded ahead on another thread (PicturesDecodedAhead):
// their slots are taken and read under this lock.
std::mutex& PictureSlotsLock() {
  static std::mutex lock;
  return lock;
}

std::map<int, Picture>& PictureSlots() {
  static std::map<int, Picture> slots;
  return slots;
}

std::map<int, TextSlot>& TextSlots() {
  static std::map<int, TextSlot> slots;
  return slots;
}

std::shared_ptr<ResourceFork> ApplicationResourceFile() {
  std::shared_ptr<ResourceFork> fork = ApplicationResourceFork();
  if (!fork) throw NilObjectException("the application has no resource file");
  return fork;
}

// A picture that was found is kept; a missing one is looked for again on the next call.
Picture CachedPicture(int number) {
  const std::lock_guard<std::mutex> locked(PictureSlotsLock());
  Picture& slot = PictureSlots()[number];
  if (!slot) slot = ApplicationResourceFile()->GetPicture(number);
  return slot;
}

// A text is read once; a missing text is kept as the empty text.
const std::string& CachedText(int number) {
  TextSlot& slot = TextSlots()[number];
  if (!slot.loaded) {
    slot.text = ApplicationResourceFile()->GetResource("TEXT", number).value_or(std::string());
    slot.loaded = true;
  }
  return slot.text;
}

}  // namespace

Picture newSmallBlackLogo() { return CachedPicture(168); }
Picture itunes4help() { return CachedPicture(169); }
Picture vuzarorozedezira90() { return CachedPicture(171); }
Picture vuzarorozedezira128black() { return CachedPicture(172); }
Picture itunes6help() { return CachedPicture(173); }
Picture vuzarorozedezira90mask() { return CachedPicture(174); }
Picture vuzarorozedezira90dim() { return CachedPicture(175); }
Picture itunes7circles() { return CachedPicture(176); }
Picture periodic320vpod() { return CachedPicture(177); }
Picture atwt320vpod() { return CachedPicture(178); }
Picture en320vpod() { return CachedPicture(179); }
Picture solidliquidgas320vpod() { return CachedPicture(180); }

std::string physical2() { return CachedText(168); }
std::string physical() { return CachedText(169); }
std::string ores() { return CachedText(170); }
std::string crystal2() { return CachedText(171); }
std::string abundances() { return CachedText(172); }
std::string colorDat() { return CachedText(173); }
std::string bonding2() { return CachedText(174); }
std::string casNum() { return CachedText(175); }
std::string history() { return CachedText(176); }
std::string crystal() { return CachedText(178); }
std::string isotope() { return CachedText(179); }
std::string bonding() { return CachedText(180); }
std::string isotope2() { return CachedText(181); }
std::string Abouttheperiodictable() { return CachedText(183); }
std::string AboutAtomnote() { return CachedText(184); }
std::string names() { return CachedText(185); }
std::string glossary() { return CachedText(186); }
std::string general() { return CachedText(187); }
std::string uses() { return CachedText(188); }
std::string british() { return CachedText(189); }
std::string licenseAgreement() { return CachedText(190); }
std::string aboutRightsLine() { return CachedText(191); }
std::string aboutCreditsLine() { return CachedText(192); }

void ReleaseResourceCatalogue() {
  {
    const std::lock_guard<std::mutex> locked(PictureSlotsLock());
    PictureSlots().clear();
  }
  TextSlots().clear();
}
