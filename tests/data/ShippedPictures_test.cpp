// The pictures the program ships: the picture resources as their accessors serve them, and the
// visual tables as the build lays them into the bundle.

#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <filesystem>
#include <string>

#include "data/ResourceCatalogue.h"
#include "framework/ResourceFork.h"
#include "support/ImageCompare.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

struct ShippedPicture {
  const char* name;
  Picture (*accessor)();
  int number;
  QSize size;
};

// The disk-use help pictures fill the help sheet's picture canvas, 398 x 305; the product icon
// is drawn into a 90 x 90 picture; the tables match the iPod's 320 x 240 screen.
const ShippedPicture kShippedPictures[] = {
    {"newSmallBlackLogo", newSmallBlackLogo, 168, {120, 110}},
    {"itunes4help", itunes4help, 169, {398, 305}},
    {"vuzarorozedezira90", vuzarorozedezira90, 171, {90, 90}},
    {"vuzarorozedezira128black", vuzarorozedezira128black, 172, {128, 128}},
    {"itunes6help", itunes6help, 173, {398, 305}},
    {"vuzarorozedezira90mask", vuzarorozedezira90mask, 174, {90, 90}},
    {"vuzarorozedezira90dim", vuzarorozedezira90dim, 175, {90, 90}},
    {"itunes7circles", itunes7circles, 176, {398, 305}},
    {"periodic320vpod", periodic320vpod, 177, {320, 240}},
    {"atwt320vpod", atwt320vpod, 178, {320, 240}},
    {"en320vpod", en320vpod, 179, {320, 240}},
    {"solidliquidgas320vpod", solidliquidgas320vpod, 180, {320, 240}},
};

class ShippedPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RestoreApplicationResourceFork();
    ReleaseResourceCatalogue();
  }
  void TearDown() override { ReleaseResourceCatalogue(); }
};

TEST_F(ShippedPicturesTest, EveryPictureResourceIsAPngOfItsSize) {
  for (const ShippedPicture& shipped : kShippedPictures) {
    SCOPED_TRACE(shipped.name);
    const Picture picture = shipped.accessor();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->size(), shipped.size);
    EXPECT_EQ(QImageReader(QString(":/PICT/%1").arg(shipped.number)).format(), "png");
  }
}

// Pictures drawn on black for the black About window end in black on every edge, so no frame
// shows round them.
TEST_F(ShippedPicturesTest, PicturesOnBlackAreBlackToTheirEdges) {
  for (const Picture& picture : {newSmallBlackLogo(), vuzarorozedezira128black()}) {
    ASSERT_NE(picture, nullptr);
    const QImage image = picture->convertToFormat(QImage::Format_RGB32);
    for (int x = 0; x < image.width(); ++x) {
      ASSERT_EQ(image.pixel(x, 0), qRgb(0, 0, 0)) << "top, x " << x;
      ASSERT_EQ(image.pixel(x, image.height() - 1), qRgb(0, 0, 0)) << "bottom, x " << x;
    }
    for (int y = 0; y < image.height(); ++y) {
      ASSERT_EQ(image.pixel(0, y), qRgb(0, 0, 0)) << "left, y " << y;
      ASSERT_EQ(image.pixel(image.width() - 1, y), qRgb(0, 0, 0)) << "right, y " << y;
    }
  }
}

// The one mask serves both faces: black where a face shows, white where it is transparent, so a
// face drawn through it shows no halo and loses nothing. The faces themselves differ.
TEST_F(ShippedPicturesTest, TheIconMaskFitsBothFaces) {
  const QImage mask = vuzarorozedezira90mask()->convertToFormat(QImage::Format_Grayscale8);
  EXPECT_TRUE(mask.isGrayscale());
  EXPECT_EQ(qGray(mask.pixel(45, 45)), 0) << "the centre shows";
  EXPECT_EQ(qGray(mask.pixel(0, 0)), 255) << "the rounded corner is transparent";
  for (const Picture& face : {vuzarorozedezira90(), vuzarorozedezira90dim()}) {
    const QImage argb = face->convertToFormat(QImage::Format_ARGB32);
    int misfits = 0;
    for (int y = 0; y < 90; ++y) {
      for (int x = 0; x < 90; ++x) misfits += qAlpha(argb.pixel(x, y)) != 255 - qGray(mask.pixel(x, y));
    }
    EXPECT_EQ(misfits, 0);
  }
  EXPECT_GT(CompareImages(*vuzarorozedezira90(), *vuzarorozedezira90dim()).pixelsBeyondRounding, 90 * 90 / 2);
}

// The first frame marker of a JPEG: 0xC0 for a baseline picture, 0xC2 for a progressive one;
// 0 when there is none.
int FrameMarker(const std::string& bytes) {
  std::size_t at = 2;  // after the start-of-image marker
  while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xFF) {
    const int marker = static_cast<unsigned char>(bytes[at + 1]);
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) return marker;
    const std::size_t length = std::size_t(static_cast<unsigned char>(bytes[at + 2])) << 8 |
                               static_cast<unsigned char>(bytes[at + 3]);
    at += 2 + length;
  }
  return 0;
}

struct BundleTable {
  const char* file;
  Picture (*resource)();
};

// The visual tables in the built bundle: baseline JPEGs of the iPod's screen size, each the same
// picture as the resource the main window's thumbnail draws from.
TEST_F(ShippedPicturesTest, TheBuiltBundleHoldsTheFourTablesAsBaselineJpegs) {
  const BundleTable tables[] = {
      {"periodic-320-vpod.jpg", periodic320vpod},
      {"en-320-vpod.jpg", en320vpod},
      {"solid-liquid-gas-320-vpod.jpg", solidliquidgas320vpod},
      {"atwt-320-vpod.jpg", atwt320vpod},
  };
  for (const BundleTable& table : tables) {
    SCOPED_TRACE(table.file);
    const fs::path path = fs::path(ATOMNOTE_BUNDLE_DIR) / "Contents" / "Resources" / table.file;
    ASSERT_TRUE(fs::is_regular_file(path));
    const std::string bytes = ReadFileBytes(path);
    ASSERT_EQ(bytes.substr(0, 2), "\xFF\xD8") << "no JPEG";
    EXPECT_EQ(FrameMarker(bytes), 0xC0) << "not a baseline JPEG";
    const QImage image(QString::fromStdString(path.string()));
    ASSERT_EQ(image.size(), QSize(320, 240));
    EXPECT_GE(CompareImages(image, *table.resource()).peakSignalToNoise, kJpegCopyMinimumPsnr);
  }
}

TEST(FrameMarker, TellsBaselineFromProgressive) {
  // Start of image, an application segment of 4 bytes, then the frame.
  const std::string head = std::string("\xFF\xD8\xFF\xE0\x00\x04\x00\x00", 8);
  EXPECT_EQ(FrameMarker(head + std::string("\xFF\xC0\x00\x0B", 4)), 0xC0);
  EXPECT_EQ(FrameMarker(head + std::string("\xFF\xC2\x00\x0B", 4)), 0xC2);
  // A Huffman table before the frame is skipped.
  EXPECT_EQ(FrameMarker(head + std::string("\xFF\xC4\x00\x02\xFF\xC2\x00\x0B", 8)), 0xC2);
  EXPECT_EQ(FrameMarker(head), 0);
}

}  // namespace
