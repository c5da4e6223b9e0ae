// The picture tool, against the pictures the repository and the built bundle hold: a picture
// that no longer shows the element data, or that the tool no longer draws, is found here.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ContactSheet.h"
#include "ElementFacts.h"
#include "ProductIcon.h"
#include "ShippedPictures.h"
#include "TableGrid.h"
#include "TableRenderer.h"
#include "VisualTables.h"
#include "support/ImageCompare.h"
#include "support/KeepFolder.h"

namespace fs = std::filesystem;

namespace {

const fs::path kRepository = ATOMNOTE_SOURCE_DIR;
const char kRedraw[] =
    "redraw with build/tools/pictures/atomnote_pictures <repository> and commit the pictures";

class PictureToolTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    elements_ = ShippedElements();
    pictures_ = DrawShippedPictures(elements_);
  }

  static std::vector<ElementFact> elements_;
  static ShippedPictures pictures_;
};

std::vector<ElementFact> PictureToolTest::elements_;
ShippedPictures PictureToolTest::pictures_;

QImage LoadImage(const fs::path& path) { return QImage(QString::fromStdString(path.string())); }

// The committed picture resources are what the tool draws from the data of this build, colours
// and transparency, up to the rounding of anti-aliasing on this processor; and resources/pict
// holds no picture the tool does not draw.
TEST_F(PictureToolTest, TheCommittedPictureResourcesAreWhatTheToolDraws) {
  std::set<std::string> drawn;
  for (const PictureResource& picture : pictures_.resources) {
    const std::string name = std::to_string(picture.number) + "-" + picture.name + ".png";
    SCOPED_TRACE(name);
    drawn.insert(name);
    const QImage committed = LoadImage(kRepository / "resources" / "pict" / name);
    ASSERT_FALSE(committed.isNull()) << "missing; " << kRedraw;
    EXPECT_TRUE(DrawnAlike(committed, picture.image)) << kRedraw;
  }
  std::set<std::string> committed;
  for (const auto& entry : fs::directory_iterator(kRepository / "resources" / "pict")) {
    committed.insert(entry.path().filename().string());
  }
  EXPECT_EQ(committed, drawn);
}

// The picture with what lies in `area` drawn `by` further, within `area`.
QImage Moved(const QImage& picture, const QRect& area, QPoint by) {
  QImage moved = picture.copy();
  QPainter painter(&moved);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.setClipRect(area);
  painter.drawImage(area.topLeft() + by, picture.copy(area));
  return moved;
}

// The picture with the red of one pixel `steps` off (down where it can), its opacity kept.
QImage Nudged(const QImage& picture, QPoint at, int steps) {
  QImage nudged = picture.convertToFormat(QImage::Format_ARGB32);
  const QRgb pixel = nudged.pixel(at);
  const int red = qRed(pixel) >= steps ? qRed(pixel) - steps : qRed(pixel) + steps;
  nudged.setPixel(at, qRgba(red, qGreen(pixel), qBlue(pixel), qAlpha(pixel)));
  return nudged;
}

// The first pixel of the picture that is nearly but not wholly transparent.
QPoint NearlyTransparentPixel(const QImage& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const int alpha = qAlpha(picture.pixel(x, y));
      if (alpha > 0 && alpha <= 8) return {x, y};
    }
  }
  return {-1, -1};
}

