#include "framework/Application.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <filesystem>

#include "framework/Exceptions.h"

namespace {
Application* gApplication = nullptr;
std::filesystem::path gExecutableFileForTesting;
}  // namespace

Application::Application() {
  gApplication = this;
  // A write past the file-size limit (ulimit -f) then fails with EFBIG and is reported like any
  // failed write, instead of ending the program part-way through a note.
  std::signal(SIGXFSZ, SIG_IGN);
}

Application::~Application() {
  if (gApplication == this) gApplication = nullptr;
}

Application* Application::Instance() { return gApplication; }

int Application::Run(const std::function<void()>& showMainWindow) {
  QCoreApplication* loop = QCoreApplication::instance();
  if (loop == nullptr) throw NilObjectException("no event loop to run the application in");
  // A message box shown before the main window (an update notice during Open) is the only window
  // while it is up; closing it must not end the program.
  if (qobject_cast<QGuiApplication*>(loop) != nullptr) QGuiApplication::setQuitOnLastWindowClosed(false);
  QTimer::singleShot(0, loop, [this, &showMainWindow] {
    opening_ = true;
    Event_Open();
    opening_ = false;
    if (quitRequested_) {
      StopEventLoop();
    } else if (showMainWindow) {
      showMainWindow();
    }
  });
  QCoreApplication::exec();
  Event_Close();
  return exitCode_;
}

void Application::Quit(int exitCode) {
  quitRequested_ = true;
  exitCode_ = exitCode;
  // During Open the loop stops once Open has ended: stopping it now would also end the loops of
  // the message boxes Open still shows. Outside a running loop there is nothing to stop yet.
  if (!opening_ && QThread::currentThread()->loopLevel() > 0) StopEventLoop();
}

void Application::StopEventLoop() {
  // Queued: the event that asks runs to its end before the loop stops.
  if (QCoreApplication* loop = QCoreApplication::instance()) {
    QTimer::singleShot(0, loop, [exitCode = exitCode_] { QCoreApplication::exit(exitCode); });
  }
}

void Application::AddMenuHandler(const std::string& itemName, MenuHandler handler) {
  menuHandlers_[itemName] = std::move(handler);
}

const Application::MenuHandler* Application::MenuHandlerFor(const std::string& itemName) const {
  const auto found = menuHandlers_.find(itemName);
  return found == menuHandlers_.end() ? nullptr : &found->second;
}

void Application::SetExecutableFileForTesting(const std::filesystem::path& path) {
  gExecutableFileForTesting = path;
}

FolderItem Application::ExecutableFile() const { return RunningExecutable(); }

FolderItem Application::RunningExecutable() {
  if (!gExecutableFileForTesting.empty()) return FolderItem(gExecutableFileForTesting);
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return FolderItem();
  return FolderItem(path);
}
