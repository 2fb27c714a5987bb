// The engine's seeded pseudo-random source.
#include "engine/random_source.h"

#include <chrono>

namespace novlet {
namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

void TRandomSource::Seed(std::uint64_t seed) {
  for (auto& word : state_) word = SplitMix64(seed);
}

void TRandomSource::ReseedFromClock() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  Seed(static_cast<std::uint64_t>(now) ^ Next());
}

std::uint64_t TRandomSource::Next() {
  const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

std::uint32_t TRandomSource::Below(std::uint32_t bound) {
  // Lemire's multiply-and-reject: exactly uniform, no modulo bias.
  std::uint64_t product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(Next() >> 32)) * bound;
  auto low = static_cast<std::uint32_t>(product);
  if (low < bound) {
    const std::uint32_t threshold = (0u - bound) % bound;
    while (low < threshold) {
      product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(Next() >> 32)) * bound;
      low = static_cast<std::uint32_t>(product);
    }
  }
  return static_cast<std::uint32_t>(product >> 32);
}

}  // namespace novlet
