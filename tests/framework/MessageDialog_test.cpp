#include "framework/MessageDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <string>

#include "framework/MessageSink.h"
#include "framework/QtMessageSink.h"
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

// What the real dialog showed when the timer answered it.
struct ShownDialog {
  QString text;
  QString informativeText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList captions;
  Qt::TextFormat explanationFormat = Qt::AutoText;
  bool modal = false;
};

// Presses the button captioned caption once the dialog is on screen, noting what it showed.
void PressWhenShown(const QString& caption, ShownDialog& shown) {
  QTimer::singleShot(0, [caption, &shown] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown.text = box->text();
    shown.informativeText = box->informativeText();
    shown.icon = box->icon();
    shown.modal = box->isModal();
    for (const QLabel* label : box->findChildren<QLabel*>()) {
      if (label->text() == box->informativeText()) shown.explanationFormat = label->textFormat();
    }
    QAbstractButton* pressed = nullptr;
    for (QAbstractButton* button : box->buttons()) {
      shown.captions.append(button->text());
      if (button->text() == caption) pressed = button;
    }
    if (pressed == nullptr) pressed = box->buttons().first();  // the test fails on the answer
    pressed->click();
  });
}

MessageDialogRecord CompletionLikeDialog() {
  return {0,
          "Done & installed.",
          "Look under the \"Extras > Notes\" menu <b>now</b>.",
          {"Eject & Quit", true},
          {"Continue", true},
          {"Cancel", false}};
}

TEST(QtMessageDialogTest, ShowsTheTextsAndTheShownButtonsAsPlainText) {
  ShownDialog shown;
  PressWhenShown("Continue", shown);
  QtMessageSink().ShowMessageDialog(CompletionLikeDialog());

  EXPECT_EQ(shown.text, "Done & installed.");
  EXPECT_EQ(shown.informativeText, "Look under the \"Extras > Notes\" menu <b>now</b>.");
  EXPECT_EQ(shown.explanationFormat, Qt::PlainText);
  EXPECT_EQ(shown.icon, QMessageBox::Information);
  EXPECT_TRUE(shown.modal);
  // An "&" in a caption is shown, not taken as a shortcut mark.
  EXPECT_EQ(shown.captions.size(), 2);
  EXPECT_TRUE(shown.captions.contains("Eject && Quit"));
  EXPECT_TRUE(shown.captions.contains("Continue"));
}

TEST(QtMessageDialogTest, AnswersWithTheButtonPressed) {
  struct Case {
    QString caption;
    MessageDialogAnswer answer;
  };
  for (const Case& c : {Case{"Eject && Quit", MessageDialogAnswer::Action},
                        Case{"Continue", MessageDialogAnswer::AlternateAction},
                        Case{"Cancel", MessageDialogAnswer::Cancel}}) {
    MessageDialogRecord dialog = CompletionLikeDialog();
    dialog.cancelButton.visible = true;
    ShownDialog shown;
    PressWhenShown(c.caption, shown);
    EXPECT_EQ(QtMessageSink().ShowMessageDialog(dialog), c.answer) << c.caption.toStdString();
  }
}

}  // namespace
