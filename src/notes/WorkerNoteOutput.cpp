#include "install/NoteOutput.h"
#include "notes/threadClass.h"

// The worker writes its notes exactly as the install driver writes the menu notes.

void threadClass::uniWriteLn(const std::string& text, TextOutputStream& stream) const {
  ::uniWriteLn(text, stream);
}

void threadClass::uniWrite(const std::string& text, TextOutputStream& stream) const {
  ::uniWrite(text, stream);
}
