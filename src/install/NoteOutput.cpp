#include "install/NoteOutput.h"

#include "framework/Exceptions.h"
#include "framework/Volumes.h"

namespace {

// Our texts are UTF-8 already, whether they come from the program's literals or from the
// resource texts (declared UTF-8 when loaded), so taking them as UTF-8 leaves their bytes as
// they are. A nil stream is refused before anything is written.
TextOutputStream& RequireStream(TextOutputStream& stream) {
  if (stream.IsNil()) throw NilObjectException("nil TextOutputStream: the note could not be created");
  return stream;
}

}  // namespace

void uniWriteLn(const std::string& text, TextOutputStream& stream) { RequireStream(stream).WriteLine(text); }

void uniWrite(const std::string& text, TextOutputStream& stream) { RequireStream(stream).Write(text); }

TextOutputStream CreateNote(const FolderItem& folder, const std::string& name, const std::string& creator) {
  // A folder reached through a link (one that could not be cleared away) would put the note
  // wherever the link points, off the iPod; a link with the note's name is refused as it is
  // created. So is a mount the clean-up could not delete, on the folder or where the note goes:
  // the note would land on whatever is mounted there. Either way the note has no stream.
  if (!folder.IsFolderReachedWithoutLinks() || IsMountPoint(folder)) return TextOutputStream();
  const FolderItem note = folder.Child(name);
  if (IsMountPoint(note)) return TextOutputStream();
  TextOutputStream stream = note.CreateTextFile();
  // Only a note that was made gets the code: when something else already holds the name (a
  // folder, say), that item is left as it was.
  if (!stream.IsNil()) note.SetMacCreator(creator);
  return stream;
}
