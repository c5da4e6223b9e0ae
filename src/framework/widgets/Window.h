#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/widgets/ControlTable.h"

class QKeyEvent;
class QMenuBar;
class QPushButton;

// A window of the program: a top-level Qt widget whose controls are reached by their names (the
// Qt object name of each control). A window builds its controls from its table of control rows
// (CreateControls), then connects its handlers, and gives each control a typed accessor.
//
// The controls live in the window's content area. A window may show a menu bar above its content
// area (SetMenuBar); the content area then keeps its size and the controls keep the places their
// rows give, and the window grows by the bar's height.
class Window : public QWidget {
 public:
  explicit Window(QWidget* parent = nullptr);

  // The area the controls are placed in; its top left corner is the origin of their places.
  QWidget& ContentArea() const { return *content_; }
  // Shows bar above the content area, in place of any earlier bar; the window takes it as its
  // child. The window's size, and its minimum and maximum sizes where set, grow by the bar's
  // height, so a window of fixed size stays fixed around the same content area.
  void SetMenuBar(QMenuBar* bar);
  // The menu bar shown above the content area; nullptr when none.
  QMenuBar* AttachedMenuBar() const;

  // A menu command the window handles while it is open: handler runs when the item of that name
  // is chosen (see MenuBar). Its result tells whether it handled the command.
  using MenuHandler = std::function<bool()>;
  void AddMenuHandler(const std::string& itemName, MenuHandler handler);
  // The handler bound to the item name; nullptr when none.
  const MenuHandler* MenuHandlerFor(const std::string& itemName) const;

  // The control of that name; nullptr when the window has none or it is no widget (a timer).
  QWidget* Control(const std::string& name) const;
  // The control of that name as the kind the caller expects, timers included; raises
  // NilObjectException when there is no such control or it is of another kind.
  template <typename Kind>
  Kind& ControlAs(const std::string& name) const {
    auto* control = dynamic_cast<Kind*>(NamedControl(name));
    if (control == nullptr) throw NilObjectException("no control named " + name);
    return *control;
  }

  // Creates the controls of rows in their order, each named, placed and set as its row says. It
  // connects nothing, so no handler runs while the window is built (a timer row's timer counts
  // from its creation, with no Action yet). Called once the window has
  // its design size: the locked edges of the controls keep their distances to the edges of that
  // size. Raises RuntimeException for a row without a name of its own, NilObjectException for a
  // parent that is not an earlier control or a Custom row without a make function.
  void CreateControls(std::span<const ControlRow> rows);

  std::string Title() const;
  void SetTitle(const std::string& title);

  // Shows the window (without waiting) and brings it to the front. The first Show runs the
  // window's Open event; the window draws its first frame once that event has ended, so no frame
  // shows it half opened, even where the event hands the turn to the event loop.
  void Show();
  // Runs action once the window's Open event has ended: at once when it has, else right after
  // the event ends, in the order asked. An error that escapes the event drops what waited for it.
  void WhenOpened(std::function<void()> action);
  // Closes the window as quitting the program does; whether it closed. The window closes as its
  // close box would close it (its Close event runs, and it may refuse).
  virtual bool CloseForQuit() { return close(); }
  // Redraws the window; at once when immediately is true.
  void Refresh(bool immediately);
  // True once the window has been closed.
  bool Ended() const { return ended_; }

 protected:
  // Runs once, right after the window is first shown.
  virtual void Event_Open() {}
  // Runs when the window is closed (by the person or by close()).
  virtual void Event_Close() {}
  // Run when the window becomes the active window, and when another window (of this program or
  // another) takes that place.
  virtual void Event_Activate() {}
  virtual void Event_Deactivate() {}

  // Keeps the program's front-to-back order of windows when the windowing system activates one,
  // and runs Event_Activate and Event_Deactivate.
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A window without a menu bar of its own takes the shortcuts of the program's menu bar; a
  // sheet takes only the quit command's, as the window it belongs to takes no input while it is
  // up.
  void showEvent(QShowEvent* event) override;
  // Moves and stretches the controls with locked edges.
  void resizeEvent(QResizeEvent* event) override;
  // Return and Enter press the default button, Escape the cancel button, while it takes clicks.
  // Only a key that no control took reaches the window: a key pressed in an open popup's list
  // (a window of its own) or taken by the control with the focus, such as Return in a multi-line
  // edit field, presses no button.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Shows the window and brings it to the front.
  void BringUp();
  // Runs the Open event; the window draws once it has ended, or an error has escaped it.
  void OpenWithoutDrawing();

  // A control with a locked edge, and where it lies in the window's design size.
  struct LockedControl {
    QPointer<QWidget> control;
    QRect design;
    bool left, top, right, bottom;
  };

  // The control of that name, widget or not; nullptr when there is none.
  QObject* NamedControl(const std::string& name) const;
  // Raises RuntimeException for an empty name or one an earlier control has.
  void RequireOwnName(const std::string& name) const;
  QWidget& CreateControl(const ControlRow& row);
  void CreateTimer(const ControlRow& row);
  // The size of the content area: the window less the menu bar.
  QSize ContentSize() const;
  int MenuBarHeight() const;
  // Places the menu bar across the top and the content area under it.
  void LayOutContent();

  // The window's button for the key pressed; nullptr when it has none for that key.
  QPushButton* ButtonForKey(const QKeyEvent& event) const;

  QWidget* content_;
  QPointer<QMenuBar> menuBar_;
  // The buttons of the rows marked isDefault and isCancel; null when there is none.
  QPointer<QPushButton> defaultButton_;
  QPointer<QPushButton> cancelButton_;
  std::map<std::string, MenuHandler> menuHandlers_;
  bool opened_ = false;
  bool openEnded_ = false;
  std::vector<std::function<void()>> afterOpen_;
  bool ended_ = false;
  QSize designSize_;
  std::vector<LockedControl> lockedControls_;
};

// The one instance of a window class, kept in slot, for the class's accessor: made when there is
// none or the last one was closed. Closing the window ends the instance (it is deleted once
// control is back in the event loop), so the next use builds a fresh window in its design state.
template <typename OwnWindow>
OwnWindow& OneInstance(QPointer<OwnWindow>& slot) {
  if (slot.isNull() || slot->Ended()) {
    slot = new OwnWindow();
    slot->setAttribute(Qt::WA_DeleteOnClose);
  }
  return *slot;
}

// Moves the window to the centre of the screen of the program's frontmost window, else of the
// primary screen.
void CentreOnScreen(QWidget& window);

// The program's frontmost window (the active window, else the topmost visible one); nullptr when
// none is shown.
QWidget* FrontmostWindow();
// True when window's frame has a close box: a window without one (a sheet, the progress window)
// is closed only by its own code, never by the person.
bool HasCloseBox(const QWidget& window);
// The program's shown windows (not menus or tool tips), the frontmost first.
std::vector<QWidget*> OpenWindows();
// How many windows the program shows.
int WindowCount();
