#include "ui/HelpWindow.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/Application.h"
#include "framework/Network.h"
#include "support/TestSupport.h"
#include "support/widgets/OpenWindows.h"
#include "support/widgets/WindowEvents.h"

namespace fs = std::filesystem;

namespace {

// A bundle whose help page links to a place in itself, to a page beside it, to a web site and to
// a mail address.
const fs::path kFixtureBundle = fs::path(ATOMNOTE_FIXTURES_DIR) / "helpbundle";

QUrl FixturePage(const std::string& name) {
  return QUrl::fromLocalFile(
      QString::fromStdString((kFixtureBundle / "Contents" / "Resources" / name).string()));
}

// An address as text, so a failure shows it.
std::string Text(const QUrl& url) { return url.toString().toStdString(); }

class HelpWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RunFrom(kFixtureBundle / "Contents" / "MacOS" / "AtomnoteInstaller");
    SetBrowserForTesting([this](const std::string& url) {
      browsed_.push_back(url);
      return true;
    });
  }
  void TearDown() override {
    CloseEveryWindow();
    SetBrowserForTesting({});
    Application::SetExecutableFileForTesting({});
  }

  static void RunFrom(const fs::path& executable) { Application::SetExecutableFileForTesting(executable); }

  std::vector<std::string> browsed_;
};

// Where in the window the link of that address shows, scrolled into view.
QPoint LinkPoint(class HelpWindow& window, const QString& href) {
  QTextBrowser& viewer = window.HTMLViewer1();
  const QTextDocument& document = *viewer.document();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto piece = block.begin(); !piece.atEnd(); ++piece) {
      if (piece.fragment().charFormat().anchorHref() != href) continue;
      QTextCursor cursor(viewer.document());
      cursor.setPosition(piece.fragment().position() + 1);
      viewer.setTextCursor(cursor);
      viewer.ensureCursorVisible();
      return viewer.viewport()->mapTo(&window, viewer.cursorRect(cursor).center());
    }
  }
  ADD_FAILURE() << "no link to " << href.toStdString();
  return {};
}

TEST_F(HelpWindowTest, ShowsTheBundlesHelpPage) {
  class HelpWindow& window = ShowFromAccessor(HelpWindow);

  EXPECT_EQ(window.Title(), "Atomnote Installer Help");
  EXPECT_EQ(window.size(), QSize(465, 363));
  EXPECT_EQ(window.minimumSize(), QSize(64, 64));
  EXPECT_EQ(window.maximumSize(), QSize(32000, 32000));
  EXPECT_FALSE(window.isModal());
  const QTextBrowser& viewer = window.HTMLViewer1();
  EXPECT_EQ(viewer.objectName(), "HTMLViewer1");
  EXPECT_EQ(viewer.geometry(), QRect(0, 0, 465, 343));
  EXPECT_EQ(Text(viewer.source()), Text(FixturePage("helpTextMac.html")));
  EXPECT_EQ(viewer.documentTitle(), "Fixture Help");
  EXPECT_TRUE(viewer.toPlainText().contains("First page text."));
  KeepScreenshot(window, "help-window.png");
}

// The program built into its bundle finds the page the bundle ships.
TEST_F(HelpWindowTest, FindsThePageOfTheBuiltBundle) {
  RunFrom(fs::path(ATOMNOTE_BUNDLE_DIR) / "Contents" / "MacOS" / "AtomnoteInstaller");
  class HelpWindow& window = ShowFromAccessor(HelpWindow);
  EXPECT_EQ(window.HTMLViewer1().documentTitle(), "Atomnote Installer Help");
  KeepScreenshot(window, "help-window-bundle.png");
}

