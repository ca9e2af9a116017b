// The computation lines of a worked solution, each without its "Step k." head.
#pragma once

#include <string>
#include <vector>

namespace varodex {

struct StepInputs {
    int x = 0;
    int y = 0;
    int z = 0;
    int a = 0;
    int b = 0;
    int c = 0;
    bool second_form = false;  // minimum, y/x, ay + b, ...
    bool formula_way = false;  // Choose Formula or Figure Formula and Calculate
};

// The lines that compute z for function 1..21, in order. Each text is what follows
// "Step k." (its leading blanks included); the caller numbers the lines. An unknown
// function gives no lines.
std::vector<std::string> computation_step_texts(int function_number, const StepInputs& in);

}  // namespace varodex
