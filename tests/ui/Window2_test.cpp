#include "ui/Window2.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <memory>
#include <string>
#include <vector>

#include "data/ResourceCatalogue.h"
#include "framework/widgets/Canvas.h"
#include "framework/widgets/Window.h"
#include "prefs/PreferenceGlobals.h"
#include "support/ImageCompare.h"
#include "support/TestSupport.h"
#include "support/widgets/WindowEvents.h"

namespace {

// Where the picture's left edge goes for each row of the iTunes version popup (4, 6, 7 or 8).
constexpr int kPictureLeft[] = {150, 155, 187};

const char kHelpText[] =
    "To install Atomnote, you may need to \"enable disk use\" on your iPod.  This is done in iTunes. The "
    "exact location of this option in iTunes varies depending on which version of iTunes you have. In "
    "iTunes 7 or 8, click on the iPod under \"Devices\" on the left side of the iTunes main window. Click "
    "the \"Summary\" tab, and towards the bottom of the \"Summary\" tab, under \"Options\" make certain "
    "that \"Enable disk use\" is checked. Then click \"Apply\".\r\rOther iTunes:";

// The label shows each CR as a line break.
QString Shown(const char* text) { return QString::fromUtf8(text).replace('\r', '\n'); }

// The part of the sheet's picture that no control covers (below the help text and the popup),
// as the sheet draws it and as the picture holds it; the canvas is 305 pixels high from 106.
constexpr int kPictureTop = 106;
constexpr int kClearFrom = 168;

QImage DrawnBelowText(QWidget& sheet, int left) {
  return sheet.grab(QRect(left, kClearFrom, 398, kPictureTop + 305 - kClearFrom)).toImage();
}

QImage PictureBelowText(const Picture& picture) {
  return picture->copy(0, kClearFrom - kPictureTop, 398, kPictureTop + 305 - kClearFrom);
}

// A plain window standing in for the main window.
class Window2Test : public ::testing::Test {
 protected:
  void SetUp() override {
    ReleaseResourceCatalogue();
    parent_.resize(700, 560);
    ASSERT_TRUE(ShowAndWaitExposed(parent_));
  }

  void TearDown() override {
    if (Window2Exists()) Window2().Close();
    DeleteClosedWindows();
    ResetPreferenceGlobals();
    ReleaseResourceCatalogue();
  }

  class Window2& OpenSheet() {
    class Window2& sheet = Window2();
    sheet.ShowModalWithin(parent_);
    EXPECT_TRUE(WaitExposed(sheet));
    return sheet;
  }

  void ContinueAndWaitClosed(class Window2& sheet) {
    ClickControl(sheet, sheet.PushButton1());
    ASSERT_TRUE(WaitFor([] { return !Window2Exists(); }));
    DeleteClosedWindows();
  }

