#include "framework/widgets/Window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QShowEvent>
#include <QString>
#include <algorithm>
#include <utility>
#include <vector>

#include "framework/widgets/MenuBar.h"

namespace {

// The program's windows from back to front, the front one last. A window moves to the front when
// Show brings it there and when the windowing system reports it active. The windowing system
// reports the active window only after it has handled the request, so a window just shown is in
// front here before the windowing system says so.
std::vector<QPointer<QWidget>>& WindowStack() {
  static std::vector<QPointer<QWidget>> order;
  return order;
}

void BringToFront(QWidget* window) {
  auto& order = WindowStack();
  std::erase_if(order,
                [window](const QPointer<QWidget>& shown) { return shown.isNull() || shown == window; });
  order.emplace_back(window);
}

// The shown window modal to window alone (a sheet of it), which lies in front of it; nullptr when
// there is none.
QWidget* ModalWindowOf(const QWidget* window) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && widget->windowModality() == Qt::WindowModal &&
        widget->parentWidget() != nullptr && widget->parentWidget()->window() == window) {
      return widget;
    }
  }
  return nullptr;
}

// The topmost visible window of the stack; a window held back by a sheet has the sheet in front.
QWidget* FrontVisibleWindow() {
  const auto& order = WindowStack();
  for (auto shown = order.rbegin(); shown != order.rend(); ++shown) {
    if (shown->isNull() || !(*shown)->isVisible()) continue;
    QWidget* modal = ModalWindowOf(shown->data());
    return modal != nullptr ? modal : shown->data();
  }
  return nullptr;
}

QWidget* AnyVisibleTopLevelWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isWindow() && widget->isVisible()) return widget;
  }
  return nullptr;
}

}  // namespace

Window::Window(QWidget* parent) : QWidget(parent, Qt::Window), content_(new QWidget(this)) {
  content_->setObjectName(QStringLiteral("ContentArea"));
  LayOutContent();
}

int Window::MenuBarHeight() const {
  if (menuBar_.isNull() || menuBar_->parentWidget() != this) return 0;
  return menuBar_->sizeHint().height();
}

QSize Window::ContentSize() const { return {width(), height() - MenuBarHeight()}; }

void Window::LayOutContent() {
  const int barHeight = MenuBarHeight();
  if (barHeight > 0) menuBar_->setGeometry(0, 0, width(), barHeight);
  content_->setGeometry(0, barHeight, width(), height() - barHeight);
}

namespace {

// A size limit of the window grown by delta rows; an unset limit stays unset.
int Grown(int limit, int delta, int unset) { return limit == unset ? limit : limit + delta; }

}  // namespace

void Window::SetMenuBar(QMenuBar* bar) {
  const int before = MenuBarHeight();
  if (!menuBar_.isNull() && menuBar_ != bar && menuBar_->parentWidget() == this) menuBar_->hide();
  menuBar_ = bar;
  if (bar != nullptr) {
    // The bar belongs to this window, not to a menu bar of the desktop.
    bar->setNativeMenuBar(false);
    bar->setParent(this);
    bar->show();
  }
  const int delta = MenuBarHeight() - before;
  const int minimum = Grown(minimumHeight(), delta, 0);
  const int maximum = Grown(maximumHeight(), delta, QWIDGETSIZE_MAX);
  // The limit that moves away from the other is set first, so the minimum never passes the
  // maximum on the way.
  if (delta > 0) {
    setMaximumHeight(maximum);
    setMinimumHeight(minimum);
  } else {
    setMinimumHeight(minimum);
    setMaximumHeight(maximum);
  }
  resize(width(), height() + delta);
  LayOutContent();
}

QMenuBar* Window::AttachedMenuBar() const {
  return !menuBar_.isNull() && menuBar_->parentWidget() == this ? menuBar_.data() : nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, MenuHandler handler) {
  menuHandlers_[itemName] = std::move(handler);
}

const Window::MenuHandler* Window::MenuHandlerFor(const std::string& itemName) const {
  const auto found = menuHandlers_.find(itemName);
  return found == menuHandlers_.end() ? nullptr : &found->second;
}

QWidget* Window::Control(const std::string& name) const {
  return findChild<QWidget*>(QString::fromStdString(name));
}

QObject* Window::NamedControl(const std::string& name) const {
  if (name.empty()) return nullptr;
  return findChild<QObject*>(QString::fromStdString(name));
}

void Window::CreateControls(std::span<const ControlRow> rows) {
  // A window not shown yet gets no resize events: the content area takes the design size now.
  LayOutContent();
  designSize_ = ContentSize();
  for (const ControlRow& row : rows) {
    if (row.kind == ControlKind::Timer) {
      CreateTimer(row);
      continue;
    }
    QWidget& control = CreateControl(row);
    const ControlProperties& locks = row.properties;
    if (locks.lockLeft || locks.lockTop || locks.lockRight || locks.lockBottom) {
      lockedControls_.push_back(
          {&control, control.geometry(), locks.lockLeft, locks.lockTop, locks.lockRight, locks.lockBottom});
    }
  }
}

namespace {

// The start and length of a control along one axis when the window grew by delta: locked at
// both ends it stretches, locked only at the far end it moves, otherwise it stays.
std::pair<int, int> Along(int start, int length, bool lockNear, bool lockFar, int delta) {
  if (lockFar && lockNear) return {start, length + delta};
  if (lockFar) return {start + delta, length};
  return {start, length};
}

}  // namespace

