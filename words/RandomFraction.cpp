#include "RandomFraction.h"

#include <chrono>

void RandomFraction::seedFromTimer()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float RandomFraction::next()
{
    constexpr float kStep = 1.0f / 16777216.0f; // 2^-24
    return static_cast<float>(m_engine() >> 8) * kStep;
}
