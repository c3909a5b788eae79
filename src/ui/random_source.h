#pragma once

#include <cstdint>
#include <random>

namespace vexel {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1); never 1.0.
    virtual float draw() = 0;
};

// The game's generator. It is never seeded from the clock, so every run
// draws the same sequence unless another seed is asked for.
class DefaultRandom final : public RandomSource {
public:
    static constexpr std::uint32_t DefaultSeed = 5489U;

    explicit DefaultRandom(std::uint32_t seed = DefaultSeed) : seed_(seed), engine_(seed) {}

    float draw() override
    {
        ++drawn_;
        // 24 random bits fill a float's mantissa exactly, so the largest
        // value is 1 - 2^-24. generate_canonical<float> can round up to 1.0.
        return static_cast<float>(engine_() >> 8) * 0x1p-24F;
    }

    std::uint32_t seed() const { return seed_; }
    // Numbers handed out so far, skipped ones included.
    std::uint64_t drawn() const { return drawn_; }
    // Moves on as if count numbers had been drawn. Exact, since every draw
    // is one step of the engine; it takes time in proportion to count.
    void skip(std::uint64_t count)
    {
        engine_.discard(count);
        drawn_ += count;
    }

private:
    std::uint32_t seed_;
    std::uint64_t drawn_ = 0;
    std::mt19937 engine_;
};

} // namespace vexel