// Neither a missing page nor a bundle without its folders keeps the window from opening: the
// viewer stays blank and nothing is said.
TEST_F(HelpWindowTest, WithoutThePageTheWindowOpensBlankAndSilent) {
  const TempFolder temp;
  fs::create_directories(temp / "Empty.app" / "Contents" / "Resources");
  struct Case {
    const char* what;
    fs::path executable;
  };
  const Case cases[] = {
      {"no page in Resources", temp / "Empty.app" / "Contents" / "MacOS" / "AtomnoteInstaller"},
      {"no Resources folder", temp / "Bare.app" / "Contents" / "MacOS" / "AtomnoteInstaller"},
      {"a program at the root", "/AtomnoteInstaller"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedRecordingSink messages;
    RunFrom(c.executable);
    class HelpWindow& window = ShowFromAccessor(HelpWindow);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.HTMLViewer1().source().isEmpty());
    EXPECT_TRUE(window.HTMLViewer1().toPlainText().isEmpty());
    EXPECT_TRUE(messages.shown().empty());
    CloseEveryWindow();
  }
}

TEST_F(HelpWindowTest, TheViewerKeepsToTheEdgesWithAStripBelowIt) {
  class HelpWindow& window = ShowFromAccessor(HelpWindow);
  ExpectKeepsToTheEdgesAboveAStrip(window, window.HTMLViewer1(), 20);
}

// A click on a link to a place in the page or to a page beside it follows it in the viewer; a
// link anywhere else goes to the default browser and the viewer stays where it was.
TEST_F(HelpWindowTest, LinksInTheBundleStayInTheViewerOthersGoToTheBrowser) {
  struct Case {
    const char* href;
    QUrl shown;           // the viewer's page afterwards
    const char* browsed;  // the address the browser was given; none when empty
    bool scrolled;        // the viewer scrolled down to the place
  };
  QUrl placeInPage = FixturePage("helpTextMac.html");
  placeInPage.setFragment("install");
  const Case cases[] = {
      {"#install", placeInPage, "", true},
      {"more.html", FixturePage("more.html"), "", false},
      {"https://www.example.com/atomnote", FixturePage("helpTextMac.html"),
       "https://www.example.com/atomnote", false},
      {"mailto:help@example.com", FixturePage("helpTextMac.html"), "mailto:help@example.com", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.href);
    browsed_.clear();
    class HelpWindow& window = ShowFromAccessor(HelpWindow);
    QTextBrowser& viewer = window.HTMLViewer1();

    ClickAt(window, LinkPoint(window, c.href));

    EXPECT_TRUE(WaitFor([&] {
      return viewer.source() != FixturePage("helpTextMac.html") || !browsed_.empty();
    })) << "the click led nowhere";
    EXPECT_EQ(Text(viewer.source()), Text(c.shown));
    if (*c.browsed != '\0') {
      EXPECT_EQ(browsed_, std::vector<std::string>{c.browsed});
    } else {
      EXPECT_TRUE(browsed_.empty());
    }
    EXPECT_EQ(viewer.verticalScrollBar()->value() > 0, c.scrolled);
    CloseEveryWindow();
  }
}

// Shown again while it is open, the help window comes forward as it is: the page the person went
// to stays. Closed, it is built afresh with the help page.
TEST_F(HelpWindowTest, OneWindowThatStartsAfreshOnceClosed) {
  class HelpWindow& first = ShowFromAccessor(HelpWindow);
  first.HTMLViewer1_AnchorClicked(QUrl("more.html"));
  ASSERT_EQ(Text(first.HTMLViewer1().source()), Text(FixturePage("more.html")));

  EXPECT_EQ(&ShowFromAccessor(HelpWindow), &first);
  EXPECT_EQ(Text(first.HTMLViewer1().source()), Text(FixturePage("more.html")));
  EXPECT_EQ(ShownWindowsOf<class HelpWindow>().size(), 1u);

  first.close();
  class HelpWindow& second = ShowFromAccessor(HelpWindow);
  EXPECT_NE(&second, &first);
  EXPECT_EQ(Text(second.HTMLViewer1().source()), Text(FixturePage("helpTextMac.html")));
  EXPECT_EQ(ShownWindowsOf<class HelpWindow>().size(), 1u);
}

}  // namespace
