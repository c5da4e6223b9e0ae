#include "framework/widgets/QtFolderDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

SelectFolderDialog iPodDialog() {
  SelectFolderDialog dialog;
  dialog.Title = "Select your iPod";
  dialog.PromptText = "Select your iPod.";
  dialog.ActionButtonCaption = "Select";
  dialog.Filter = "special/disk";
  return dialog;
}

QPushButton* AcceptButton(QFileDialog& browser) {
  auto* buttons = browser.findChild<QDialogButtonBox*>();
  if (buttons == nullptr) return nullptr;
  for (QAbstractButton* button : buttons->buttons()) {
    if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
      return qobject_cast<QPushButton*>(button);
  }
  return nullptr;
}

// The real dialog, answered from the event loop it runs: what the person sees, then a choice.
class RealFolderDialogTest : public ::testing::Test {
 protected:
  // Runs answer on the dialog once it is shown, then shows the dialog and waits for it.
  FolderItem ShowAndAnswer(const std::function<void(QWidget& dialog, QFileDialog& browser)>& answer) {
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      auto* browser = dialog->findChild<QFileDialog*>();
      if (browser == nullptr) return;
      poll.stop();
      answer(*dialog, *browser);
    });
    poll.start();
    return ShowQtFolderDialog(iPodDialog());
  }

  TempFolder temp_;
};

TEST_F(RealFolderDialogTest, ShowsTitlePromptAndCaption) {
  QString title, prompt, caption;
  bool foldersOnly = false;
  const FolderItem chosen = ShowAndAnswer([&](QWidget& dialog, QFileDialog& browser) {
    title = dialog.windowTitle();
    if (auto* label = dialog.findChild<QLabel*>("PromptText")) prompt = label->text();
    if (QPushButton* accept = AcceptButton(browser)) caption = accept->text();
    foldersOnly =
        browser.fileMode() == QFileDialog::Directory && browser.testOption(QFileDialog::ShowDirsOnly);
    browser.reject();
  });
  EXPECT_EQ(title, "Select your iPod");
  EXPECT_EQ(prompt, "Select your iPod.");
  EXPECT_EQ(caption, "Select");
  EXPECT_TRUE(foldersOnly);
  EXPECT_TRUE(chosen.IsNil());
}

TEST_F(RealFolderDialogTest, GivesTheChosenFolder) {
  fs::create_directory(temp_ / "My Pod");
  const FolderItem chosen = ShowAndAnswer([&](QWidget&, QFileDialog& browser) {
    browser.setDirectory(QString::fromStdString(temp_.path().string()));
    browser.selectFile(QString::fromStdString((temp_ / "My Pod").string()));
    AcceptButton(browser)->click();
  });
  ASSERT_FALSE(chosen.IsNil());
  EXPECT_EQ(chosen.Path(), temp_ / "My Pod");
}

TEST_F(RealFolderDialogTest, CancelGivesNil) {
  const FolderItem chosen = ShowAndAnswer([](QWidget&, QFileDialog& browser) { browser.reject(); });
  EXPECT_TRUE(chosen.IsNil());
}

}  // namespace
