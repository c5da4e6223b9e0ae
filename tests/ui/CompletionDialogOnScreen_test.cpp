#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>
#include <utility>

#include "framework/AtomnoteState.h"
#include "framework/MessageSink.h"
#include "framework/widgets/QtMessageSink.h"
#include "notes/threadClass.h"

namespace {

const std::string kEjectExplanation =
    "If you choose \"Eject iPod and Quit\" your iPod should be ejected so that it can be safely disconnected.  "
    "When your iPod is disconnected, you may access Atomnote under the \"Extras > Notes\" menu on your iPod.";

// The completion dialog shown by the Qt message sink, as the installer shows it.
class CompletionDialogOnScreenTest : public ::testing::Test {
 protected:
  ~CompletionDialogOnScreenTest() override {
    InstallMessageSink(previousSink_);
    App().globalMacOSVersion = savedVersion_;
  }

  const threadClass worker_;

 private:
  std::shared_ptr<MessageSink> previousSink_ = InstallMessageSink(std::make_shared<QtMessageSink>());
  double savedVersion_ = App().globalMacOSVersion;
};

// On screen: a real modal dialog, answered here by pressing its buttons.
TEST_F(CompletionDialogOnScreenTest, AnswersWithTheButtonPressed) {
  App().globalMacOSVersion = 10.4;
  for (const auto& [caption, result] :
       {std::pair<QString, bool>{"Eject iPod and Quit", true}, {"Continue Using Installer", false}}) {
    QString shownExplanation;
    QTimer::singleShot(0, [caption, &shownExplanation] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      shownExplanation = box->informativeText();
      for (QAbstractButton* button : box->buttons()) {
        if (button->text() == caption) return button->click();
      }
      box->buttons().first()->click();
      ADD_FAILURE() << "no button " << caption.toStdString();
    });
    EXPECT_EQ(worker_.successInstall(), result) << caption.toStdString();
    EXPECT_EQ(shownExplanation.toStdString(), kEjectExplanation);
  }
}

}  // namespace
