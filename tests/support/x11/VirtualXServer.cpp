#include "support/x11/VirtualXServer.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstring>

// Xlib's macros (None, Bool, Status ...) stay in this file, after every Qt header.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

namespace {

using Clock = std::chrono::steady_clock;

int Remaining(Clock::time_point deadline) {
  return static_cast<int>(std::max<long>(
      0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count()));
}

// Reads the display number Xvfb writes once it is ready for clients.
std::optional<int> ReadDisplayNumber(int descriptor, int timeoutMs) {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  std::string text;
  while (Remaining(deadline) > 0) {
    pollfd ready{descriptor, POLLIN, 0};
    if (poll(&ready, 1, Remaining(deadline)) <= 0) break;
    char buffer[16];
    const ssize_t count = read(descriptor, buffer, sizeof buffer);
    if (count <= 0) break;
    text.append(buffer, static_cast<std::size_t>(count));
    if (text.find('\n') != std::string::npos) return std::stoi(text);
  }
  return std::nullopt;
}

}  // namespace

struct VirtualXServer::Connection {
  Display* display = nullptr;
  Atom pidAtom = 0;
  Atom nameAtom = 0;
  Atom utf8Atom = 0;
  Atom typeAtom = 0;
  Atom dialogAtom = 0;
  // Drawing anywhere on the screen, once WatchDrawing has asked for it.
  Damage screenDamage = 0;
  int damageEventBase = 0;
  struct Drawing {
    Clock::time_point when;
    QRect area;
  };
  std::vector<Drawing> drawings;
};

namespace {

int PassOverXErrors(Display* /*display*/, XErrorEvent* /*error*/) { return 0; }

}  // namespace

VirtualXServer::VirtualXServer(int width, int height) : connection_(std::make_unique<Connection>()) {
  if (!ProgramOnPath("Xvfb")) {
    skipReason_ = "no X server can be started: Xvfb is not installed (scripts/install-deps.sh installs it)";
    return;
  }
  int ready[2];
  if (pipe2(ready, O_CLOEXEC) != 0) {
    skipReason_ = "no pipe for Xvfb to say it is ready";
    return;
  }
  // The write end must reach Xvfb: a copy without close-on-exec under a fixed number.
  const int kReadyDescriptor = 63;
  dup2(ready[1], kReadyDescriptor);
  server_ = std::make_unique<ChildProcess>(
      "Xvfb",
      std::vector<std::string>{"-displayfd", std::to_string(kReadyDescriptor), "-screen", "0",
                               std::to_string(width) + "x" + std::to_string(height) + "x24", "-nolisten",
                               "tcp", "-noreset"},
      ChildProcessOptions{.output = "/dev/null"});
  close(kReadyDescriptor);
  close(ready[1]);
  const std::optional<int> number = server_->Started() ? ReadDisplayNumber(ready[0], 60000) : std::nullopt;
  close(ready[0]);
  if (!number) {
    skipReason_ = "no X server could be started (Xvfb did not come up)";
    server_.reset();
    return;
  }
  // Appended, not ":" + std::to_string(...): GCC 12 at -O3 warns falsely (-Wrestrict) about that.
  displayName_ = std::string(":").append(std::to_string(*number));
  Display* display = XOpenDisplay(displayName_.c_str());
  if (display == nullptr) {
    skipReason_ = "Xvfb started but takes no connection on " + displayName_;
    server_.reset();
    return;
  }
  connection_->display = display;
  // A window can go between listing it and asking about it: the call then fails and the window is
  // passed over, where Xlib's own handler would end the test program.
  XSetErrorHandler(PassOverXErrors);
  connection_->pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  connection_->nameAtom = XInternAtom(display, "_NET_WM_NAME", False);
  connection_->utf8Atom = XInternAtom(display, "UTF8_STRING", False);
  connection_->typeAtom = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
  connection_->dialogAtom = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
  // Windows made, mapped and unmapped below the root wake the waits.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XFlush(display);
}

VirtualXServer::~VirtualXServer() {
  if (connection_->display != nullptr) XCloseDisplay(connection_->display);
  server_.reset();
}

namespace {

std::optional<unsigned long> CardinalProperty(Display* display, Window window, Atom property) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) != Success ||
      data == nullptr) {
    return std::nullopt;
  }
  std::optional<unsigned long> value;
  if (count == 1 && format == 32) value = *reinterpret_cast<unsigned long*>(data);
  XFree(data);
  return value;
}

std::vector<Atom> AtomListProperty(Display* display, Window window, Atom property) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  std::vector<Atom> atoms;
  if (XGetWindowProperty(display, window, property, 0, 32, False, XA_ATOM, &type, &format, &count, &after,
                         &data) != Success ||
      data == nullptr) {
    return atoms;
  }
  if (format == 32) {
    const auto* values = reinterpret_cast<unsigned long*>(data);
    atoms.assign(values, values + count);
  }
  XFree(data);
  return atoms;
}

std::string TextProperty(Display* display, Window window, Atom property, Atom type) {
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &count,
                         &after, &data) != Success ||
      data == nullptr) {
    return {};
  }
  std::string text(reinterpret_cast<const char*>(data), count);
  XFree(data);
  return text;
}

}  // namespace

