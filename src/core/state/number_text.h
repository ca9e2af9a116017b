// Number texts and the two integer roundings every part of the game uses.
#pragma once

#include <string>

namespace varodex {

// Digits with "-" in front of negatives and nothing otherwise: "-3", "0", "12".
std::string plain_number_text(long long value);

// One blank in front of zero and positives, "-" in front of negatives: " 3", " 0", "-3".
std::string signed_blank_number_text(long long value);

// Nearest integer; an exact half goes to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
long long round_half_even(double value);

// Division that drops the remainder, toward zero (-7 / 2 = -3). The divisor must not be 0.
constexpr long long div_trunc(long long numerator, long long divisor) {
    return numerator / divisor;  // C++ integer division already truncates toward zero
}

}  // namespace varodex
