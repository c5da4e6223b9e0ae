#include "framework/Application.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QTimer>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/TextOutputStream.h"
#include "support/TestSupport.h"

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

// Writes more than the file-size limit allows, with the signal at its default, once an
// application object exists; exits with 0 when the write failed as a write, 1 when it did not fail.
[[noreturn]] void WritePastTheFileSizeLimit(const std::string& path) {
  std::signal(SIGXFSZ, SIG_DFL);
  const Application application;
  rlimit limit{};
  limit.rlim_cur = limit.rlim_max = 2048;
  setrlimit(RLIMIT_FSIZE, &limit);
  TextOutputStream note = TextOutputStream::Create(path);
  try {
    note.Write(std::string(4096, 'x'));
    note.Close();
  } catch (const IOException&) {
    std::_Exit(0);
  }
  std::_Exit(1);
}

// Under a file-size limit (ulimit -f) a write past it is a failed write, reported as any other,
// and never the end of the program.
TEST(ApplicationDeathTest, AWritePastTheFileSizeLimitFailsInsteadOfEndingTheProgram) {
  TempFolder temp;
  EXPECT_EXIT(WritePastTheFileSizeLimit(temp / "note"), ::testing::ExitedWithCode(0), "");
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
