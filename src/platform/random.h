#pragma once

#include <cstdint>

namespace vornith {

// The process-wide pseudo-random generator that problem generation and the shuffling of a
// collection draw from. Equal seeds repeat equal sequences; neighbouring seeds give unrelated
// ones.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(std::int64_t seed) = 0;
    // Re-seeds from the clock, for draws that must differ from run to run.
    virtual void reseedFromClock() = 0;
    // One uniform single-precision draw, at least 0 and below 1.
    virtual float next() = 0;
};

// PCG32 (permuted congruential generator) with the seed spread by SplitMix64, so that seeds
// 1, 2, 3... start far apart in the sequence.
class Pcg32Random final : public RandomSource {
public:
    explicit Pcg32Random(std::int64_t seed = 0) { reseed(seed); }
    void reseed(std::int64_t seed) override;
    void reseedFromClock() override;
    float next() override;

private:
    std::uint32_t nextBits();
    std::uint64_t state_ = 0;
    std::uint64_t increment_ = 1;
};

} // namespace vornith
