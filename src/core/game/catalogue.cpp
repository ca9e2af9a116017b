#include "game/catalogue.h"

#include <array>

namespace varodex {

namespace {

const std::array<std::string, function_count> function_names = {
    "z = Maximum(x,y) or z = Minimum(x,y)",
    "z = Maximum( |x|,|y| ) or z = Minimum( |x|,|y| )",
    "z = (x + y)/2  drop remainder",
    "z = (|x|+|y|)/2  drop remainder",
    "z = x/y  or  z = y/x  drop remainder",
    "z = |x|/y  or  z = |y|/x  drop remainder",
    "z = ax + b  or  z = ay + b",
    "z = a|x| + b  or  z = a|y| + b",
    "z = ax² + b  or  z = ay² + b",
    "z = axy+ b",
    "z = a|xy|+ b",
    "z = x²/y  or  z = y²/x  drop remainder",
    "z = x³/y  or  z = y³/x  drop remainder",
    "z = |x³|/y  or  z = |y³|/x  drop remainder",
    "z = ax³ + b  or  z = ay³ + b",
    "z = a|x³|+ b  or  z = a|y³| + b",
    "z = ax + by + c, (a,b not = 0)",
    "z = a|x| + b|y| + c (a,b not = 0)",
    "z = ax² + by² + c (a,b not = 0)",
    "z = ax³+ by³ + c (a,b not = 0)",
    "z = a|x³|+ b|y³| + c (a,b not = 0)",
};

const std::array<std::string, function_count> practice_captions = {
    "Function 1  z = Maximum(x,y) or z =Minimum(x,y)",
    "Function 2  z = Maximum( |x| , |y| ) or z = Minimum( |x| , |y| )",
    "Function 3  Average, z = (x + y)/2  Drop Remainder",
    "Function 4  Average of Absolute Values, z = ( | x |  + | y| )/2",
    "Function 5  z = x/y  or  z = y/x  Drop Remainder",
    "Function 6  z = |x|/y  or  z = |y|/x  Drop Remainder",
    "Function 7  z = ax + b  or  z = ay + b",
    "Function 8   z = a|x| + b  or  z = a|y| + b",
    "Function 9  z = ax ² + b  or  z = ay²  + b",
    "Function 10  z = axy+ b",
    "Function 11   z = a|xy|+ b",
    "Function 12  z = x²/y  or  z = y²/x  Drop Remainder",
    "Function 13  z = x³/y  or  z = y³/x  Drop Remainder",
    "Function 14  z = |x³|/y  or  z = |y³|/x  Drop Remainder",
    "Function 15  z = ax ³+ b  or  z = ay³ + b",
    "Function 16   z = a|x| ³+ b  or  z = a|y|³ + b",
    "Function 17  z = ax + by + c",
    "Function 18   z = a|x| + b|y|+ c",
    "Function 19  z = ax ² + by² + c",
    "Function 20  z = ax ³+ by³+ c",
    "Function 21  z = a|x| ³+ b|y|³+ c",
};

// A game code restored from a damaged record may name no function: it gets an empty text
// rather than a crash.
const std::string& pick(const std::array<std::string, function_count>& texts, int function_number) {
    static const std::string none;
    if (function_number < 1 || function_number > function_count) return none;
    return texts[static_cast<std::size_t>(function_number - 1)];
}

}  // namespace

const std::string& function_name(int function_number) {
    return pick(function_names, function_number);
}

const std::string& practice_menu_caption(int function_number) {
    return pick(practice_captions, function_number);
}

}  // namespace varodex
