#include "results/advance.h"

#include "state/number_text.h"
#include "state/shared_state.h"

namespace varodex {

namespace {

bool is_practice(int game_code) {
    return game_code >= first_practice_code && game_code <= last_practice_code;
}

// Code 201 (function 1 alone, only ever restored from a record) is treated as level 0 of
// the Algebra Game, so it leads on to practice function 2 like the levels above it.
bool is_algebra(int game_code) {
    return game_code >= function_one_only_code && game_code <= savantor_code;
}

std::string game_text(int game_code) {
    return is_practice(game_code) ? "Individual Function Practice Game..." : "Algebra Game...";
}

std::string detail_text(int game_code, bool game_being_left) {
    if (is_practice(game_code)) return "Function " + plain_number_text(game_code - 100) + "...";
    if (game_code == savantor_code) return game_being_left ? "Savantor Level..." : "Savantor Level";
    return "Level " + plain_number_text(game_code - 201) + "...";
}

std::string way_text(int way_to_play) {
    switch (way_to_play) {
        case calculate_value_way:
            return "Calculate Value";
        case choose_formula_way:
            return "Choose Formula ";
        default:
            return "Figure Formula and Calculate ";
    }
}

}  // namespace

std::optional<NextGame> recommended_next_game(int game_code, int way_to_play) {
    if (!is_practice(game_code) && !is_algebra(game_code)) return std::nullopt;
    switch (way_to_play) {
        case calculate_value_way:
            // Choose Formula exists only from Algebra Game level 2 upwards.
            if (game_code >= 203) return NextGame{game_code, choose_formula_way};
            return NextGame{game_code, figure_formula_way};
        case choose_formula_way:
            return NextGame{game_code, figure_formula_way};
        case figure_formula_way:
            if (game_code == first_practice_code) return NextGame{102, calculate_value_way};
            if (is_practice(game_code)) return NextGame{game_code + 100, calculate_value_way};
            if (game_code == savantor_code) return std::nullopt;
            if (game_code == 221) return NextGame{savantor_code, calculate_value_way};
            return NextGame{game_code - 99, calculate_value_way};
        default:
            return std::nullopt;
    }
}

std::string advance_message(int game_code, int way_to_play, const NextGame& next) {
    return "You were playing the " + game_text(game_code) + detail_text(game_code, true) +
           way_text(way_to_play) + ". " + "\n\n" + " You will be advanced to the " +
           game_text(next.game_code) + detail_text(next.game_code, false) +
           way_text(next.way_to_play) + ". ";
}

MessageBoxRequest advance_question(int game_code, int way_to_play, const NextGame& next) {
    return {advance_message(game_code, way_to_play, next), "Advance to the next recommended game",
            DialogIcon::information, DialogButtons::ok_cancel, DialogButton::ok};
}

}  // namespace varodex
