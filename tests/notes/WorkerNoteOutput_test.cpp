#include <gtest/gtest.h>

#include "framework/Exceptions.h"
#include "framework/FolderItem.h"
#include "install/NoteOutput.h"
#include "notes/threadClass.h"
#include "support/TestSupport.h"

namespace {

// The worker's pair writes as the install driver's does: Write continues the line that the next
// WriteLine ends; CRs stay inside the line.
TEST(WorkerNoteOutputTest, WritesTheMeltingPartIntoTheNextLine) {
  TempFolder temp;
  const threadClass worker;
  TextOutputStream note = CreateNote(FolderItem(temp.path()), "Fe");
  worker.uniWrite("Melting point: 1538 ˚C", note);
  worker.uniWriteLn(", boiling point: 2861 ˚C", note);
  worker.uniWriteLn("a\rb", note);
  note.Close();
  EXPECT_EQ(ReadFileBytes(temp / "Fe"), "Melting point: 1538 ˚C, boiling point: 2861 ˚C\na\rb\n");
}

TEST(WorkerNoteOutputTest, RefusesANilStream) {
  const threadClass worker;
  TextOutputStream nil;
  EXPECT_THROW(worker.uniWriteLn("text", nil), NilObjectException);
  EXPECT_THROW(worker.uniWrite("text", nil), NilObjectException);
}

}  // namespace
