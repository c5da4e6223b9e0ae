#include "data/ResourceCatalogue.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <memory>
#include <string>

#include "framework/Exceptions.h"
#include "support/TestSupport.h"

namespace {

struct PictureAccessor {
  const char* name;
  Picture (*accessor)();
  int number;
};

const PictureAccessor kPictureAccessors[] = {
    {"newSmallBlackLogo", newSmallBlackLogo, 168},
    {"itunes4help", itunes4help, 169},
    {"vuzarorozedezira90", vuzarorozedezira90, 171},
    {"vuzarorozedezira128black", vuzarorozedezira128black, 172},
    {"itunes6help", itunes6help, 173},
    {"vuzarorozedezira90mask", vuzarorozedezira90mask, 174},
    {"vuzarorozedezira90dim", vuzarorozedezira90dim, 175},
    {"itunes7circles", itunes7circles, 176},
    {"periodic320vpod", periodic320vpod, 177},
    {"atwt320vpod", atwt320vpod, 178},
    {"en320vpod", en320vpod, 179},
    {"solidliquidgas320vpod", solidliquidgas320vpod, 180},
};

struct TextAccessor {
  const char* name;
  std::string (*accessor)();
  int number;
};

const TextAccessor kTextAccessors[] = {
    {"physical2", physical2, 168},
    {"physical", physical, 169},
    {"ores", ores, 170},
    {"crystal2", crystal2, 171},
    {"abundances", abundances, 172},
    {"colorDat", colorDat, 173},
    {"bonding2", bonding2, 174},
    {"casNum", casNum, 175},
    {"history", history, 176},
    {"crystal", crystal, 178},
    {"isotope", isotope, 179},
    {"bonding", bonding, 180},
    {"isotope2", isotope2, 181},
    {"Abouttheperiodictable", Abouttheperiodictable, 183},
    {"AboutAtomnote", AboutAtomnote, 184},
    {"names", names, 185},
    {"glossary", glossary, 186},
    {"general", general, 187},
    {"uses", uses, 188},
    {"british", british, 189},
    {"licenseAgreement", licenseAgreement, 190},
    {"aboutRightsLine", aboutRightsLine, 191},
    {"aboutCreditsLine", aboutCreditsLine, 192},
};

Picture PictureOfWidth(int width) { return std::make_shared<const QImage>(width, 1, QImage::Format_RGB32); }

// A resource file holding every picture and text number from 160 to 199, each one telling its
// number (a picture by its width, a text by its bytes), so an accessor that reads the wrong
// number shows it.
std::shared_ptr<MemoryResourceFork> NumberedResourceFork() {
  auto fork = std::make_shared<MemoryResourceFork>();
  for (int number = 160; number < 200; ++number) {
    fork->pictures[number] = PictureOfWidth(number);
    fork->texts[number] = "TEXT " + std::to_string(number);
  }
  return fork;
}

class ResourceCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseResourceCatalogue(); }
  void TearDown() override { ReleaseResourceCatalogue(); }
};

TEST_F(ResourceCatalogueTest, EveryPictureAccessorReadsItsNumberOnceAndKeepsTheSameObject) {
  for (const PictureAccessor& picture : kPictureAccessors) {
    SCOPED_TRACE(picture.name);
    auto fork = NumberedResourceFork();
    ScopedResourceFork scoped(fork);
    ReleaseResourceCatalogue();

    Picture first = picture.accessor();
    Picture second = picture.accessor();

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width(), picture.number);
    EXPECT_EQ(first, second);
    EXPECT_EQ(fork->pictureReads, 1);
    EXPECT_EQ(fork->textReads, 0);
  }
}

TEST_F(ResourceCatalogueTest, EveryTextAccessorReadsItsNumberOnce) {
  for (const TextAccessor& text : kTextAccessors) {
    SCOPED_TRACE(text.name);
    auto fork = NumberedResourceFork();
    ScopedResourceFork scoped(fork);
    ReleaseResourceCatalogue();

    EXPECT_EQ(text.accessor(), "TEXT " + std::to_string(text.number));
    fork->texts[text.number] = "changed on disk";
    EXPECT_EQ(text.accessor(), "TEXT " + std::to_string(text.number));
    EXPECT_EQ(fork->textReads, 1);
    EXPECT_EQ(fork->pictureReads, 0);
  }
}

