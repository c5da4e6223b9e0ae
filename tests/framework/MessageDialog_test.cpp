#include "framework/MessageDialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/MessageSink.h"
#include "support/TestSupport.h"

namespace {

// A dialog with all three buttons shown.
MessageDialog ThreeButtonDialog() {
  MessageDialog dialog;
  dialog.Icon = MessageDialog::kDialogCautionIcon;
  dialog.Message = "Replace the notes?";
  dialog.Explanation = "The notes on the iPod are older.";
  dialog.ActionButton.Caption = "Replace";
  dialog.AlternateActionButton.Caption = "Keep Both";
  dialog.AlternateActionButton.Visible = true;
  dialog.CancelButton.Visible = true;
  return dialog;
}

TEST(MessageDialogTest, StartsAsANoteWithOnlyItsOKButton) {
  const MessageDialog dialog;
  EXPECT_EQ(dialog.Icon, 0);
  EXPECT_EQ(dialog.ActionButton.Caption, "OK");
  EXPECT_TRUE(dialog.ActionButton.Visible);
  EXPECT_FALSE(dialog.AlternateActionButton.Visible);
  EXPECT_FALSE(dialog.CancelButton.Visible);
}

TEST(MessageDialogTest, TheSinkSeesEveryTextAndButton) {
  ScopedRecordingSink sink;
  MessageDialog dialog = ThreeButtonDialog();
  dialog.ShowModal();

  ASSERT_EQ(sink.dialogs().size(), 1u);
  const MessageDialogRecord& seen = sink.dialogs()[0];
  EXPECT_EQ(seen.icon, 1);
  EXPECT_EQ(seen.message, "Replace the notes?");
  EXPECT_EQ(seen.explanation, "The notes on the iPod are older.");
  EXPECT_EQ(seen.actionButton.caption, "Replace");
  EXPECT_TRUE(seen.actionButton.visible);
  EXPECT_EQ(seen.alternateActionButton.caption, "Keep Both");
  EXPECT_TRUE(seen.alternateActionButton.visible);
  EXPECT_EQ(seen.cancelButton.caption, "Cancel");
  EXPECT_TRUE(seen.cancelButton.visible);
  EXPECT_TRUE(sink.messages().empty());
}

// ShowModal hands back the dialog's own button, so callers compare with it.
TEST(MessageDialogTest, ReturnsTheButtonTheSinkPressed) {
  struct Case {
    MessageDialogAnswer answer;
    MessageDialogButton MessageDialog::*button;
  };
  for (const Case& c : {Case{MessageDialogAnswer::Action, &MessageDialog::ActionButton},
                        Case{MessageDialogAnswer::AlternateAction, &MessageDialog::AlternateActionButton},
                        Case{MessageDialogAnswer::Cancel, &MessageDialog::CancelButton}}) {
    ScopedRecordingSink sink;
    sink.SetDialogAnswer(c.answer);
    MessageDialog dialog = ThreeButtonDialog();
    EXPECT_EQ(dialog.ShowModal(), &(dialog.*c.button)) << static_cast<int>(c.answer);
  }
}

TEST(MessageDialogTest, NoButtonOrAHiddenOneGivesNull) {
  ScopedRecordingSink sink;
  MessageDialog dialog;  // only the action button is shown
  sink.SetDialogAnswer(MessageDialogAnswer::None);
  EXPECT_EQ(dialog.ShowModal(), nullptr);
  sink.SetDialogAnswer(MessageDialogAnswer::Cancel);
  EXPECT_EQ(dialog.ShowModal(), nullptr);
}

// A test that does not choose never presses the button that goes ahead.
TEST(MessageDialogTest, TheRecordingSinkAnswersWithTheAlternateButtonUnlessTold) {
  const ScopedRecordingSink sink;
  MessageDialog dialog = ThreeButtonDialog();
  EXPECT_EQ(dialog.ShowModal(), &dialog.AlternateActionButton);
}

TEST(MessageDialogTest, AnUnattendedAnswerNeverGoesAheadWhenItNeedNot) {
  MessageDialogRecord dialog{0, "m", "e", {"OK", true}, {"Other", true}, {"Cancel", true}};
  EXPECT_EQ(UnattendedAnswer(dialog), MessageDialogAnswer::Cancel);
  dialog.cancelButton.visible = false;
  EXPECT_EQ(UnattendedAnswer(dialog), MessageDialogAnswer::AlternateAction);
  dialog.alternateActionButton.visible = false;
  EXPECT_EQ(UnattendedAnswer(dialog), MessageDialogAnswer::Action);
  dialog.actionButton.visible = false;
  EXPECT_EQ(UnattendedAnswer(dialog), MessageDialogAnswer::None);
}

}  // namespace