std::vector<VirtualXServer::WindowInfo> VirtualXServer::WindowsOf(pid_t pid) const {
  std::vector<WindowInfo> windows;
  Display* display = connection_->display;
  if (display == nullptr) return windows;
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) return windows;
  for (unsigned int i = 0; i < count; ++i) {
    const Window window = children[i];
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0 || attributes.map_state != IsViewable)
      continue;
    if (CardinalProperty(display, window, connection_->pidAtom) != static_cast<unsigned long>(pid)) continue;
    WindowInfo info;
    info.id = window;
    info.title = TextProperty(display, window, connection_->nameAtom, connection_->utf8Atom);
    if (info.title.empty()) info.title = TextProperty(display, window, XA_WM_NAME, XA_STRING);
    info.geometry = QRect(attributes.x, attributes.y, attributes.width, attributes.height);
    for (Atom type : AtomListProperty(display, window, connection_->typeAtom)) {
      if (type == connection_->dialogAtom) info.dialog = true;
    }
    windows.push_back(info);
  }
  if (children != nullptr) XFree(children);
  return windows;
}

void VirtualXServer::AwaitEvents(int timeoutMs) const {
  Display* display = connection_->display;
  if (XPending(display) == 0) {
    pollfd ready{ConnectionNumber(display), POLLIN, 0};
    poll(&ready, 1, timeoutMs);
  }
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (connection_->screenDamage != 0 && event.type == connection_->damageEventBase + XDamageNotify) {
      const auto& drawn = reinterpret_cast<const XDamageNotifyEvent&>(event);
      connection_->drawings.push_back(
          {Clock::now(), QRect(drawn.area.x, drawn.area.y, drawn.area.width, drawn.area.height)});
    }
  }
}

bool VirtualXServer::WatchDrawing() const {
  Display* display = connection_->display;
  if (display == nullptr) return false;
  if (connection_->screenDamage == 0) {
    int errorBase = 0;
    if (!XDamageQueryExtension(display, &connection_->damageEventBase, &errorBase)) return false;
    // Every drawing is reported on its own, each with the rectangle it touched; the root's damage
    // takes in the drawing in every window on it.
    connection_->screenDamage =
        XDamageCreate(display, DefaultRootWindow(display), XDamageReportRawRectangles);
  }
  XSync(display, False);
  AwaitEvents(0);
  connection_->drawings.clear();
  return true;
}

std::optional<Clock::time_point> VirtualXServer::WaitForDrawing(const QRect& area, int timeoutMs) const {
  if (connection_->display == nullptr || connection_->screenDamage == 0) return std::nullopt;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    for (const Connection::Drawing& drawing : connection_->drawings) {
      if (drawing.area.intersects(area)) return drawing.when;
    }
    if (Remaining(deadline) == 0) return std::nullopt;
    AwaitEvents(std::min(50, Remaining(deadline)));
  }
}

std::optional<VirtualXServer::WindowInfo> VirtualXServer::WaitForWindow(
    pid_t pid, const std::function<bool(const WindowInfo&)>& condition, int timeoutMs) const {
  if (connection_->display == nullptr) return std::nullopt;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    const std::vector<WindowInfo> windows = WindowsOf(pid);
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
      if (condition(*window)) return *window;
    }
    if (Remaining(deadline) == 0) return std::nullopt;
    // A title set after mapping sends no event to the root: look again at least every 50 ms.
    AwaitEvents(std::min(50, Remaining(deadline)));
  }
}

bool VirtualXServer::WaitForNoWindow(pid_t pid, const std::function<bool(const WindowInfo&)>& condition,
                                     int timeoutMs) const {
  if (connection_->display == nullptr) return false;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  while (true) {
    bool any = false;
    for (const WindowInfo& window : WindowsOf(pid)) any = any || condition(window);
    if (!any) return true;
    if (Remaining(deadline) == 0) return false;
    AwaitEvents(std::min(50, Remaining(deadline)));
  }
}

QImage VirtualXServer::Capture(const WindowInfo& window) const {
  Display* display = connection_->display;
  if (display == nullptr) return {};
  XImage* image = XGetImage(display, window.id, 0, 0, static_cast<unsigned>(window.geometry.width()),
                            static_cast<unsigned>(window.geometry.height()), AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  QImage copy(window.geometry.width(), window.geometry.height(), QImage::Format_RGB32);
  for (int y = 0; y < copy.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x) {
      const unsigned long pixel = XGetPixel(image, x, y);
      line[x] = qRgb(static_cast<int>((pixel & image->red_mask) >> 16),
                     static_cast<int>((pixel & image->green_mask) >> 8),
                     static_cast<int>(pixel & image->blue_mask));
    }
  }
  XDestroyImage(image);
  return copy;
}

namespace {

bool OneColour(const QImage& image) {
  if (image.isNull()) return true;
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) return false;
    }
  }
  return true;
}

}  // namespace

QImage VirtualXServer::CaptureWhenDrawn(const WindowInfo& window, int timeoutMs) const {
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  QImage previous;
  while (true) {
    QImage image = Capture(window);
    if (!OneColour(image) && image == previous) return image;
    if (Remaining(deadline) == 0) return {};
    previous = std::move(image);
    AwaitEvents(std::min(30, Remaining(deadline)));
  }
}

std::function<bool(const VirtualXServer::WindowInfo&)> Titled(const std::string& title) {
  return [title](const VirtualXServer::WindowInfo& window) { return window.title == title; };
}
