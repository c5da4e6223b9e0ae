#pragma once

#include <string>

#include "framework/FolderItem.h"
#include "framework/TextOutputStream.h"
#include "framework/Thread.h"
#include "install/iPodLock.h"

// The worker thread of an install: writes one note per element (atomic numbers 1 to 111) into
// the e folder it is handed, with the misc and isotope companion notes, removes "._*" files,
// closes the progress window and shows the completion dialog. Started with Run (it keeps itself
// alive until its run ends).
class threadClass : public Thread {
 public:
  // The e folder of the new notes tree; its parent is the notes root.
  FolderItem startItem;
  // True once a "._*" clean-up found no such file; later clean-ups of the run are skipped.
  bool stopFuturermCMDs = false;
  // How many elements createElements wrote whole (note and companions), and whether an error
  // stopped it; after an error the completion dialog says the install did not complete.
  int elementsWritten = 0;
  bool elementNotesFailed = false;
  // The install's lock on the iPod, held while the run writes and let go before the completion
  // dialog (an open lock would keep the iPod from being ejected).
  iPodLock installLock;

  // Writes the element notes into folder; failures are reported (#712) and end the loop.
  virtual void createElements(const FolderItem& folder);

  void uniWriteLn(const std::string& text, TextOutputStream& stream) const;
  void uniWrite(const std::string& text, TextOutputStream& stream) const;
  // The appearance phrase of the element's colour code; empty for "nul" and unknown codes.
  std::string interpretAppearance(int atomicNumber) const;
  // The whole text of the element's misc note.
  std::string createMisc(int atomicNumber) const;
  // The whole text of the element's isotope note; empty after a failure inside.
  std::string createIsotopes(int atomicNumber) const;
  // The completion dialog (telling of an install that did not complete after an error in the
  // element notes); true when its action button was pressed.
  bool successInstall() const;
  // Removes the "._*" files directly in folder, unless an earlier clean-up found none.
  void blastDotUnderscoreFiles(const FolderItem& folder);
  // The folder's POSIX path with shell escapes; "" on failure.
  std::string unusedFolderPath(const FolderItem& folder) const;

 protected:
  void Event_Run() override;

 private:
  // The "._*" clean-up of the notes root and of its "h", "p" and "g" folders (never "t").
  void CleanUpDotUnderscoreFiles();
  // Lets go of the lock and of the folders held open on the iPod, before the eject.
  void LetGoOfTheiPod();
};
