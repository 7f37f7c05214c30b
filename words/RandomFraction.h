#pragma once

#include <cstdint>
#include <random>

// Uniform single-precision numbers in [0, 1). Each is a whole multiple of 2^-24 built from the
// engine's bits, so it is exact in a float and can never round up to 1.
class RandomFraction
{
public:
    void seedFromTimer();
    void seed(std::uint32_t value) { m_engine.seed(value); }
    float next();

private:
    std::mt19937 m_engine;
};
