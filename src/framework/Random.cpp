#include "framework/Random.h"

#include <random>
#include <utility>

namespace {

// The top 53 bits of a 64-bit draw, as a fraction: every value is a multiple of 2^-53 below 1,
// so 1 itself never comes out.
double FromGenerator() {
  static std::mt19937_64 generator;  // default seed: never seeded by the program
  return static_cast<double>(generator() >> 11) * 0x1.0p-53;
}

std::function<double()>& DrawSlot() {
  static std::function<double()> draw = FromGenerator;
  return draw;
}

}  // namespace

double Rnd() { return DrawSlot()(); }

void SetRandomForTesting(std::function<double()> draw) {
  DrawSlot() = draw ? std::move(draw) : std::function<double()>(FromGenerator);
}
