// The 21 functions of two variables, their 33 variants and the texts that name them.
#pragma once

#include <string>

namespace varodex {

inline constexpr int function_count = 21;
inline constexpr int variant_count = 33;

// The text after "Practice Game" in the title of function n (1..21).
const std::string& function_name(int function_number);

// The caption of the practice menu entry of function n (1..21).
const std::string& practice_menu_caption(int function_number);

// The text of variant code 1..33 among the Choose Formula choices.
const std::string& variant_choice_text(int variant_code);

// The same at the Savantor level, where a multiplies or is added.
const std::string& variant_choice_text_a(int variant_code);

// For k = 1..22: how many variant codes belong to functions 1..k (entry 22 repeats 33).
// Entry 0 is 0, so the first code of function f is variants_through(f - 1) + 1.
int variants_through(int k);

// The function (1..21) a variant code belongs to; 0 for a code outside 1..33.
int function_of_variant(int variant_code);

}  // namespace varodex
