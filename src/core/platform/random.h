// The game's source of chance.
#pragma once

namespace varodex {

class Random {
public:
    virtual ~Random() = default;
    // A uniform draw in [0, 1).
    virtual double next() = 0;
    // Start a fresh sequence from the clock; two re-seeds never give the same sequence.
    virtual void reseed() = 0;
};

// lo + floor((hi - lo + 1) * r): every integer of lo..hi equally likely.
int random_integer(Random& random, int lo, int hi);

}  // namespace varodex
