// The help page of the bundle, as a help window's viewer shows it.

#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>
#include <filesystem>
#include <set>
#include <string>

#include "install/InstallMessages.h"
#include "notes/NoteMessages.h"
#include "prefs/PreferencesFile.h"
#include "prefs/ProductInfo.h"

namespace fs = std::filesystem;

namespace {

struct PageLinks {
  std::set<std::string> anchors;  // names a link can go to
  std::set<std::string> targets;  // every link's address
};

fs::path HelpPage() { return fs::path(ATOMNOTE_BUNDLE_DIR) / "Contents" / "Resources" / "helpTextMac.html"; }

// The page as a viewer shows it, loaded from the built bundle.
void LoadHelpPage(QTextBrowser& viewer) {
  viewer.setSource(QUrl::fromLocalFile(QString::fromStdString(HelpPage().string())));
}

PageLinks LinksOf(const QTextDocument& document) {
  PageLinks links;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      const QTextCharFormat format = fragment.fragment().charFormat();
      for (const QString& name : format.anchorNames()) links.anchors.insert(name.toStdString());
      if (format.isAnchor() && !format.anchorHref().isEmpty())
        links.targets.insert(format.anchorHref().toStdString());
    }
  }
  return links;
}

// Loaded from the built bundle, the page has its title, and every link leads to a place in the
// page itself: the viewer opens nothing else.
TEST(HelpPage, EveryLinkLeadsToAPlaceInThePage) {
  ASSERT_TRUE(fs::is_regular_file(HelpPage()));
  QTextBrowser viewer;
  LoadHelpPage(viewer);
  EXPECT_EQ(viewer.documentTitle(), "Atomnote Installer Help");

  const PageLinks links = LinksOf(*viewer.document());
  EXPECT_GE(links.targets.size(), 14u) << "a contents list of the sections";
  for (const std::string& target : links.targets) {
    SCOPED_TRACE(target);
    ASSERT_TRUE(target.starts_with("#"));
    EXPECT_TRUE(links.anchors.contains(target.substr(1)));
  }
}

// Where the page names the preferences file and the maker's address, they are the ones the
// program uses.
TEST(HelpPage, NamesThePreferencesFileAndTheSupportAddressAsTheProgramDoes) {
  QTextBrowser viewer;
  LoadHelpPage(viewer);
  const QString text = viewer.toPlainText();
  EXPECT_TRUE(text.contains(kPreferencesFileName));
  EXPECT_TRUE(text.contains(kMakerSupportAddress));
}

// The messages the page explains, word for word as the program shows them, so a person finds the
// explanation of the message in front of them.
TEST(HelpPage, QuotesTheMessagesItExplainsAsTheProgramShowsThem) {
  QTextBrowser viewer;
  LoadHelpPage(viewer);
  const QString text = viewer.toPlainText().simplified();
  for (const std::string& message :
       {std::string(kProblemFindingiPodTitle), std::string(kiPodBusyTitle), std::string(kNotAllRemovedTitle),
        SetupErrorMessage(), CreateElementsErrorMessage(), UninstallErrorMessage(), CleanupErrorMessage()}) {
    EXPECT_TRUE(text.contains(QString::fromStdString(message))) << message;
  }
}

}  // namespace