TEST_F(ResourceCatalogueTest, MissingPictureIsLookedForOnEveryCallUntilFound) {
  auto fork = std::make_shared<MemoryResourceFork>();
  ScopedResourceFork scoped(fork);

  EXPECT_EQ(itunes4help(), nullptr);
  EXPECT_EQ(itunes4help(), nullptr);
  EXPECT_EQ(itunes4help(), nullptr);
  EXPECT_EQ(fork->pictureReads, 3);

  Picture arrived = PictureOfWidth(169);
  fork->pictures[169] = arrived;
  EXPECT_EQ(itunes4help(), arrived);
  EXPECT_EQ(itunes4help(), arrived);
  EXPECT_EQ(fork->pictureReads, 4);
}

TEST_F(ResourceCatalogueTest, MissingTextIsEmptyAndNotLookedForAgain) {
  auto fork = std::make_shared<MemoryResourceFork>();
  ScopedResourceFork scoped(fork);

  EXPECT_EQ(glossary(), "");
  fork->texts[186] =
      "atom:\xC3\x9F"
      "the smallest part";
  EXPECT_EQ(glossary(), "");
  EXPECT_EQ(fork->textReads, 1);
}

TEST_F(ResourceCatalogueTest, NonAsciiTextComesBackByteForByte) {
  // "Å" as the Ångström sign (E2 84 AB) and as the letter (C3 85), with CR line ends.
  const std::string bytes = "1 \xE2\x84\xAB = 100 pm\r\xC3\x85land\r";
  auto fork = std::make_shared<MemoryResourceFork>();
  fork->texts[180] = bytes;
  ScopedResourceFork scoped(fork);

  const std::string text = bonding();

  EXPECT_EQ(text, bytes);
  QString declared = QString::fromUtf8(text.data(), qsizetype(text.size()));
  EXPECT_EQ(declared, QString::fromUtf8("1 \u212B = 100 pm\r\u00C5land\r"));
}

TEST_F(ResourceCatalogueTest, NoResourceFileRaisesNilObject) {
  ScopedResourceFork scoped(nullptr);

  EXPECT_THROW(itunes7circles(), NilObjectException);
  EXPECT_THROW(general(), NilObjectException);
}

TEST_F(ResourceCatalogueTest, FailedReadLeavesTheSlotToBeFilledLater) {
  auto fork = NumberedResourceFork();
  {
    ScopedResourceFork none(nullptr);
    EXPECT_THROW(general(), NilObjectException);
    EXPECT_THROW(itunes7circles(), NilObjectException);
  }
  ScopedResourceFork scoped(fork);
  EXPECT_EQ(general(), "TEXT 187");
  EXPECT_EQ(itunes7circles()->width(), 176);
}

TEST_F(ResourceCatalogueTest, CachedResourcesNeedNoResourceFile) {
  auto fork = NumberedResourceFork();
  Picture picture;
  {
    ScopedResourceFork scoped(fork);
    picture = itunes7circles();
    ASSERT_EQ(general(), "TEXT 187");
  }
  ScopedResourceFork none(nullptr);
  EXPECT_EQ(itunes7circles(), picture);
  EXPECT_EQ(general(), "TEXT 187");
}

TEST_F(ResourceCatalogueTest, ReleaseEmptiesEverySlot) {
  auto fork = NumberedResourceFork();
  ScopedResourceFork scoped(fork);
  Picture before = itunes7circles();
  ASSERT_EQ(general(), "TEXT 187");

  ReleaseResourceCatalogue();
  fork->pictures[176] = PictureOfWidth(1);
  fork->texts[187] = "after release";

  EXPECT_NE(itunes7circles(), before);
  EXPECT_EQ(general(), "after release");
  EXPECT_EQ(fork->pictureReads, 2);
  EXPECT_EQ(fork->textReads, 2);
}

}  // namespace
