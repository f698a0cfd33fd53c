#include "platform/random.h"

#include <chrono>

namespace vornith {

namespace {

std::uint64_t splitMix64(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

void Pcg32Random::reseed(std::int64_t seed) {
    std::uint64_t mix = static_cast<std::uint64_t>(seed);
    const std::uint64_t start = splitMix64(mix);
    increment_ = (splitMix64(mix) << 1) | 1U;
    state_ = 0;
    nextBits();
    state_ += start;
    nextBits();
}

void Pcg32Random::reseedFromClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto wall = std::chrono::system_clock::now().time_since_epoch();
    reseed(static_cast<std::int64_t>(now.count() ^ (wall.count() << 1)));
}

std::uint32_t Pcg32Random::nextBits() {
    const std::uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + increment_;
    const auto xorshifted = static_cast<std::uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<std::uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

float Pcg32Random::next() {
    // 24 bits fill a float's significand exactly, so the result is below 1.
    return static_cast<float>(nextBits() >> 8) * (1.0F / 16777216.0F);
}

} // namespace vornith
