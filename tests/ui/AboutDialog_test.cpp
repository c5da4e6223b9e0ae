#include "ui/AboutDialog.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <string>

#include "data/ResourceCatalogue.h"
#include "framework/Timer.h"
#include "framework/widgets/Canvas.h"
#include "support/TestSupport.h"
#include "support/widgets/OpenWindows.h"
#include "support/widgets/WindowEvents.h"
#include "ui/SecondaryWindowTestSupport.h"

namespace {

class AboutDialogTest : public SecondaryWindowTest {};

// The four lines of the credits: product, platform, rights and credits, the last one ended too.
QString Credits() {
  return QString::fromStdString("Atomnote Installer 1.6.2\nfor Mac OS X\n" + aboutRightsLine() + "\n" +
                                aboutCreditsLine() + "\n");
}

// The processor this test program was built for.
const char* BuiltFor() {
#if defined(__x86_64__)
  return "ELF x86-64";
#elif defined(__aarch64__)
  return "ELF AArch64";
#else
  return nullptr;
#endif
}

TEST_F(AboutDialogTest, ShowsItsControlsAsDesigned) {
  class AboutDialog& window = ShowFromAccessor(AboutDialog);
  EXPECT_EQ(window.Title(), "About Atomnote Installer\u2026");
  EXPECT_EQ(window.size(), QSize(487, 266));
  EXPECT_EQ(window.minimumSize(), window.maximumSize()) << "not resizable";
  EXPECT_FALSE(window.isModal());
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window.palette().color(QPalette::Window), QColor(Qt::black));

  // clang-format off
  struct Row { const char* name; QRect inWindow; const char* text; };
  const Row rows[] = {
      {"PushButton1",         {395, 225,  69,  20}, "Okay"},
      {"Canvas1",             { 12, 147, 120, 110}, nullptr},
      {"StaticText3",         { 56, 228,  28,  20}, "TM"},
      {"StaticText2",         {147,  14, 366,  33}, "Atomnote Installer"},
      {"languageModeDisplay", {169,  44, 335,  16}, "your chemistry meets your music"},
      {"Canvas2",             { 12,  14, 128, 128}, nullptr},
      {"StaticText1",         {152,  80, 312, 133}, nullptr},
      {"Canvas3",             {-44, 211, 100, 100}, nullptr},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const QWidget* control = window.Control(row.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(QRect(control->mapTo(&window, QPoint(0, 0)), control->size()), row.inWindow);
    if (row.text != nullptr) {
      const auto* label = qobject_cast<const QLabel*>(control);
      const QString text =
          label != nullptr ? label->text() : qobject_cast<const QPushButton*>(control)->text();
      EXPECT_EQ(text, row.text);
    }
  }
  EXPECT_EQ(window.StaticText3().parentWidget(), &window.Canvas1()) << "the TM lies on the logo";
  EXPECT_TRUE(window.PushButton1().isDefault());
  EXPECT_EQ(window.StaticText1().text(), Credits());
  EXPECT_NE(window.Canvas1().Backdrop(), nullptr);
  EXPECT_NE(window.Canvas2().Backdrop(), nullptr);
  EXPECT_EQ(window.Canvas3().Backdrop(), nullptr);
  EXPECT_EQ(window.Timer1().Mode(), Timer::kModeOff);
  EXPECT_EQ(window.Timer1().Period(), 70060);
  KeepScreenshot(window, "about.png");
}

// The texts are sized in pixels, as the places are, so each shows whole in its label inside the
// window: the title, the tagline and the "TM" on one line each, the credits and the build
// information within their label's height.
TEST_F(AboutDialogTest, EveryTextShowsWholeInItsLabel) {
  class AboutDialog& window = ShowFromAccessor(AboutDialog);
  for (const QLabel* label : {&window.StaticText2(), &window.languageModeDisplay(), &window.StaticText3()}) {
    SCOPED_TRACE(label->objectName().toStdString());
    const QFontMetrics metrics(label->font());
    const int shownWidth = std::min(label->width(), window.width() - label->mapTo(&window, QPoint(0, 0)).x());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), shownWidth);
    EXPECT_LE(metrics.height(), label->height());
  }
  QLabel& text = window.StaticText1();
  EXPECT_LE(text.heightForWidth(text.width()), text.height()) << "the credits";
  PressAt(window, {20, 240});
  ReleaseAt(window, {20, 240});
  EXPECT_LE(text.heightForWidth(text.width()), text.height()) << "the build information";
}

