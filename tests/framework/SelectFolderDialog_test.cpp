#include "framework/SelectFolderDialog.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TestSupport.h"

namespace {

SelectFolderDialog iPodDialog() {
  SelectFolderDialog dialog;
  dialog.Title = "Select your iPod";
  return dialog;
}

TEST(SelectFolderDialogChooser, AnswersInPlaceOfThePersonUntilReplaced) {
  TempFolder temp;
  std::string askedTitle;
  const FolderChoiceFunction previous = SetFolderChoice([&](const SelectFolderDialog& dialog) {
    askedTitle = dialog.Title;
    return FolderItem(temp.path());
  });
  EXPECT_EQ(iPodDialog().ShowModal().Path(), temp.path());
  EXPECT_EQ(askedTitle, "Select your iPod");
  EXPECT_TRUE(SetFolderChoice(previous));
}

// Without a window system nobody can choose: the dialog counts as cancelled.
TEST(SelectFolderDialogChooser, NoChooserGivesNil) {
  const FolderChoiceFunction previous = SetFolderChoice(nullptr);
  EXPECT_TRUE(iPodDialog().ShowModal().IsNil());
  SetFolderChoice(previous);
}

}  // namespace
