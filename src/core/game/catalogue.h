// The 21 functions of two variables and the texts that name them.
#pragma once

#include <string>

namespace varodex {

inline constexpr int function_count = 21;

// The text after "Practice Game" in the title of function n (1..21).
const std::string& function_name(int function_number);

// The caption of the practice menu entry of function n (1..21).
const std::string& practice_menu_caption(int function_number);

}  // namespace varodex
