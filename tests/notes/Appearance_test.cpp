#include <gtest/gtest.h>

#include <string>

#include "data/ElementTables.h"
#include "framework/Exceptions.h"
#include "notes/threadClass.h"
#include "support/TestSupport.h"

namespace {

constexpr int kRow = 7;

class AppearanceTest : public ::testing::TestWithParam<std::pair<std::string, std::string>> {
 protected:
  void TearDown() override { eColor = saved_; }

  threadClass worker_;

 private:
  StringArray saved_ = eColor;
};

TEST_P(AppearanceTest, GivesThePhraseOfTheCode) {
  eColor(kRow) = GetParam().first;
  EXPECT_EQ(worker_.interpretAppearance(kRow + 1), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, AppearanceTest,
    ::testing::Values(
        std::pair<std::string, std::string>{"colorless", "colorless"},
        std::pair<std::string, std::string>{"oxygen", "allotropic: colorless or pale blue,"},
        std::pair<std::string, std::string>{"fluorine", "pale yellow"},
        std::pair<std::string, std::string>{"chlorine", "pale green"},
        std::pair<std::string, std::string>{"boron", "brown crystal"},
        std::pair<std::string, std::string>{"carbon", "allotropic: clear crystal or black,"},
        std::pair<std::string, std::string>{"gold", "yellow"},
        std::pair<std::string, std::string>{"copper", "red-brown"},
        std::pair<std::string, std::string>{"silverwhite", "silvery white"},
        std::pair<std::string, std::string>{"silvergray", "silvery gray"},
        std::pair<std::string, std::string>{"bluewhite", "bluish white"},
        std::pair<std::string, std::string>{"iodine", "violet-black crystalline"},
        std::pair<std::string, std::string>{"phosphorous", "allotropic: white solid or red powder,"},
        std::pair<std::string, std::string>{"radium", "white, glowing blue"},
        std::pair<std::string, std::string>{"mercury", "silvery"},
        std::pair<std::string, std::string>{"sulfur", "yellow crystalline"},
        std::pair<std::string, std::string>{"leadlike", "gray"},
        std::pair<std::string, std::string>{"bismuth", "slightly reddish"},
        std::pair<std::string, std::string>{"bromine", "brown"},
        std::pair<std::string, std::string>{"silverwhite2", "silvery white"},
        std::pair<std::string, std::string>{"silicon", "brown-black crystalline"},
        std::pair<std::string, std::string>{"selenium", "allotropic: bluish metallic or red solid,"},
        std::pair<std::string, std::string>{"darkgray", "gray"},
        // Whole codes only: no phrase for the missing value, an empty code, a
        // prefix, a longer code or another spelling.
        std::pair<std::string, std::string>{"nul", ""}, std::pair<std::string, std::string>{"", ""},
        std::pair<std::string, std::string>{"silver", ""},
        std::pair<std::string, std::string>{"silverwhite3", ""},
        std::pair<std::string, std::string>{"phosphorus", ""}),
    [](const ::testing::TestParamInfo<std::pair<std::string, std::string>>& info) {
      return TestNameOf(info.param.first);
    });

TEST(AppearanceRowTest, AnAtomicNumberOutsideTheTableRaises) {
  const threadClass worker;
  EXPECT_THROW(worker.interpretAppearance(0), OutOfBoundsException);
  EXPECT_THROW(worker.interpretAppearance(119), OutOfBoundsException);
}

}  // namespace