// The comparison of the committed pictures passes over rounding and nothing more. Against a
// committed picture, a change a person would see fails: another colour for one element, a symbol
// or the icon one pixel over, one channel a step beyond rounding. Rounding passes: one channel at
// the limit, and the straight colour of a nearly transparent pixel, which rounds many steps apart
// where a processor turns premultiplied colour back into straight colour another way (one step at
// opacity 6 is 42 steps) while the pixel shows the same.
TEST_F(PictureToolTest, ACommittedPictureNoLongerMatchesAfterAChangeBeyondRounding) {
  const VisualTable& periodic = VisualTables().front();
  ASSERT_EQ(periodic.pictNumber, 177);
  const QImage table = LoadImage(kRepository / "resources" / "pict" / "177-periodic320vpod.png");
  const QImage drawnTable = DrawVisualTable(periodic, elements_);
  ASSERT_TRUE(DrawnAlike(table, drawnTable));
  const QImage icon = LoadImage(kRepository / "resources" / "pict" / "171-vuzarorozedezira90.png");
  const QImage drawnIcon = DrawProductIcon(90, IconLook::kBright);
  ASSERT_TRUE(DrawnAlike(icon, drawnIcon));

  std::vector<ElementFact> siliconAsMetal = elements_;
  ElementFact& silicon = siliconAsMetal[13];
  ASSERT_EQ(silicon.symbol, "Si");
  ASSERT_EQ(silicon.elementClass, "s");
  silicon.elementClass = "m";
  const ElementFact& iron = elements_[25];
  ASSERT_EQ(iron.symbol, "Fe");
  // The band of the cell's symbol, inside its outline.
  const QRect ironSymbol = TableCell(iron).adjusted(1, 9, -1, -1);
  const QPoint ironFill = PlainPointOfCell(iron);
  const QPoint iconEdge = NearlyTransparentPixel(drawnIcon);
  ASSERT_TRUE(drawnIcon.rect().contains(iconEdge));

  struct Case {
    const char* what;
    const QImage& committed;
    QImage drawn;
    bool alike;
  };
  const Case cases[] = {
      {"silicon drawn as a metal", table, DrawVisualTable(periodic, siliconAsMetal), false},
      {"the symbol of iron one pixel to the right", table, Moved(drawnTable, ironSymbol, {1, 0}), false},
      {"the symbol of iron one pixel lower", table, Moved(drawnTable, ironSymbol, {0, 1}), false},
      {"the icon one pixel to the right", icon, Moved(drawnIcon, drawnIcon.rect(), {1, 0}), false},
      {"one pixel of iron's fill off by rounding", table, Nudged(drawnTable, ironFill, kRoundingSteps), true},
      {"one pixel of iron's fill a step beyond rounding", table,
       Nudged(drawnTable, ironFill, kRoundingSteps + 1), false},
      {"the colour of a nearly transparent edge pixel of the icon 40 steps off", icon,
       Nudged(drawnIcon, iconEdge, 40), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const ::testing::AssertionResult alike = DrawnAlike(c.committed, c.drawn);
    EXPECT_EQ(bool(alike), c.alike) << alike.message();
  }
}

// The bundle's JPEGs, as the build lays them into the bundle, show the tables the tool draws.
// The four, side by side, are kept for a look by hand when ATOMNOTE_TEST_KEEP names a folder.
TEST_F(PictureToolTest, TheBuiltBundleShipsTheTablesTheToolDraws) {
  std::vector<std::pair<QString, QImage>> shipped;
  for (const BundlePicture& table : pictures_.tables) {
    SCOPED_TRACE(table.fileName);
    const QImage jpeg = LoadImage(fs::path(ATOMNOTE_BUNDLE_DIR) / "Contents" / "Resources" / table.fileName);
    ASSERT_EQ(jpeg.size(), table.image.size());
    EXPECT_GE(CompareImages(jpeg, table.image).peakSignalToNoise, kJpegCopyMinimumPsnr) << kRedraw;
    shipped.emplace_back(QString::fromStdString(table.fileName), jpeg);
  }
  ASSERT_EQ(shipped.size(), 4u);
  if (const std::optional<fs::path> keep = KeepFolder()) {
    const fs::path sheet = *keep / "visual-tables.png";
    EXPECT_TRUE(DrawContactSheet(shipped).save(QString::fromStdString(sheet.string()))) << sheet;
  }
}

// Every element sits in a cell of its own inside the picture, clear of the legend and the note,
// and its cell shows the table's colour for it, a colour the legend explains.
TEST_F(PictureToolTest, EveryCellShowsALegendColourForItsElement) {
  ASSERT_EQ(elements_.size(), 118u);
  const QRect picture(0, 0, kTableWidth, kTableHeight);
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    const ElementFact& element = elements_[i];
    SCOPED_TRACE(element.symbol);
    const QRect cell = TableCell(element);
    EXPECT_TRUE(picture.contains(cell));
    EXPECT_FALSE(cell.intersects(TableLegendArea()));
    EXPECT_FALSE(cell.intersects(TableNoteArea()));
    for (std::size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(cell.intersects(TableCell(elements_[j]))) << "shares space with " << elements_[j].symbol;
    }
  }
  for (const VisualTable& table : VisualTables()) {
    SCOPED_TRACE(table.bundleFile);
    const QImage image = DrawVisualTable(table, elements_);
    std::set<QRgb> legend;
    for (const LegendEntry& entry : table.legend) legend.insert(entry.fill.rgb());
    for (const ElementFact& element : elements_) {
      const QRgb fill = table.fill(element).rgb();
      EXPECT_TRUE(legend.contains(fill)) << element.symbol << " has a colour the legend lacks";
      EXPECT_EQ(image.pixel(PlainPointOfCell(element)), fill) << element.symbol;
    }
  }
}

