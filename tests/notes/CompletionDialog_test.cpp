#include <gtest/gtest.h>

#include <string>

#include "framework/AtomnoteState.h"
#include "framework/MessageDialog.h"
#include "framework/MessageSink.h"
#include "framework/TextFunctions.h"
#include "notes/threadClass.h"
#include "support/TestSupport.h"

namespace {

const std::string kMessage = "Atomnote has been installed with your selected options on your iPod.";
const std::string kEjectExplanation =
    "If you choose \"Eject iPod and Quit\" your iPod should be ejected so that it can be safely disconnected.  "
    "When your iPod is disconnected, you may access Atomnote under the \"Extras > Notes\" menu on your iPod.";
const std::string kQuitExplanation =
    "You may now eject your iPod (use iTunes or the Finder to eject your iPod).  "
    "When your iPod is disconnected, you may access Atomnote under the \"Extras > Notes\" menu on your iPod.";

class CompletionDialogTest : public ::testing::Test {
 protected:
  ~CompletionDialogTest() override { App().globalMacOSVersion = savedVersion_; }

  ScopedRecordingSink sink_;
  const threadClass worker_;

 private:
  double savedVersion_ = App().globalMacOSVersion;
};

struct VersionCase {
  double version;
  std::string actionCaption;
  const std::string* explanation;
};

class CompletionDialogVersionTest : public CompletionDialogTest,
                                    public ::testing::WithParamInterface<VersionCase> {};

TEST_P(CompletionDialogVersionTest, ShowsTheTextsOfTheSystem) {
  App().globalMacOSVersion = GetParam().version;
  worker_.successInstall();
  ASSERT_EQ(sink_.dialogs().size(), 1u);
  const MessageDialogRecord& dialog = sink_.dialogs()[0];
  EXPECT_EQ(dialog.icon, 0);
  EXPECT_EQ(dialog.message, kMessage);
  EXPECT_EQ(dialog.explanation, *GetParam().explanation);
  EXPECT_EQ(dialog.actionButton.caption, GetParam().actionCaption);
  EXPECT_TRUE(dialog.actionButton.visible);
  EXPECT_EQ(dialog.alternateActionButton.caption, "Continue Using Installer");
  EXPECT_TRUE(dialog.alternateActionButton.visible);
  EXPECT_FALSE(dialog.cancelButton.visible);
}

INSTANTIATE_TEST_SUITE_P(Versions, CompletionDialogVersionTest,
                         ::testing::Values(VersionCase{10.4, "Eject iPod and Quit", &kEjectExplanation},
                                           VersionCase{10.5, "Eject iPod and Quit", &kEjectExplanation},
                                           VersionCase{10.3, "Quit", &kQuitExplanation},
                                           VersionCase{10.39, "Quit", &kQuitExplanation}),
                         [](const ::testing::TestParamInfo<VersionCase>& info) {
                           return "MacOS" + TestNameOf(Str(info.param.version));
                         });

// After an error in the element notes the dialog does not claim success: it says the install did
// not complete and how far it got, with a caution icon and the same two choices.
TEST_F(CompletionDialogTest, AfterAnErrorTellsHowFarTheInstallGot) {
  struct Case {
    int elementsWritten;
    double version;
    std::string actionCaption;
    std::string explanation;
  };
  const Case cases[] = {
      {37, 10.4, "Eject iPod and Quit",
       "An error stopped the install after 37 of the 111 elements were written. Install Atomnote again to "
       "complete it.  If you choose \"Eject iPod and Quit\" your iPod should be ejected so that it can be "
       "safely disconnected."},
      {1, 10.4, "Eject iPod and Quit",
       "An error stopped the install after 1 of the 111 elements was written. Install Atomnote again to "
       "complete it.  If you choose \"Eject iPod and Quit\" your iPod should be ejected so that it can be "
       "safely disconnected."},
      {0, 10.3, "Quit",
       "An error stopped the install before any of the 111 elements was written. Install Atomnote again to "
       "complete it.  You may now eject your iPod (use iTunes or the Finder to eject your iPod)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.elementsWritten);
    App().globalMacOSVersion = c.version;
    threadClass worker;
    worker.elementsWritten = c.elementsWritten;
    worker.elementNotesFailed = true;
    sink_.SetDialogAnswer(MessageDialogAnswer::Action);

    EXPECT_TRUE(worker.successInstall());

    const MessageDialogRecord& dialog = sink_.dialogs().back();
    EXPECT_EQ(dialog.icon, MessageDialog::kDialogCautionIcon);
    EXPECT_EQ(dialog.message, "Atomnote was not completely installed on your iPod.");
    EXPECT_EQ(dialog.explanation, c.explanation);
    EXPECT_EQ(dialog.actionButton.caption, c.actionCaption);
    EXPECT_EQ(dialog.alternateActionButton.caption, "Continue Using Installer");
    EXPECT_TRUE(dialog.alternateActionButton.visible);
  }
}

// Only the action button answers true, "Quit" before 10.4 included.
TEST_F(CompletionDialogTest, TrueOnlyForTheActionButton) {
  struct Case {
    double version;
    MessageDialogAnswer answer;
    bool result;
  };
  for (const Case& c :
       {Case{10.4, MessageDialogAnswer::Action, true}, Case{10.3, MessageDialogAnswer::Action, true},
        Case{10.4, MessageDialogAnswer::AlternateAction, false},
        Case{10.3, MessageDialogAnswer::AlternateAction, false},
        Case{10.4, MessageDialogAnswer::Cancel, false}, Case{10.4, MessageDialogAnswer::None, false}}) {
    App().globalMacOSVersion = c.version;
    sink_.SetDialogAnswer(c.answer);
    EXPECT_EQ(worker_.successInstall(), c.result) << c.version << " " << static_cast<int>(c.answer);
  }
}

}  // namespace