  Window parent_;
};

TEST_F(Window2Test, OpensInItsDesignStateOnTheITunes7Picture) {
  prefDiskUseReminder = true;
  class Window2& sheet = OpenSheet();
  EXPECT_EQ(sheet.Title(), "Install Help");
  EXPECT_EQ(sheet.size(), QSize(595, 456));
  EXPECT_EQ(sheet.minimumSize(), sheet.maximumSize()) << "not resizable";
  EXPECT_EQ(sheet.windowType(), Qt::Sheet);
  EXPECT_FALSE(sheet.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(sheet.windowModality(), Qt::WindowModal);
  EXPECT_EQ(sheet.palette().color(QPalette::Window), QColor(255, 255, 255));

  std::vector<std::string> created;
  for (const QObject* child : sheet.ContentArea().children()) {
    if (child->isWidgetType()) created.push_back(child->objectName().toStdString());
  }
  EXPECT_EQ(created, (std::vector<std::string>{"Canvas1", "StaticText1", "PushButton1", "CheckBox1",
                                               "PushButton2", "PopupMenu1"}));

  EXPECT_EQ(sheet.Canvas1().geometry(), QRect(187, 106, 398, 305));
  EXPECT_EQ(sheet.Canvas1().Backdrop(), itunes7circles());
  EXPECT_EQ(sheet.StaticText1().geometry(), QRect(20, 14, 562, 154));
  EXPECT_EQ(std::string(kHelpText).size(), 456u);
  EXPECT_EQ(sheet.StaticText1().text(), Shown(kHelpText));
  EXPECT_TRUE(sheet.StaticText1().wordWrap());
  EXPECT_EQ(sheet.PushButton1().geometry(), QRect(481, 417, 101, 20));
  EXPECT_EQ(sheet.PushButton1().text(), "Continue");
  EXPECT_TRUE(sheet.PushButton1().isDefault());
  EXPECT_EQ(sheet.CheckBox1().geometry(), QRect(20, 417, 298, 20));
  EXPECT_EQ(sheet.CheckBox1().text(), "Don't Show This Reminder Again");
  EXPECT_FALSE(sheet.CheckBox1().isChecked());
  EXPECT_EQ(sheet.PushButton2().geometry(), QRect(397, 417, 72, 20));
  EXPECT_EQ(sheet.PushButton2().text(), "Cancel");
  EXPECT_FALSE(sheet.PushButton2().isVisible());
  EXPECT_FALSE(sheet.PushButton2().isEnabled());

  const QComboBox& popup = sheet.PopupMenu1();
  EXPECT_EQ(popup.geometry(), QRect(20, 148, 135, 20));
  ASSERT_EQ(popup.count(), 3);
  EXPECT_EQ(popup.itemText(0), "iTunes 4");
  EXPECT_EQ(popup.itemText(1), "iTunes 6");
  EXPECT_EQ(popup.itemText(2), "iTunes 7 or 8");
  EXPECT_EQ(popup.currentIndex(), 2);

  EXPECT_TRUE(DrawnAlike(PictureBelowText(itunes7circles()), DrawnBelowText(sheet, 187)));
  EXPECT_TRUE(prefDiskUseReminder) << "building and opening change no preference";

  KeepScreenshot(sheet, "Window2.png");
}

// Each version's picture at its left edge, drawn there; the canvas keeps its top and size.
TEST_F(Window2Test, EachITunesVersionMovesThePictureToItsPlace) {
  struct VersionCase {
    int row;
    Picture (*picture)();
    const char* keptAs;
  };
  const VersionCase cases[] = {
      {0, itunes4help, "Window2-iTunes4.png"},
      {1, itunes6help, "Window2-iTunes6.png"},
      {2, itunes7circles, nullptr},
  };
  class Window2& sheet = OpenSheet();
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.row);
    ASSERT_TRUE(ChoosePopupRow(sheet, sheet.PopupMenu1(), c.row));
    EXPECT_EQ(sheet.Canvas1().geometry(), QRect(kPictureLeft[c.row], 106, 398, 305));
    ASSERT_NE(c.picture(), nullptr);
    EXPECT_EQ(sheet.Canvas1().Backdrop(), c.picture());
    EXPECT_TRUE(DrawnAlike(PictureBelowText(c.picture()), DrawnBelowText(sheet, kPictureLeft[c.row])));
    if (c.keptAs != nullptr) KeepScreenshot(sheet, c.keptAs);
  }
}

// The box writes the preference at once, on every change, and never reads it: it opens
// unchecked whatever the preference holds.
TEST_F(Window2Test, TheReminderBoxWritesThePreferenceBothWays) {
  struct ReminderCase {
    bool before;
    int clicks;
    bool after;
  };
  for (const ReminderCase& c :
       {ReminderCase{true, 1, false}, ReminderCase{true, 2, true}, ReminderCase{false, 0, false},
        ReminderCase{false, 1, false}, ReminderCase{false, 2, true}}) {
    SCOPED_TRACE(testing::Message() << c.before << " after " << c.clicks << " clicks");
    prefDiskUseReminder = c.before;
    class Window2& sheet = OpenSheet();
    EXPECT_FALSE(sheet.CheckBox1().isChecked());
    for (int click = 0; click < c.clicks; ++click) {
      ClickControl(sheet, sheet.CheckBox1());
      EXPECT_EQ(prefDiskUseReminder, click % 2 == 1) << "at once, before Continue";
    }
    ContinueAndWaitClosed(sheet);
    EXPECT_EQ(prefDiskUseReminder, c.after);
  }
}