// A click in the window's lower-left corner, also where the corner covers the logo and also
// when released elsewhere, shows the build information and keeps the window open; a click on
// the "TM" just right of it does not. Reopened, the window shows the credits again.
TEST_F(AboutDialogTest, TheHiddenSpotShowsTheBuildInformation) {
  if (BuiltFor() == nullptr) GTEST_SKIP() << "no name of this build's processor to compare with";
  const QString buildInformation =
      QString("Version 1.6.2, built with Qt %1\nBinary: %2").arg(QT_VERSION_STR, BuiltFor());
  struct Case {
    const char* what;
    QPoint press;
    QPoint release;
    bool switches;
  };
  const Case cases[] = {
      {"the corner's top-left", {0, 211}, {0, 211}, true},
      {"the corner's bottom-right", {55, 265}, {55, 265}, true},
      {"on the logo", {30, 240}, {30, 240}, true},
      {"released over the credits", {10, 250}, {300, 120}, true},
      {"on the TM", {60, 235}, {60, 235}, false},
      {"just above the corner, on the logo", {30, 210}, {30, 210}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    class AboutDialog& window = ShowFromAccessor(AboutDialog);
    PressAt(window, c.press);
    if (c.release != c.press) MoveTo(window, c.release);
    ReleaseAt(window, c.release);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.StaticText1().text(), c.switches ? buildInformation : Credits());
    if (c.switches) KeepScreenshot(window, "about-build-information.png");
    window.close();
    EXPECT_EQ(ShowFromAccessor(AboutDialog).StaticText1().text(), Credits());
    CloseEveryWindow();
  }
}

// "Okay", Return, the close box and a click on the black background close the window and end
// it; a click on a label does not.
TEST_F(AboutDialogTest, OkayReturnTheCloseBoxAndTheBackgroundCloseIt) {
  struct Case {
    const char* what;
    void (*act)(class AboutDialog&);
    bool closes;
  };
  const Case cases[] = {
      {"Okay", [](class AboutDialog& w) { ClickControl(w, w.PushButton1()); }, true},
      {"Return", [](class AboutDialog& w) { PressKey(w, Qt::Key_Return); }, true},
      {"the close box", [](class AboutDialog& w) { w.close(); }, true},
      {"the background below the credits",
       [](class AboutDialog& w) {
         ClickAt(w, {300, 240});
       },
       true},
      {"the background right of the credits",
       [](class AboutDialog& w) {
         ClickAt(w, {475, 100});
       },
       true},
      {"the credits",
       [](class AboutDialog& w) {
         ClickAt(w, {200, 100});
       },
       false},
      {"the product icon",
       [](class AboutDialog& w) {
         ClickAt(w, {70, 70});
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    class AboutDialog& window = ShowFromAccessor(AboutDialog);
    const QPointer<class AboutDialog> shown = &window;
    c.act(window);
    // A closed window is ended: it goes, and the next use builds another.
    EXPECT_EQ(WaitFor([&] { return shown.isNull(); }, c.closes ? 5000 : 50), c.closes);
    if (!c.closes) {
      EXPECT_TRUE(window.isVisible());
      EXPECT_EQ(&AboutDialog(), &window);
    }
    CloseEveryWindow();
  }
}

TEST_F(AboutDialogTest, ShowingItAgainKeepsOneWindow) {
  class AboutDialog& first = ShowFromAccessor(AboutDialog);
  EXPECT_EQ(&ShowFromAccessor(AboutDialog), &first);
  EXPECT_EQ(ShownWindowsOf<class AboutDialog>().size(), 1u);
}

// Without its pictures and texts in the resource file the window opens with empty canvases and
// the lines it has.
TEST_F(AboutDialogTest, OpensWithoutItsPicturesAndTexts) {
  const ScopedResourceFork empty(std::make_shared<MemoryResourceFork>());
  ScopedRecordingSink messages;
  class AboutDialog& window = ShowFromAccessor(AboutDialog);
  EXPECT_EQ(window.Canvas1().Backdrop(), nullptr);
  EXPECT_EQ(window.Canvas2().Backdrop(), nullptr);
  EXPECT_EQ(window.StaticText1().text(), "Atomnote Installer 1.6.2\nfor Mac OS X\n\n\n");
  EXPECT_TRUE(messages.shown().empty());
}

}  // namespace
