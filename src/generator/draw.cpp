#include "draw.h"

#include <QLocale>
#include <QString>
#include <chrono>
#include <cmath>

namespace lullara {

int drawPosition(int count, float r)
{
    if (count < 2)
        return -1;
    // A value outside [0, 1) (or not a number) cannot come from the generator;
    // keep it from producing a position outside the list all the same.
    if (!(r >= 0.0f))
        r = 0.0f;
    if (r >= 1.0f)
        r = std::nextafter(1.0f, 0.0f);

    // Single precision on purpose: the draw has always been computed this way.
    const float span = static_cast<float>(count - 1);
    const float product = span * r;
    const float sum = product + 1.0f;
    const float position = std::floor(sum);
    // Rounding of the product or the sum can reach `count` for r just below 1
    // and long lists; the draw must stay inside the list.
    if (position >= span)
        return count - 1;
    return static_cast<int>(position);
}

int drawAmong(const std::vector<int> &open, float r)
{
    const int k = drawPosition(static_cast<int>(open.size()) + 1, r);
    return k < 1 ? -1 : open[static_cast<size_t>(k - 1)];
}

double selectorNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? value : 0.0;
}

std::uint64_t splitMix64(std::uint64_t x)
{
    std::uint64_t z = x + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float LotteryRandom::next()
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count();
    return nextFromSeed(static_cast<std::uint64_t>(nanos));
}

float LotteryRandom::nextFromSeed(std::uint64_t timeNanos)
{
    // The clock may tick more coarsely than the draws come (or stand still);
    // the counter makes every seed of this generator a different one.
    const std::uint64_t seed = timeNanos ^ splitMix64(m_counter++);
    // SplitMix64 freshly seeded: its first output is the seed mixed once
    // more. Different seeds give different outputs (the mixing is one to one).
    const std::uint64_t output = splitMix64(seed);
    // The top 24 bits: exactly representable in a float and strictly below 1.
    const auto bits = static_cast<std::uint32_t>(output >> 40);
    return static_cast<float>(bits) * (1.0f / 16777216.0f);
}

} // namespace lullara
