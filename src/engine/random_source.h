// The engine's seeded pseudo-random source.
#pragma once

#include <cstdint>

namespace novlet {

// The engine's uniform pseudo-random source (xoshiro256**). Seeded explicitly
// it repeats its draws exactly, on every machine and compiler, which is what
// makes "the same seed gives the same puzzle" hold.
class TRandomSource {
 public:
  explicit TRandomSource(std::uint64_t seed = 0) { Seed(seed); }

  void Seed(std::uint64_t seed);
  // What the game does before retrying a failed generation.
  void ReseedFromClock();

  // A uniform integer 0 <= x < bound; bound must be at least 1.
  std::uint32_t Below(std::uint32_t bound);
  // A uniform integer low <= x <= high.
  int Between(int low, int high) { return low + static_cast<int>(Below(static_cast<std::uint32_t>(high - low + 1))); }

 private:
  std::uint64_t Next();

  std::uint64_t state_[4];
};

}  // namespace novlet