// Continue, or Return, is the only way out: Cancel is hidden, Escape and every close request
// leave the sheet up. The next showing starts again from the design values.
TEST_F(Window2Test, OnlyContinueClosesAndTheNextShowingStartsAfresh) {
  class Window2& sheet = OpenSheet();
  const QPointer<class Window2> first(&sheet);
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.PopupMenu1(), 0));
  ClickControl(sheet, sheet.CheckBox1());

  PressKey(sheet, Qt::Key_Escape);
  sheet.windowHandle()->close();
  EXPECT_FALSE(sheet.close());
  QCoreApplication::processEvents();
  ASSERT_TRUE(Window2Exists());
  EXPECT_TRUE(sheet.isVisible());

  PressKey(sheet, Qt::Key_Return);
  ASSERT_TRUE(WaitFor([] { return !Window2Exists(); }));
  DeleteClosedWindows();

  // The closed sheet is gone (a new one may take its place in memory, so addresses tell nothing).
  EXPECT_TRUE(first.isNull());
  class Window2& again = OpenSheet();
  EXPECT_EQ(again.PopupMenu1().currentIndex(), 2);
  EXPECT_EQ(again.Canvas1().x(), 187);
  EXPECT_EQ(again.Canvas1().Backdrop(), itunes7circles());
  EXPECT_FALSE(again.CheckBox1().isChecked());
}

// Return and Enter pressed in the open popup's list choose the row the list is on, and Escape
// closes the list; the sheet stays up with its picture following the choice. With the list
// closed, Return presses Continue.
TEST_F(Window2Test, KeysInTheOpenPopupListLeaveTheSheetUp) {
  const QPointer<class Window2> sheet(&OpenSheet());
  for (const PopupListKey& c : kPopupListKeys) {
    SCOPED_TRACE(c.name);
    QComboBox& popup = sheet->PopupMenu1();
    popup.setCurrentIndex(0);
    ASSERT_TRUE(PressInPopupList(*sheet, popup, c.key));

    ASSERT_FALSE(sheet.isNull()) << "the sheet was closed";
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(popup.currentIndex(), c.chosen);
    EXPECT_EQ(sheet->Canvas1().x(), kPictureLeft[c.chosen]);
  }

  PressKey(*sheet, Qt::Key_Return);
  EXPECT_TRUE(WaitFor([] { return !Window2Exists(); }));
  DeleteClosedWindows();
}

// Without the iTunes 4 picture in the resources, picking it moves the empty canvas and shows
// the sheet's white there; the popup and the box go on working.
TEST_F(Window2Test, AMissingPictureLeavesTheCanvasEmpty) {
  auto resources = std::make_shared<MemoryResourceFork>();
  resources->pictures[176] = std::make_shared<const QImage>(398, 305, QImage::Format_RGB32);
  ScopedResourceFork scoped(resources);
  ReleaseResourceCatalogue();

  prefDiskUseReminder = true;
  class Window2& sheet = OpenSheet();
  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.PopupMenu1(), 0));
  EXPECT_EQ(sheet.Canvas1().geometry(), QRect(150, 106, 398, 305));
  EXPECT_EQ(sheet.Canvas1().Backdrop(), nullptr);
  QImage white(398, kPictureTop + 305 - kClearFrom, QImage::Format_RGB32);
  white.fill(Qt::white);
  EXPECT_EQ(CompareImages(DrawnBelowText(sheet, 150), white).differingPixels, 0);

  ASSERT_TRUE(ChoosePopupRow(sheet, sheet.PopupMenu1(), 2));
  EXPECT_EQ(sheet.Canvas1().x(), 187);
  EXPECT_EQ(sheet.Canvas1().Backdrop(), resources->pictures[176]);
  ClickControl(sheet, sheet.CheckBox1());
  EXPECT_FALSE(prefDiskUseReminder);
  ContinueAndWaitClosed(sheet);
}

TEST_F(Window2Test, OneInstanceUntilItCloses) {
  class Window2& sheet = Window2();
  EXPECT_EQ(&Window2(), &sheet);
  sheet.Close();
  EXPECT_FALSE(Window2Exists()) << "closing ends the instance at once";
  EXPECT_NE(&Window2(), &sheet);
}

}  // namespace
