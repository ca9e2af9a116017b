// The formula of a problem with its parameters, as shown in Calculate Value.
#pragma once

#include <string>

namespace varodex {

// a, b and c are the problem's parameters; the variants without b or c ignore them.
std::string formula_text(int variant_code, int a, int b, int c);

}  // namespace varodex
