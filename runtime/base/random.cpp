#include "random.h"

#include <chrono>

namespace rt {

LcgRandom::LcgRandom(std::uint32_t seed) : state_(seed & rawMask) {}

void LcgRandom::randomize()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    seed(static_cast<std::uint32_t>(micros ^ (micros >> 24)));
}

void LcgRandom::seed(std::uint32_t seed)
{
    state_ = seed & rawMask;
}

float LcgRandom::next()
{
    state_ = (state_ * 1140671485u + 12820163u) & rawMask;
    return fromRaw(state_);
}

float LcgRandom::fromRaw(std::uint32_t raw)
{
    // 24 bits fit a float's mantissa: the division is exact and stays below 1.
    return static_cast<float>(raw & rawMask) / 16777216.0f;
}

namespace {

std::unique_ptr<RandomSource> &current()
{
    static std::unique_ptr<RandomSource> source = std::make_unique<LcgRandom>();
    return source;
}

} // namespace

void Randomize() { current()->randomize(); }
float Rnd() { return current()->next(); }

RandomSource &randomSource() { return *current(); }

void setRandomSource(std::unique_ptr<RandomSource> source)
{
    current() = std::move(source);
}

} // namespace rt
