#pragma once
// The lottery's draw, kept free of widgets so it can be tested exhaustively.

#include <cstdint>
#include <vector>

class QString;

namespace lullara {

// The position drawn from a list of `count` entries for a random value r in
// [0, 1): floor((count - 1) * r + 1), computed in single precision as the
// program always has. For count >= 2 this is 1 .. count - 1, never 0; where
// single-precision rounding would reach `count` (r just below 1 on a long
// list) the result is count - 1. With fewer than two entries there is no
// valid draw: the result is -1 and the caller skips the draw for that tick.
int drawPosition(int count, float r);

// The draw when each name is drawn once: one of the positions still open
// (ascending), chosen by r as drawPosition() chooses among a list of
// open.size() + 1 entries, so that with every position 1 .. count - 1 open
// the result is drawPosition(count, r). -1 when none is open.
int drawAmong(const std::vector<int> &open, float r);

// Reads a selector's text ("0.25", "5") as a number, whatever the locale;
// 0 for text that is no number.
double selectorNumber(const QString &text);

// SplitMix64: mixes a seed into well-spread 64 bits.
std::uint64_t splitMix64(std::uint64_t x);

// Uniform random values in [0, 1), re-seeded before every draw from the time
// of day at the clock's finest resolution, mixed with a counter so that two
// draws in the same clock tick still differ. The generator is SplitMix64: each
// draw seeds it afresh and takes its first output, so a draw costs a few
// multiplications.
class LotteryRandom {
public:
    // Re-seeds from the current time and returns one value r, 0 <= r < 1.
    float next();
    // Re-seeds from the given time stamp (nanoseconds), mixed with this
    // generator's draw counter, and returns one value.
    float nextFromSeed(std::uint64_t timeNanos);

private:
    std::uint64_t m_counter = 0;
};

} // namespace lullara
