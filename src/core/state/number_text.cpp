#include "state/number_text.h"

#include <cmath>

namespace varodex {

std::string plain_number_text(long long value) { return std::to_string(value); }

std::string signed_blank_number_text(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

long long round_half_even(double value) {
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<long long>(whole);
}

}  // namespace varodex
