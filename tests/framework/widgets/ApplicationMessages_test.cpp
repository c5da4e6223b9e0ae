#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "framework/Application.h"
#include "framework/Yield.h"
#include "framework/widgets/QtMessageSink.h"

namespace {

// Its Open asks to quit, then shows a real message box, as the start-up does on an old system
// before it loads the preferences.
class QuitThenMessageApplication : public Application {
 public:
  bool boxWasShown = false;

 protected:
  void Event_Open() override {
    Quit(0);
    Yield();
    QTimer::singleShot(0, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        boxWasShown = true;
        box->accept();
      }
    });
    QtMessageSink().ShowMessageBox({"Error #89", 48, "Error"});
  }
};

TEST(ApplicationTest, MessagesAfterAQuitRequestStillShow) {
  QuitThenMessageApplication application;
  application.Run();
  EXPECT_TRUE(application.boxWasShown);
}

}  // namespace
