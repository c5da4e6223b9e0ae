#include "framework/widgets/QtMessageSink.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace {

TEST(QtMessageSinkTest, ShowsAModalBoxWithTitleIconAndText) {
  QString seenTitle;
  QString seenText;
  QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
  bool seenModal = false;
  // Answers the box once it is on screen.
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seenTitle = box->windowTitle();
    seenText = box->text();
    seenIcon = box->icon();
    seenModal = box->isModal();
    box->accept();
  });

  QtMessageSink().ShowMessageBox({"Error #722: British translation failure.", 48, "Error"});

  EXPECT_EQ(seenTitle, "Error");
  EXPECT_EQ(seenText, "Error #722: British translation failure.");
  EXPECT_EQ(seenIcon, QMessageBox::Warning);
  EXPECT_TRUE(seenModal);
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
