// The worked solution of a finished problem: up to six "Step k." lines.
#pragma once

#include <string>
#include <vector>

#include "game/problem.h"

namespace varodex {

struct SolutionSteps {
    std::vector<std::string> lines;  // line k is written into correct_step_label k - 1
    int z = 0;  // the z the walkthrough arrives at (Choose Formula takes it from column 1)
};

SolutionSteps solution_steps(const Problem& problem, int way_to_play);

}  // namespace varodex
