// Every control of the game screen as data, named as the window names them.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "screen/control.h"

namespace varodex {

inline constexpr int square_count = 29;
inline constexpr int first_answer_square = 24;
inline constexpr int last_answer_square = 28;
inline constexpr int choice_count = 5;
inline constexpr int step_label_count = 6;

// A control array whose elements are numbered from 1, as the red crosses are.
template <typename T, std::size_t N>
struct OneBasedArray {
    std::array<T, N> items{};

    T& operator[](int number) { return items.at(static_cast<std::size_t>(number - 1)); }
    const T& operator[](int number) const { return items.at(static_cast<std::size_t>(number - 1)); }
    static constexpr int first() { return 1; }
    static constexpr int last() { return static_cast<int>(N); }
    friend bool operator==(const OneBasedArray&, const OneBasedArray&) = default;
};

// A square's backdrop: the plain framed picture, or the yellow one of a highlighted column.
struct SquareBackdrop : Control {
    bool yellow = false;
    friend bool operator==(const SquareBackdrop&, const SquareBackdrop&) = default;
};

enum class Alignment { left, centre, right };

struct TimerControl {
    int interval_ms = 100;
    bool enabled = true;
    friend bool operator==(const TimerControl&, const TimerControl&) = default;
};

struct GameScreenControls {
    std::string window_title;
    Pointer form_pointer = Pointer::normal;
    bool key_preview = false;  // the Combat buzzers are armed while the form sees keys first

    // The table and the answer squares; a square's pointer is its clickable state.
    std::array<Control, square_count> puzzle_square;
    std::array<SquareBackdrop, square_count> puzzle_square_background;
    Control puzzle_square_background_yellow;
    std::array<Control, 8> xy_back_shape;
    Control X_label, Y_label, z_label;
    Control Q_label, Q_background_image, equal_sign_label;
    Control formula_label;
    Alignment formula_label_alignment = Alignment::left;

    // Choose Formula.
    std::array<Control, choice_count> function_choice_command;
    std::array<Control, choice_count> function_choice_label;

    // The start button.
    Control start_background_panel, start_label, start_image, start_dark;

    Control instruction_label;
    Control skip_problem_command;

    // The status strip and its six labels (positions inside the strip).
    Control status_bar_image;
    Control game_level_label, Problem_number_label, average_score_label, time_bonus, score_label,
        total_game_score_label;

    // Feedback.
    Control correct_image, incorrect_image;
    OneBasedArray<Control, 5> Big_red_X;
    Control wrong_answer_label;
    Control combat_answer_explanation;

    // The chalk board with the game-over panel.
    Control chalk_board, solutions_label;
    std::array<Control, 4> first_chalk_board_number, chalk_board_operation,
        second_chalk_board_number, chalk_board_equal_sign, chalk_board_answer;
    Control advanced_game_over, advanced_well_done_label, happy_face, advanced_game_over_label;

    // The worked solution.
    std::array<Control, step_label_count> correct_step_label;

    // Combat.
    Control p_player_label, q_player_label, p_player_score_label, q_player_score_label;
    Control p_player_border_shape, q_player_border_shape;
    Control p_combat_instructions_label, q_combat_instructions_label;

    // Pressed look of a square, and the frame around the right answer.
    Control puzzle_square_yellow, puzzle_square_yellow_combat;

    std::array<Control, 3> initial_instructions_textbox;

    // Hidden pictures whose images other controls borrow.
    Control hand_icon_image, always_black_background;

    TimerControl Timer1, Timer2;

    friend bool operator==(const GameScreenControls&, const GameScreenControls&) = default;
};

// The controls as the window is designed, before its opening steps run.
GameScreenControls designed_game_screen_controls();

}  // namespace varodex
