#include "install/NoteOutput.h"

#include "framework/Exceptions.h"

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
  // Made from the folder held open: a folder that is a link (one that could not be cleared
  // away), or lies below one, would put the note wherever the link points, off the iPod, and a
  // mount the clean-up could not delete would put it on whatever is mounted there. A held
  // folder is never opened through either, and a link or a mount with the note's name is
  // refused as the note is made. Either way the note has no stream.
  TextOutputStream stream = folder.Held().Child(name).CreateTextFile();
  // Only a note that was made gets the code, set on the note itself: when something else
  // already holds the name (a folder, say), that item is left as it was.
  if (!stream.IsNil()) (void)stream.SetMacCreator(creator);
  return stream;
}
