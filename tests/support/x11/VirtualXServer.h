#pragma once

#include <sys/types.h>

#include <QImage>
#include <QRect>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/ChildProcess.h"

// A virtual X server (Xvfb) of its own for a test or a benchmark, on a display number it finds
// free, with a connection to it that watches its top-level windows. Where no X server can be
// started, skipReason() says why.
class VirtualXServer {
 public:
  VirtualXServer(int width = 1024, int height = 768);
  ~VirtualXServer();
  VirtualXServer(const VirtualXServer&) = delete;
  VirtualXServer& operator=(const VirtualXServer&) = delete;

  bool Running() const { return skipReason_.empty(); }
  const std::string& skipReason() const { return skipReason_; }
  // The display's name for DISPLAY, such as ":1".
  const std::string& DisplayName() const { return displayName_; }

  // A top-level window as the X server knows it.
  struct WindowInfo {
    unsigned long id = 0;
    std::string title;
    QRect geometry;  // on the screen
    bool dialog = false;
    bool operator==(const WindowInfo&) const = default;
  };
  // The mapped top-level windows of a process, back to front.
  std::vector<WindowInfo> WindowsOf(pid_t pid) const;
  // Waits until a mapped window of the process meets the condition, at most timeoutMs; the first
  // that does, front first.
  std::optional<WindowInfo> WaitForWindow(pid_t pid, const std::function<bool(const WindowInfo&)>& condition,
                                          int timeoutMs) const;
  // Waits until no window of the process meets the condition, at most timeoutMs; whether none
  // does.
  bool WaitForNoWindow(pid_t pid, const std::function<bool(const WindowInfo&)>& condition,
                       int timeoutMs) const;
  // Drawing on the screen from now on is noted with the time it was reported (the X server's
  // Damage extension). Call it with the screen quiet: drawing before the call is forgotten.
  // False where the X server cannot report drawing.
  bool WatchDrawing() const;
  // The time the first drawing noted since WatchDrawing touched the area (on the screen); waits
  // at most timeoutMs for one. A window that is mapped shows nothing of its own until its program
  // draws into it, so the first drawing into a new window's area is its first frame.
  std::optional<std::chrono::steady_clock::time_point> WaitForDrawing(const QRect& area, int timeoutMs) const;

  // What the X server shows of the window: its pixels as they are on the screen.
  QImage Capture(const WindowInfo& window) const;
  // The window's pixels once the program has drawn it: not one colour, and the same in two looks
  // in a row; an empty image when that does not happen within timeoutMs.
  QImage CaptureWhenDrawn(const WindowInfo& window, int timeoutMs) const;

 private:
  // Takes the X server's events, noting the drawing reported; returns once there was one or
  // timeoutMs passed.
  void AwaitEvents(int timeoutMs) const;

  struct Connection;
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<Connection> connection_;
  std::string displayName_;
  std::string skipReason_;
};

// A condition on a window for the waits above: its title is that one.
std::function<bool(const VirtualXServer::WindowInfo&)> Titled(const std::string& title);
