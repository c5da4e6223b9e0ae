#include "framework/MessageSink.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "framework/QtMessageSink.h"
#include "support/TestSupport.h"

namespace {

TEST(MessageSinkTest, BothFormsReachTheInstalledSink) {
  ScopedRecordingSink sink;
  MsgBox("Thank you!");
  MsgBox("Error #703: Generic setup error.", 48, "Error");

  ASSERT_EQ(sink.messages().size(), 2u);
  EXPECT_EQ(sink.messages()[0].text, "Thank you!");
  EXPECT_EQ(sink.messages()[0].icon, 0);
  EXPECT_EQ(sink.messages()[0].title, "");
  EXPECT_EQ(sink.messages()[1].icon, 48);
  EXPECT_EQ(sink.messages()[1].title, "Error");
}

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

}  // namespace
