#pragma once

#include <cstdint>
#include <memory>

namespace rt {

// The program's one source of random numbers.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Seeds the source from the system clock.
    virtual void randomize() = 0;
    // The next number r, 0 <= r < 1.
    virtual float next() = 0;
};

// A 24-bit linear congruential generator: every raw value maps to a float
// below 1 exactly, so floor(r * n) never reaches n.
class LcgRandom : public RandomSource
{
public:
    explicit LcgRandom(std::uint32_t seed = 0x50000);

    void randomize() override;
    float next() override;

    void seed(std::uint32_t seed);
    static float fromRaw(std::uint32_t raw);
    static constexpr std::uint32_t rawMask = 0xFFFFFF;

private:
    std::uint32_t state_;
};

// Seeds the program's source from the system clock.
void Randomize();
// The next number of the program's source, 0 <= r < 1.
float Rnd();

RandomSource &randomSource();
void setRandomSource(std::unique_ptr<RandomSource> source);

} // namespace rt
