#include "ui/softwareLicense.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>
#include <utility>

#include "data/ResourceCatalogue.h"
#include "framework/widgets/ControlTable.h"
#include "support/TestSupport.h"
#include "support/widgets/OpenWindows.h"
#include "support/widgets/WindowEvents.h"
#include "ui/SecondaryWindowTestSupport.h"

namespace {

class SoftwareLicenseTest : public SecondaryWindowTest {};

// The agreement as the resource file holds it: its lines cut where the text has CR, and only
// there (the field wraps a long line without breaking it); read-only, in the small system font,
// scrolled vertically and never horizontally.
TEST_F(SoftwareLicenseTest, ShowsTheAgreementReadOnly) {
  class softwareLicense& window = ShowFromAccessor(softwareLicense);
  EXPECT_EQ(window.Title(), "Software License");
  EXPECT_EQ(window.size(), QSize(500, 375));
  EXPECT_EQ(window.minimumSize(), QSize(64, 64));
  EXPECT_EQ(window.maximumSize(), QSize(32000, 32000));
  EXPECT_FALSE(window.isModal());

  QPlainTextEdit& field = window.EditField1();
  EXPECT_EQ(field.objectName(), "EditField1");
  EXPECT_EQ(field.geometry(), QRect(0, 0, 500, 360));
  const QString agreement = QString::fromStdString(licenseAgreement());
  ASSERT_FALSE(agreement.isEmpty());
  EXPECT_EQ(field.document()->blockCount(), agreement.count('\r') + 1);
  EXPECT_EQ(field.document()->firstBlock().text(), "Software License Agreement");
  EXPECT_EQ(field.toPlainText(), QString(agreement).replace('\r', '\n'));
  EXPECT_EQ(field.lineWrapMode(), QPlainTextEdit::WidgetWidth);
  EXPECT_EQ(field.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(field.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(field.font(), ControlFont(TextFont::SmallSystem, 0, false));
  KeepScreenshot(window, "software-license.png");

  // Typing, deleting and pasting change nothing.
  field.setFocus();
  QApplication::clipboard()->setText("pasted");
  for (const auto& [key, modifiers] : {std::pair{Qt::Key_A, Qt::NoModifier},
                                       {Qt::Key_Backspace, Qt::NoModifier},
                                       {Qt::Key_Return, Qt::NoModifier},
                                       {Qt::Key_V, Qt::ControlModifier}}) {
    PressKey(window, key, modifiers);
  }
  EXPECT_EQ(field.toPlainText(), QString(agreement).replace('\r', '\n'));
}

TEST_F(SoftwareLicenseTest, TheFieldKeepsToTheEdgesWithAStripBelowIt) {
  class softwareLicense& window = ShowFromAccessor(softwareLicense);
  ExpectKeepsToTheEdgesAboveAStrip(window, window.EditField1(), 15);
}

// Without the text in the resource file the window still opens, with an empty field.
TEST_F(SoftwareLicenseTest, OpensEmptyWithoutItsText) {
  const ScopedResourceFork noTexts(std::make_shared<MemoryResourceFork>());
  ScopedRecordingSink messages;
  class softwareLicense& window = ShowFromAccessor(softwareLicense);
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.EditField1().toPlainText().isEmpty());
  EXPECT_TRUE(messages.shown().empty());
}

// Shown again while it is open, the same window comes forward; closed, the next one is new.
TEST_F(SoftwareLicenseTest, OneWindowUntilItIsClosed) {
  class softwareLicense& first = ShowFromAccessor(softwareLicense);
  EXPECT_EQ(&ShowFromAccessor(softwareLicense), &first);
  EXPECT_EQ(ShownWindowsOf<class softwareLicense>().size(), 1u);
  first.close();
  EXPECT_TRUE(ShownWindowsOf<class softwareLicense>().empty());
  EXPECT_NE(&ShowFromAccessor(softwareLicense), &first);
  EXPECT_EQ(ShownWindowsOf<class softwareLicense>().size(), 1u);
}

}  // namespace
