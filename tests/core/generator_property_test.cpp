// Properties every generated problem keeps, over many problems of every game and way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "game/catalogue.h"
#include "game/generator.h"
#include "game/presentation.h"
#include "support/fakes.h"

namespace varodex {
namespace {

// The formulas written out once more in plain integer arithmetic (C++ division drops the
// remainder toward zero).
int expected_z(int code, int a, int b, int c, int x, int y) {
    const int ax = std::abs(x), ay = std::abs(y);
    switch (code) {
        case 1:
            return a * std::max(x, y);
        case 2:
            return a * std::min(x, y);
        case 3:
            return a * std::max(ax, ay);
        case 4:
            return a * std::min(ax, ay);
        case 5:
            return a + (x + y) / 2;
        case 6:
            return a + (ax + ay) / 2;
        case 7:
            return a * (x / y);
        case 8:
            return a * (y / x);
        case 9:
            return a * (ax / y);
        case 10:
            return a * (ay / x);
        case 11:
            return a * x + b;
        case 12:
            return a * y + b;
        case 13:
            return a * ax + b;
        case 14:
            return a * ay + b;
        case 15:
            return a * x * x + b;
        case 16:
            return a * y * y + b;
        case 17:
            return a * x * y + b;
        case 18:
            return a * ax * ay + b;
        case 19:
            return a * (x * x / y);
        case 20:
            return a * (y * y / x);
        case 21:
            return a * (x * x * x / y);
        case 22:
            return a * (y * y * y / x);
        case 23:
            return a * (ax * ax * ax / y);
        case 24:
            return a * (ay * ay * ay / x);
        case 25:
            return a * x * x * x + b;
        case 26:
            return a * y * y * y + b;
        case 27:
            return a * ax * ax * ax + b;
        case 28:
            return a * ay * ay * ay + b;
        case 29:
            return a * x + b * y + c;
        case 30:
            return a * ax + b * ay + c;
        case 31:
            return a * x * x + b * y * y + c;
        case 32:
            return a * x * x * x + b * y * y * y + c;
        case 33:
            return a * ax * ax * ax + b * ay * ay * ay + c;
        default:
            ADD_FAILURE() << "no variant " << code;
            return 0;
    }
}

bool divides_by_x(int code) {
    return code == 8 || code == 10 || code == 20 || code == 22 || code == 24;
}
bool divides_by_y(int code) {
    return code == 7 || code == 9 || code == 19 || code == 21 || code == 23;
}

int highest_function(int game_code) {
    if (game_code < 200) return game_code - 100;
    return game_code >= 222 ? 21 : game_code - 200;
}

void check_problem(const Problem& p, const SharedState& state) {
    const int game_code = state.game_code;
    SCOPED_TRACE(::testing::Message() << "game " << game_code << " way " << state.way_to_play
                                      << " variant " << p.variant_code);
    if (game_code < 200) {
        ASSERT_EQ(p.function_number, game_code - 100);
    } else {
        ASSERT_GE(p.function_number, 1);
        ASSERT_LE(p.function_number, highest_function(game_code));
    }
    EXPECT_EQ(p.function_code, 100 + p.function_number);
    ASSERT_EQ(function_of_variant(p.variant_code), p.function_number);

    // Below the Savantor level a only counts where it is part of the formula.
    const int f = p.function_number;
    const bool scaled = f <= 2 || (f >= 5 && f <= 6) || (f >= 12 && f <= 14);
    if (game_code < 222 && scaled) {
        EXPECT_EQ(p.param_a, 1);
    }
    if (game_code < 222 && (f == 3 || f == 4)) {
        EXPECT_EQ(p.param_a, 0);
    }
    if (f >= 7 && f != 12 && f != 13 && f != 14) {
        EXPECT_NE(p.param_a, 0);
    }
    if (f >= 17) {
        EXPECT_NE(p.param_b, 0);
    }

    EXPECT_TRUE(std::is_sorted(p.x_values.begin(), p.x_values.end()));
    EXPECT_EQ(p.x_values[3], divides_by_x(p.variant_code) ? 1 : 0);
    for (int k = 0; k < 8; ++k) {
        const int x = p.x_values[k], y = p.y_values[k];
        if (divides_by_x(p.variant_code)) {
            ASSERT_NE(x, 0);
        }
        if (divides_by_y(p.variant_code)) {
            ASSERT_NE(y, 0);
        }
        if (f <= 2) {
            EXPECT_NE(std::abs(x), std::abs(y));
        }
        EXPECT_EQ(p.z_values[k], expected_z(p.variant_code, p.param_a, p.param_b, p.param_c, x, y))
            << "column " << k + 1;
    }

    EXPECT_FALSE(p.formula_text.empty());
    for (const std::string& hint : p.hint_text) EXPECT_FALSE(hint.empty());

    if (state.way_to_play == choose_formula_way) {
        const int n = choice_code_limit(game_code, p.variant_code);
        EXPECT_TRUE(std::adjacent_find(p.choice_codes.begin(), p.choice_codes.end(),
                                       [](int a, int b) { return a >= b; }) ==
                    p.choice_codes.end());
        EXPECT_NE(std::find(p.choice_codes.begin(), p.choice_codes.end(), p.variant_code),
                  p.choice_codes.end());
        EXPECT_GE(p.choice_codes.front(), 1);
        EXPECT_LE(p.choice_codes.back(), n);
        const bool savantor = game_code == 222;
        for (std::size_t i = 0; i < 5; ++i) {
            const int code = p.choice_codes[i];
            EXPECT_EQ(p.choice_texts[i],
                      savantor ? variant_choice_text_a(code) : variant_choice_text(code));
            EXPECT_FALSE(p.choice_texts[i].empty());
        }
        EXPECT_EQ(p.correct_choice_text, savantor ? variant_choice_text_a(p.variant_code)
                                                  : variant_choice_text(p.variant_code));
        return;
    }

    ASSERT_GE(p.problem_column, 1);
    ASSERT_LE(p.problem_column, 8);
    EXPECT_EQ(p.correct_answer, p.z_values[p.problem_column - 1]);
    EXPECT_TRUE(std::adjacent_find(p.answer_values.begin(), p.answer_values.end(),
                                   [](int a, int b) { return a >= b; }) == p.answer_values.end())
        << "answers not distinct and ascending";
    EXPECT_EQ(std::count(p.answer_values.begin(), p.answer_values.end(), p.correct_answer), 1);
}

TEST(GeneratorProperties, HoldForEveryGameAndWayToPlay) {
    std::vector<int> codes;
    for (int code = 101; code <= 121; ++code) codes.push_back(code);
    for (int code = 201; code <= 222; ++code) codes.push_back(code);

    varodex::testing::SeededRandom random(2024);
    int problems = 0;
    for (int code : codes) {
        for (int way : {calculate_value_way, choose_formula_way, figure_formula_way}) {
            if (way == choose_formula_way && code < 203) continue;
            SharedState state;
            state.game_code = code;
            state.way_to_play = way;
            for (int i = 0; i < 40; ++i) {
                state.combat_game = i % 4 == 3;
                const Problem p = generate_problem(state, random);
                check_problem(p, state);
                ++problems;
                if (::testing::Test::HasFatalFailure()) return;
            }
        }
    }
    EXPECT_EQ(problems, 40 * (43 * 2 + 20));
}

}  // namespace
}  // namespace varodex
