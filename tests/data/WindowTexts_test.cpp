// The texts the windows show, as the resource file serves them: the licence agreement and the
// About window's rights and credits lines.

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>
#include <algorithm>
#include <string>

#include "data/ResourceCatalogue.h"
#include "framework/ResourceFork.h"
#include "prefs/ProductInfo.h"

namespace {

const QChar kCopyright(0x00A9);
const QChar kTrademark(0x2122);

class WindowTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RestoreApplicationResourceFork();
    ReleaseResourceCatalogue();
  }
  void TearDown() override { ReleaseResourceCatalogue(); }
};

// The licence agreement: a heading and twenty paragraphs, one line each, with a separator line
// between each two (empty, but for the eighth, which holds one blank); lines cut by CR alone,
// none after the last; ASCII besides two copyright and five trademark signs.
TEST_F(WindowTextsTest, TheLicenceAgreementHasItsForm) {
  const std::string bytes = licenseAgreement();
  const QString text = QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
  EXPECT_EQ(bytes.size(), 6172u);
  EXPECT_EQ(text.size(), 6160);
  EXPECT_EQ(text.count(kCopyright), 2);
  EXPECT_EQ(text.count(kTrademark), 5);
  EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                          [](QChar c) { return c.unicode() < 0x80 || c == kCopyright || c == kTrademark; }));
  EXPECT_EQ(text.count('\n'), 0);
  EXPECT_EQ(text.count('\r'), 40);

  const QStringList lines = text.split('\r');
  ASSERT_EQ(lines.size(), 41);
  EXPECT_EQ(lines[0], "Software License Agreement");
  for (int separator = 1; separator <= 20; ++separator) {
    SCOPED_TRACE(separator);
    EXPECT_EQ(lines[2 * separator - 1], separator == 8 ? " " : "");
    const QString& paragraph = lines[2 * separator];
    EXPECT_FALSE(paragraph.trimmed().isEmpty());
    EXPECT_LE(paragraph.size(), 1020);
  }
  // It names the maker, and the maker's support address that the messages give, in its last
  // lines.
  const QString closing = lines.mid(36).join(' ');
  EXPECT_TRUE(closing.contains(kMakerName));
  EXPECT_TRUE(closing.contains(kMakerSupportAddress));
}

// The About window's credits show the rights line and the credits line as lines of their own.
TEST_F(WindowTextsTest, TheAboutLinesAreSingleLines) {
  for (const std::string& line : {aboutRightsLine(), aboutCreditsLine()}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(line.empty());
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
  }
  const QString rights = QString::fromStdString(aboutRightsLine());
  EXPECT_TRUE(rights.contains(kCopyright));
  EXPECT_TRUE(rights.contains(kMakerName));
}

}  // namespace
