// Time as the game sees it: a monotonic count of seconds and the calendar date.
#pragma once

#include <string>

namespace varodex {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds with fractions since an arbitrary start; never goes backwards.
    virtual double now_seconds() const = 0;
    // Today's date as mm-dd-yyyy, for the records file.
    virtual std::string today() const = 0;
};

}  // namespace varodex
