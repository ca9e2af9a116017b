#include "game/generator.h"

#include <algorithm>

#include "game/catalogue.h"
#include "game/formula_text.h"
#include "game/hint_texts.h"
#include "game/parameter_draw.h"
#include "game/presentation.h"
#include "game/table_draw.h"
#include "game/z_values.h"

namespace varodex {

namespace {

// Level L mixes functions 1..L+1, the Savantor level all 21; a practice game has its one
// function. A code from a damaged record still names one of the 21.
int draw_function(int game_code, Random& random) {
    int function_number = game_code - 100;
    if (!is_practice_code(game_code)) {
        const int highest = game_code >= savantor_code ? function_count : game_code - 200;
        function_number = random_integer(random, 1, std::max(highest, 1));
    }
    return std::clamp(function_number, 1, function_count);
}

}  // namespace

Problem generate_problem(SharedState& state, Random& random) {
    const int game_code = state.game_code;
    Problem problem;
    problem.function_number = draw_function(game_code, random);
    problem.function_code = 100 + problem.function_number;

    random.reseed();
    const Table table = draw_table(problem.function_number, random);
    problem.x_values = table.x_values;
    problem.y_values = table.y_values;
    problem.cubes_x_variable = table.cubes_x_variable;

    draw_parameters(problem, game_code, random);
    apply_first_problem_rules(problem, state);
    problem.variant_code = variant_code_of(problem);
    compute_z_values(problem);

    problem.formula_text =
        formula_text(problem.variant_code, problem.param_a, problem.param_b, problem.param_c);
    problem.hint_text = hint_texts(game_code, problem.variant_code, problem.param_a,
                                   problem.param_b, problem.param_c);

    present_problem(problem, game_code, state.way_to_play, random);
    return problem;
}

}  // namespace varodex
