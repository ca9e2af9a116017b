#include "platform/random.h"

#include <cmath>

namespace varodex {

int random_integer(Random& random, int lo, int hi) {
    const double span = static_cast<double>(hi) - lo + 1;
    int value = lo + static_cast<int>(std::floor(span * random.next()));
    // A draw a hair below 1 can round up to hi + 1 in floating point.
    return value > hi ? hi : value;
}

}  // namespace varodex
