#pragma once

#include <string>

#include "framework/FolderItem.h"
#include "framework/TextOutputStream.h"

// Writing notes. Every note is made in one order: the folder's child, the text file created, the
// creator code set, the lines written, the stream closed.

inline constexpr const char* kNoteCreator = "vølk";
inline constexpr const char* kRightsNoticeCreator = "!Rch";
inline constexpr const char* kXmlLine = "<?xml encoding=\"UTF-8\"?>";

// Takes the text as UTF-8 and writes it followed by the stream's line end. A nil stream raises
// NilObjectException before anything is written.
void uniWriteLn(const std::string& text, TextOutputStream& stream);
// The same without a line end.
void uniWrite(const std::string& text, TextOutputStream& stream);

// Creates the note named name in folder with the creator code set; the stream is nil when the
// file could not be created (the first write then raises). The note is made from the folder
// held open (FolderItem::Held), so it is never created through a link: not when the folder, or
// a folder above it, is one, nor when a link has the note's name. Nor on a mount inside the
// tree: not when something is mounted on the folder or where the note goes.
TextOutputStream CreateNote(const FolderItem& folder, const std::string& name,
                            const std::string& creator = kNoteCreator);
