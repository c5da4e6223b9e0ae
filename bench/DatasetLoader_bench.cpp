#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "data/ElementTables.h"
#include "data/ResourceCatalogue.h"
#include "framework/ResourceFork.h"

namespace {

// A resource file in memory holding texts only.
class SyntheticResourceFork : public ResourceFork {
 public:
  std::map<int, std::string> texts;

  std::optional<std::string> GetResource(const std::string& type, int number) override {
    if (type != "TEXT") return std::nullopt;
    auto found = texts.find(number);
    if (found == texts.end()) return std::nullopt;
    return found->second;
  }

  Picture GetPicture(int) override { return nullptr; }
};

// A value of about the given length for element n.
std::string Value(int n, std::size_t length) {
  std::string value = std::to_string(n) + ".";
  while (value.size() < length) value += char('0' + value.size() % 10);
  return value;
}

// 118 CR-ended lines; each line holds one value per length, joined by the separator.
std::string Dataset(std::initializer_list<std::size_t> lengths, const std::string& separator) {
  std::string text;
  for (int n = 1; n <= 118; ++n) {
    bool first = true;
    for (std::size_t length : lengths) {
      if (!first) text += separator;
      text += Value(n, length);
      first = false;
    }
    text += '\r';
  }
  return text;
}

// 65 terms with definitions of about 300 bytes, each holding two line breaks ("∑∑∑").
std::string Glossary() {
  const std::string lineBreak = "\xE2\x88\x91\xE2\x88\x91\xE2\x88\x91";
  std::string text;
  for (int k = 1; k <= 65; ++k) {
    std::string definition = "A definition of term " + std::to_string(k) + ".";
    while (definition.size() < 100) definition += " More words of the definition.";
    text += "term " + std::to_string(k) + ":\xC3\x9F" + definition + lineBreak + definition + lineBreak +
            definition + '\r';
  }
  return text;
}

std::shared_ptr<SyntheticResourceFork> RealSizeResourceFork() {
  auto fork = std::make_shared<SyntheticResourceFork>();
  fork->texts[187] = Dataset({10, 2, 9, 4, 4}, " ");              // GeneralDat
  fork->texts[180] = Dataset({22, 4, 6, 5, 7, 5, 4, 8, 5}, " ");  // BondingDat
  fork->texts[174] = Dataset({6, 7, 7, 7}, " ");                  // Bonding2Dat
  fork->texts[178] = Dataset({6, 4, 6, 6, 6, 5, 8}, " ");         // CrystalDat
  fork->texts[171] = Dataset({5, 1}, " ");                        // Crystal2Dat
  fork->texts[176] = Dataset({4, 30, 24}, "\t");                  // HistoryDat
  fork->texts[169] = Dataset({1, 6, 4, 7, 7, 6, 6, 5, 4}, " ");   // PhysicalDat
  fork->texts[168] = Dataset({8, 9}, " ");                        // Physical2Dat
  fork->texts[172] = Dataset({8, 8, 8, 8}, " ");                  // AbundancesDat
  fork->texts[179] = Dataset({2, 1, 2, 1}, " ");                  // IsotopeDat
  fork->texts[181] = Dataset({1, 10, 10, 10}, " ");               // Isotope2Dat
  fork->texts[188] = Dataset({160}, " ");                         // UsesDat
  fork->texts[170] = Dataset({60}, " ");                          // OresDat
  fork->texts[185] = Dataset({10, 80}, "\t");                     // NamesDat
  fork->texts[189] = Dataset({10}, " ");                          // BritishDat
  fork->texts[173] = Dataset({20}, " ");                          // ColorDat
  fork->texts[175] = Dataset({10}, " ");                          // CASDat
  fork->texts[186] = Glossary();
  return fork;
}

// The start-up load, texts read from the resource file each time. No event loop runs, so
// yielding costs nothing here.
void BM_LoadDatasets(benchmark::State& state) {
  SetApplicationResourceForkForTesting(RealSizeResourceFork());
  for (auto _ : state) {
    ReleaseResourceCatalogue();
    loadDatasets();
    benchmark::DoNotOptimize(eGlossary(64, 1).data());
  }
  ReleaseResourceCatalogue();
  RestoreApplicationResourceFork();
}
BENCHMARK(BM_LoadDatasets)->Unit(benchmark::kMicrosecond);

}  // namespace

// The shipped tables, as compiled into the program, read afresh from the resource file each time.
void BM_LoadShippedDatasets(benchmark::State& state) {
  RestoreApplicationResourceFork();
  for (auto _ : state) {
    ReleaseResourceCatalogue();
    loadDatasets();
  }
  ReleaseResourceCatalogue();
}
BENCHMARK(BM_LoadShippedDatasets)->Unit(benchmark::kMicrosecond);
