#pragma once

#include <functional>
#include <map>
#include <string>

#include "framework/FolderItem.h"

// The framework's application object. Run drives the program: the Open event on the first turn
// of the event loop, then events until a quit, then the Close event. Quit only asks: the event
// that asks runs to its end and the program stops once control is back in the event loop. Only
// Quit ends the program: closing its last window does not. From its making on, a write past the
// file-size limit fails as a write error instead of ending the program (SIGXFSZ is ignored).
class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Needs a Qt application object. After the application's Open event, unless it asked to quit,
  // runs showMainWindow (which shows the main window, and so runs its Open event). Returns the exit
  // code given to Quit.
  int Run(const std::function<void()>& showMainWindow = {});
  void Quit(int exitCode = 0);
  bool QuitRequested() const { return quitRequested_; }

  // The running program file (inside the bundle: Contents/MacOS).
  FolderItem ExecutableFile() const;
  // Test seam: the program file ExecutableFile gives; an empty path restores the real one.
  static void SetExecutableFileForTesting(const std::filesystem::path& path);
  // The running program file, whether or not an application object exists.
  static FolderItem RunningExecutable();

  // The one application object; nullptr before it exists.
  static Application* Instance();

  // Runs the EnableMenuItems event: the menus' enabling is brought up to date.
  void EnableMenuItems() { Event_EnableMenuItems(); }

  // A menu command the application handles: handler runs when the item of that name is chosen
  // and no open window handles it. Its result tells whether it handled the command.
  using MenuHandler = std::function<bool()>;
  void AddMenuHandler(const std::string& itemName, MenuHandler handler);
  // The handler bound to the item name; nullptr when none.
  const MenuHandler* MenuHandlerFor(const std::string& itemName) const;

  // Runs the application's Open event directly, without an event loop (for tests).
  void OpenForTesting() { Event_Open(); }

 protected:
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  // Runs whenever the menus' enabling is rebuilt: before a menu opens and when what it depends on
  // may have changed.
  virtual void Event_EnableMenuItems() {}

 private:
  void StopEventLoop();

  std::map<std::string, MenuHandler> menuHandlers_;

  bool opening_ = false;
  bool quitRequested_ = false;
  int exitCode_ = 0;
};
