#include "game/presentation.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "game/answers.h"
#include "game/catalogue.h"
#include "state/shared_state.h"

namespace varodex {

namespace {

std::size_t index_of(int column) {
    return static_cast<std::size_t>(column - 1);
}

// The asked column's z, and its x as the likely wrong answer, or its y when the x is the
// answer itself.
void ask_column(Problem& problem, Random& random) {
    problem.problem_column = random_integer(random, 1, table_columns);
    const std::size_t k = index_of(problem.problem_column);
    problem.correct_answer = problem.z_values[k];
    problem.distractor_value = problem.x_values[k];
    if (problem.distractor_value == problem.correct_answer) {
        problem.distractor_value = problem.y_values[k];
    }
}

// The z values the answer spread is taken from. In Calculate Value the asked pair is shown
// in column 1's squares, so column 1's z gives way to the "?" and columns 2..8 still count;
// in Figure Formula and Calculate every z but the asked one is on screen.
std::vector<int> shown_z_values(const Problem& problem, int way_to_play) {
    std::vector<int> shown;
    for (int column = 1; column <= table_columns; ++column) {
        const bool hidden =
            way_to_play == calculate_value_way ? column == 1 : column == problem.problem_column;
        if (!hidden) shown.push_back(problem.z_values[index_of(column)]);
    }
    return shown;
}

void fill_answers(Problem& problem, int game_code, int way_to_play, Random& random) {
    const std::vector<int> shown = shown_z_values(problem, way_to_play);
    problem.answer_values = fill_answers_by_step(problem.correct_answer, shown, random);

    if (problem.function_number == 2) problem.distractor_value = std::abs(problem.distractor_value);
    const bool with_distractor = problem.function_number == 1 || problem.function_number == 2;
    if (with_distractor && game_code < savantor_code) {
        problem.answer_values =
            fill_answers_with_distractor(problem.distractor_value, problem.correct_answer, random);
    }
}

void lay_out_choices(Problem& problem, int game_code, Random& random) {
    const int n = choice_code_limit(game_code, problem.variant_code);
    std::vector<int> codes;
    auto is_new = [&](int code) {
        return code != problem.variant_code &&
               std::find(codes.begin(), codes.end(), code) == codes.end();
    };
    for (int attempt = 0; attempt < 1000 && codes.size() < answer_count - 1; ++attempt) {
        const int code = random_integer(random, 1, n);
        if (is_new(code)) codes.push_back(code);
    }
    // Should the draws run out, the lowest codes not yet taken fill the choices.
    for (int code = 1; code <= n && codes.size() < answer_count - 1; ++code) {
        if (is_new(code)) codes.push_back(code);
    }
    codes.push_back(problem.variant_code);
    std::sort(codes.begin(), codes.end());

    const bool savantor = game_code >= savantor_code;
    for (std::size_t i = 0; i < answer_count; ++i) {
        problem.choice_codes[i] = codes[i];
        problem.choice_texts[i] =
            savantor ? variant_choice_text_a(codes[i]) : variant_choice_text(codes[i]);
    }
    problem.correct_choice_text = savantor ? variant_choice_text_a(problem.variant_code)
                                           : variant_choice_text(problem.variant_code);
}

}  // namespace

int choice_code_limit(int game_code, int variant_code) {
    const int n = is_practice_code(game_code)
                      ? 0
                      : std::min(variants_through(game_code - 200), variant_count);
    if (n < answer_count || n < variant_code) return variant_count;
    return n;
}

void present_problem(Problem& problem, int game_code, int way_to_play, Random& random) {
    if (way_to_play == choose_formula_way) {
        lay_out_choices(problem, game_code, random);
        return;
    }
    ask_column(problem, random);
    fill_answers(problem, game_code, way_to_play, random);
}

}  // namespace varodex
