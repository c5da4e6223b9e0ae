#include "framework/Application.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>
#include <string>
#include <vector>

namespace {

// Records the order of its events; its Open asks to quit half-way.
class QuittingApplication : public Application {
 public:
  std::vector<std::string> events;

 protected:
  void Event_Open() override {
    events.push_back("open begins");
    Quit(3);
    events.push_back("open ends");
  }
  void Event_Close() override { events.push_back("close"); }
};

TEST(ApplicationTest, QuitLetsTheAskingEventFinishThenCloses) {
  QuittingApplication application;
  int exitCode = application.Run();

  EXPECT_EQ(exitCode, 3);
  EXPECT_TRUE(application.QuitRequested());
  EXPECT_EQ(application.events, (std::vector<std::string>{"open begins", "open ends", "close"}));
}

TEST(ApplicationTest, OneApplicationObjectIsReachable) {
  EXPECT_EQ(Application::Instance(), nullptr);
  {
    QuittingApplication application;
    EXPECT_EQ(Application::Instance(), &application);
  }
  EXPECT_EQ(Application::Instance(), nullptr);
}

TEST(ApplicationTest, ExecutableFileIsTheRunningProgram) {
  QuittingApplication application;
  FolderItem executable = application.ExecutableFile();
  ASSERT_FALSE(executable.IsNil());
  EXPECT_EQ(executable.Name(), "framework_tests");
}

TEST(ApplicationTest, QuitOutsideTheEventLoopOnlyAsks) {
  QuittingApplication application;
  application.Quit(2);
  bool later = false;
  QTimer::singleShot(0, [&later] { later = true; });
  QCoreApplication::processEvents();  // nothing queued that would stop a loop started later
  EXPECT_TRUE(later);
  EXPECT_TRUE(application.QuitRequested());
}

}  // namespace