// What the data says, seen in the cells: a few elements whose class, state, electronegativity
// band or kind of weight is known, so a table that shows another element's colour is caught.
TEST_F(PictureToolTest, CellsShowWhatTheDataSaysOfKnownElements) {
  struct Case {
    const char* table;
    int number;
    const char* legendLabel;
  };
  const Case cases[] = {
      {"periodic-320-vpod.jpg", 1, "nonmetal"},
      {"periodic-320-vpod.jpg", 14, "semimetal"},
      {"periodic-320-vpod.jpg", 79, "metal"},
      {"periodic-320-vpod.jpg", 92, "metal"},
      {"en-320-vpod.jpg", 9, "3.5 and over"},
      {"en-320-vpod.jpg", 55, "below 1.0"},
      {"en-320-vpod.jpg", 2, "no value"},
      {"solid-liquid-gas-320-vpod.jpg", 35, "liquid"},
      {"solid-liquid-gas-320-vpod.jpg", 80, "liquid"},
      {"solid-liquid-gas-320-vpod.jpg", 86, "gas"},
      {"solid-liquid-gas-320-vpod.jpg", 6, "solid"},
      {"atwt-320-vpod.jpg", 26, "standard atomic weight"},
      {"atwt-320-vpod.jpg", 43, "mass number of the longest-lived isotope"},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(std::string(test.table) + " element " + std::to_string(test.number));
    const VisualTable* table = nullptr;
    for (const VisualTable& candidate : VisualTables()) {
      if (candidate.bundleFile == std::string(test.table)) table = &candidate;
    }
    ASSERT_NE(table, nullptr);
    const ElementFact& element = elements_[std::size_t(test.number - 1)];
    const QImage image = DrawVisualTable(*table, elements_);
    std::optional<QRgb> expected;
    for (const LegendEntry& entry : table->legend) {
      if (entry.label == test.legendLabel) expected = entry.fill.rgb();
    }
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(image.pixel(PlainPointOfCell(element)), *expected);
  }
}

TEST(RoundedAtomicWeight, KeepsFourSignificantFiguresAtMost) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.008", "1.008"},        {"4.002602", "4.003"}, {"6.94", "6.94"},     {"15.999", "16.00"},
      {"55.845", "55.85"},       {"207.2", "207.2"},    {"200.592", "200.6"}, {"238.02891", "238.0"},
      {"132.90545196", "132.9"}, {"209", "209"},        {"99.996", "100.0"},  {"9.99999", "10.00"},
  };
  for (const auto& [stored, shown] : cases) {
    EXPECT_EQ(RoundedAtomicWeight(stored).toStdString(), shown) << stored;
  }
}

}  // namespace