void Window::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutContent();
  if (!designSize_.isValid()) return;
  const QSize content = ContentSize();
  const int dx = content.width() - designSize_.width();
  const int dy = content.height() - designSize_.height();
  for (const LockedControl& locked : lockedControls_) {
    if (locked.control.isNull()) continue;
    const QRect& design = locked.design;
    const auto [left, width] = Along(design.left(), design.width(), locked.left, locked.right, dx);
    const auto [top, height] = Along(design.top(), design.height(), locked.top, locked.bottom, dy);
    locked.control->setGeometry(left, top, width, height);
  }
}

QPushButton* Window::ButtonForKey(const QKeyEvent& event) const {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (modifiers != Qt::NoModifier) return nullptr;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return defaultButton_.data();
    case Qt::Key_Escape:
      return cancelButton_.data();
    default:
      return nullptr;
  }
}

void Window::keyPressEvent(QKeyEvent* event) {
  QPushButton* button = ButtonForKey(*event);
  if (button != nullptr && button->isEnabled() && button->isVisible()) {
    event->accept();
    button->click();
    return;
  }
  QWidget::keyPressEvent(event);
}

std::string Window::Title() const { return windowTitle().toStdString(); }

void Window::SetTitle(const std::string& title) { setWindowTitle(QString::fromStdString(title)); }

namespace {

// Headless platforms have no window stacking to change (and say so on every raise).
bool CanRaiseWindows() {
  const QString platform = QGuiApplication::platformName();
  return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

void Window::Show() {
  if (opened_) {
    BringUp();
    return;
  }
  opened_ = true;
  const QPointer<Window> self(this);
  {
    // The Open has ended also when an error escapes it: what waited for it is dropped then, and
    // what is asked for afterwards runs at once.
    const auto ended = qScopeGuard([&self] {
      if (!self.isNull()) self->openEnded_ = true;
    });
    OpenWithoutDrawing();
  }
  if (self.isNull()) return;
  for (const std::function<void()>& action : std::exchange(afterOpen_, {})) action();
}

void Window::OpenWithoutDrawing() {
  // Mapped at once, so the windowing system exposes the window while the Open event runs; drawn
  // once the event has ended, or an error has escaped it.
  const bool updatesWereEnabled = updatesEnabled();
  setUpdatesEnabled(false);
  const QPointer<Window> self(this);
  const auto drawAfterOpen = qScopeGuard([&self, updatesWereEnabled] {
    if (!self.isNull()) self->setUpdatesEnabled(updatesWereEnabled);
  });
  BringUp();
  Event_Open();
}

void Window::WhenOpened(std::function<void()> action) {
  if (openEnded_) {
    action();
    return;
  }
  afterOpen_.push_back(std::move(action));
}

void Window::BringUp() {
  // A window that comes up is put in front by the windowing system; one already up is raised.
  const bool alreadyShown = isVisible();
  show();
  if (alreadyShown && CanRaiseWindows()) raise();
  activateWindow();
  BringToFront(this);
}

void Window::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (AttachedMenuBar() != nullptr) return;
  if (windowType() == Qt::Sheet) {
    ServeQuitShortcutIn(*this);
  } else {
    ServeMenuShortcutsIn(*this);
  }
}

void Window::closeEvent(QCloseEvent* event) {
  Event_Close();
  QWidget::closeEvent(event);
  if (event->isAccepted()) ended_ = true;
}

void Window::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    BringToFront(this);
    Event_Activate();
  } else {
    Event_Deactivate();
  }
}

void Window::Refresh(bool immediately) {
  if (immediately) {
    repaint();
  } else {
    update();
  }
}

namespace {

// A window a person sees as one: not a menu, tool tip or other pop-up part of another window.
bool IsShownWindow(const QWidget* widget) {
  if (!widget->isWindow() || !widget->isVisible()) return false;
  const Qt::WindowType type = widget->windowType();
  return type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet || type == Qt::Tool;
}

}  // namespace

std::vector<QWidget*> OpenWindows() {
  std::vector<QWidget*> windows;
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return windows;
  if (QWidget* front = FrontmostWindow(); front != nullptr && IsShownWindow(front)) windows.push_back(front);
  const auto& order = WindowStack();
  for (auto shown = order.rbegin(); shown != order.rend(); ++shown) {
    QWidget* window = shown->data();
    if (window != nullptr && IsShownWindow(window) && std::ranges::find(windows, window) == windows.end()) {
      windows.push_back(window);
    }
  }
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (IsShownWindow(widget) && std::ranges::find(windows, widget) == windows.end())
      windows.push_back(widget);
  }
  return windows;
}

int WindowCount() { return static_cast<int>(OpenWindows().size()); }

void CentreOnScreen(QWidget& window) {
  QWidget* front = FrontmostWindow();
  QScreen* screen = front != nullptr ? front->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = window.frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window.move(frame.topLeft());
}

QWidget* FrontmostWindow() {
  // Programs without windows (no QApplication) have no frontmost window.
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
  // A window modal to the whole program is in front of every other window as soon as it is shown;
  // a sheet only of the window it is attached to.
  if (QWidget* modal = QApplication::activeModalWidget();
      modal != nullptr && modal->windowModality() != Qt::WindowModal)
    return modal;
  if (QWidget* shown = FrontVisibleWindow()) return shown;
  if (QWidget* active = QApplication::activeWindow()) return active;
  return AnyVisibleTopLevelWindow();
}

bool HasCloseBox(const QWidget& window) { return window.windowFlags().testFlag(Qt::WindowCloseButtonHint); }
