// RandomSource: uniform draws for the problem generators.
#include "random_source.h"

#include "program_clock.h"

#include <chrono>

RandomSource::RandomSource(quint32 seed)
    : engine_(seed)
{
}

void RandomSource::seed(quint32 value)
{
    engine_.seed(value);
}

void RandomSource::reseedFromClock()
{
    // The time of day in milliseconds alone would give the same problem twice
    // for two reseeds within one millisecond; mixing in a steady high-resolution
    // count keeps consecutive reseeds apart.
    const auto fine = std::chrono::steady_clock::now().time_since_epoch().count();
    const qint64 ms = Clock::now().toMSecsSinceEpoch();
    std::seed_seq mix{quint32(ms), quint32(ms >> 32), quint32(fine), quint32(quint64(fine) >> 32)};
    engine_.seed(mix);
}

int RandomSource::rnd(int n)
{
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

namespace {
RandomSource*& TestSource()
{
    static RandomSource* source = nullptr;
    return source;
}
} // namespace

RandomSource& RandomSource::program()
{
    static RandomSource source;
    return TestSource() ? *TestSource() : source;
}

void RandomSource::setProgramSourceForTesting(RandomSource* source)
{
    TestSource() = source;
}
