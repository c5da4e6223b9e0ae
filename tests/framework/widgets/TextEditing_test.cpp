#include "framework/widgets/TextEditing.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <string>

#include "framework/widgets/Window.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"

namespace {

// A window with one line field holding "hydrogen helium", "helium" selected, the clipboard
// holding "neon".
class LineFieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.resize(200, 60);
    const ControlRow rows[] = {{"EditField1", ControlKind::EditField, 10, 10, 180, 20, "hydrogen"}};
    window_.CreateControls(rows);
    field_ = &window_.ControlAs<QLineEdit>("EditField1");
    field_->insert(" helium");  // typed, so there is something to undo
    ASSERT_TRUE(ShowAndWaitExposed(window_));
    window_.Show();
    field_->setFocus();
    ASSERT_TRUE(WaitFor([this] { return FocusedTextControl() == field_; }));
    field_->setSelection(9, 6);
    QApplication::clipboard()->setText("neon");
  }

  Window window_;
  QLineEdit* field_ = nullptr;
};

struct LineCase {
  const char* name;
  MenuCommand command;
  bool readOnly;
  const char* text;       // the field's text afterwards
  const char* clipboard;  // the clipboard's text afterwards
};

class LineFieldCommandTest : public LineFieldTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineFieldCommandTest, ActsOnTheFocusedField) {
  const LineCase& c = GetParam();
  field_->setReadOnly(c.readOnly);
  EXPECT_TRUE(EditFocusedText(c.command));
  EXPECT_EQ(field_->text().toStdString(), c.text);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clipboard);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, LineFieldCommandTest, ::testing::Values(
    LineCase{"Undo",              MenuCommand::Undo,      false, "hydrogen",         "neon"},
    LineCase{"Cut",               MenuCommand::Cut,       false, "hydrogen ",        "helium"},
    LineCase{"Copy",              MenuCommand::Copy,      false, "hydrogen helium",  "helium"},
    LineCase{"Paste",             MenuCommand::Paste,     false, "hydrogen neon",    "neon"},
    LineCase{"Clear",             MenuCommand::Clear,     false, "hydrogen ",        "neon"},
    LineCase{"CutReadOnly",       MenuCommand::Cut,       true,  "hydrogen helium",  "neon"},
    LineCase{"CopyReadOnly",      MenuCommand::Copy,      true,  "hydrogen helium",  "helium"},
    LineCase{"PasteReadOnly",     MenuCommand::Paste,     true,  "hydrogen helium",  "neon"},
    LineCase{"ClearReadOnly",     MenuCommand::Clear,     true,  "hydrogen helium",  "neon"}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return TestNameOf(info.param.name); });
// clang-format on

TEST_F(LineFieldTest, SelectAllSelectsTheWholeText) {
  EXPECT_TRUE(EditFocusedText(MenuCommand::SelectAll));
  EXPECT_EQ(field_->selectedText(), "hydrogen helium");
}

TEST_F(LineFieldTest, ClearWithoutASelectionLeavesTheText) {
  field_->deselect();
  field_->setCursorPosition(0);
  EXPECT_TRUE(EditFocusedText(MenuCommand::Clear));
  EXPECT_EQ(field_->text(), "hydrogen helium");
}

TEST_F(LineFieldTest, NothingIsDoneWithoutAFocusedTextControl) {
  field_->clearFocus();
  window_.setFocus();
  ASSERT_TRUE(WaitFor([] { return FocusedTextControl() == nullptr; }));
  EXPECT_FALSE(EditFocusedText(MenuCommand::Cut));
  EXPECT_EQ(field_->text(), "hydrogen helium");
  EXPECT_FALSE(EditFocusedText(MenuCommand::Quit));
}

// The multi-line editors share one piece of code; Clear is the command written for them here.
template <typename Editor>
void ExpectClearRemovesOnlyTheSelection() {
  Window window;
  auto* editor = new Editor(&window.ContentArea());
  editor->setPlainText("argon\nkrypton");
  ASSERT_TRUE(ShowAndWaitExposed(window));
  editor->setFocus();
  ASSERT_TRUE(WaitFor([editor] { return FocusedTextControl() == editor; }));
  QTextCursor cursor = editor->textCursor();
  cursor.setPosition(0);
  cursor.setPosition(6, QTextCursor::KeepAnchor);
  editor->setTextCursor(cursor);

  EXPECT_TRUE(EditFocusedText(MenuCommand::Clear));
  EXPECT_EQ(editor->toPlainText(), "krypton");
  editor->setReadOnly(true);
  EXPECT_TRUE(EditFocusedText(MenuCommand::SelectAll));
  EXPECT_TRUE(EditFocusedText(MenuCommand::Clear));
  EXPECT_EQ(editor->toPlainText(), "krypton");
}

TEST(MultiLineEditing, ClearRemovesOnlyTheSelectionOfAnEditableText) {
  ExpectClearRemovesOnlyTheSelection<QTextEdit>();
  ExpectClearRemovesOnlyTheSelection<QPlainTextEdit>();
}

}  // namespace
