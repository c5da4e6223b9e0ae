#include "ui/selectEditField.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>

#include "framework/widgets/MenuBar.h"
#include "framework/widgets/Window.h"
#include "support/widgets/WindowEvents.h"

namespace {

// An Edit menu whose Select All nothing but the field enables, and which runs no text editing of
// its own: what the item does here is the field's doing alone.
const MenuRow kMenus[] = {
    {"", "EditMenu", "&Edit"},
    {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A", false, MenuCommand::None},
};

QWidget* MakePlainField(QWidget* parent) { return new QLineEdit(parent); }

// clang-format off
const ControlRow kControls[] = {
    // name        kind                  left top width height
    {"EditField1", ControlKind::Custom,   20,  20, 200, 22, "", {}, selectEditField::Make},
    {"EditField2", ControlKind::Custom,   20,  60, 200, 22, "", {}, MakePlainField},
};
// clang-format on

// A window that places a select-all field and another field, and binds the select-all field's
// menu handler right after building it, as a window of the program does.
class FieldWindow : public Window {
 public:
  FieldWindow() {
    resize(300, 100);
    SetMenuBar(new MenuBar(kMenus));
    CreateControls(kControls);
    Field().AddMenuHandlers();
  }
  selectEditField& Field() const { return ControlAs<selectEditField>("EditField1"); }
  QLineEdit& OtherField() const { return ControlAs<QLineEdit>("EditField2"); }
  MenuBar& Bar() const { return *dynamic_cast<MenuBar*>(AttachedMenuBar()); }
  QAction& SelectAll() const { return *Bar().Item("EditSelectAll"); }
};

class SelectEditFieldTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ShowAndWaitExposed(window_)); }

  void Focus(QWidget& field) {
    ClickControl(window_, field);
    ASSERT_TRUE(WaitFor([&] { return field.hasFocus(); }));
  }

  // Whether Select All is enabled once the Edit menu is open; the menu is closed again.
  bool SelectAllEnabledInTheOpenMenu() {
    EXPECT_TRUE(OpenMenu(window_, window_.Bar(), "EditMenu"));
    const bool enabled = window_.SelectAll().isEnabled();
    CloseMenus(window_.Bar());
    return enabled;
  }

  // Chooses Select All from the Edit menu.
  void ChooseSelectAll() {
    ASSERT_TRUE(OpenMenu(window_, window_.Bar(), "EditMenu"));
    ASSERT_TRUE(ClickMenuItem(window_.Bar(), "EditMenu", "EditSelectAll"));
  }

  FieldWindow window_;
};

// While the field has the focus and holds text, opening the menu enables Select All, and choosing
// it selects every character (counted as characters, not bytes); the text stays as it was.
TEST_F(SelectEditFieldTest, EnablesSelectAllWhileHoldingTextAndSelectsEveryCharacter) {
  struct TextCase {
    const char* text;
    int length;
  };
  for (const TextCase& c : {TextCase{"abc", 3}, TextCase{"\u00E9\u00FC", 2}}) {
    SCOPED_TRACE(c.text);
    selectEditField& field = window_.Field();
    field.setText(QString::fromUtf8(c.text));
    Focus(field);
    field.setCursorPosition(1);

    EXPECT_TRUE(SelectAllEnabledInTheOpenMenu());
    ChooseSelectAll();

    EXPECT_EQ(field.selectionStart(), 0);
    EXPECT_EQ(field.selectionLength(), c.length);
    EXPECT_EQ(field.text(), QString::fromUtf8(c.text));
  }
}

// An empty field leaves Select All disabled; chosen all the same once something else enabled it,
// it selects nothing and changes nothing, and the handler's result is false.
TEST_F(SelectEditFieldTest, AnEmptyFieldLeavesSelectAllAsItIs) {
  selectEditField& field = window_.Field();
  Focus(field);
  EXPECT_FALSE(SelectAllEnabledInTheOpenMenu());

  window_.SelectAll().setEnabled(true);
  window_.SelectAll().trigger();
  EXPECT_FALSE(field.hasSelectedText());
  EXPECT_EQ(field.cursorPosition(), 0);
  EXPECT_TRUE(field.text().isEmpty());
  EXPECT_FALSE(field._EditSelectAll_Action());
}

// With another control in focus the field neither enables the item nor takes the command.
TEST_F(SelectEditFieldTest, OnlyTheFocusedFieldTakesPart) {
  window_.Field().setText("abc");
  window_.OtherField().setText("xyz");
  Focus(window_.OtherField());
  EXPECT_FALSE(SelectAllEnabledInTheOpenMenu());

  window_.SelectAll().setEnabled(true);
  window_.SelectAll().trigger();
  EXPECT_FALSE(window_.Field().hasSelectedText());
  EXPECT_FALSE(window_.OtherField().hasSelectedText());
}

}  // namespace
