#include "game/game_screen_controls.h"

#include "game/game_screen_texts.h"

namespace varodex {

namespace {

constexpr Colour plum = Colour::hex(0xC000C0);

Control place(int left, int top, int width = 0, int height = 0) {
    Control c;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

Control hidden(Control c) {
    c.visible = false;
    return c;
}

Control label(std::string caption, Control c, Colour fore, Colour back = white) {
    c.caption = std::move(caption);
    c.fore = fore;
    c.back = back;
    return c;
}

// Design places of the 29 squares.
constexpr std::array<std::array<int, 2>, square_count> square_places = {{
    {125, 32},  {189, 33},  {253, 32},  {317, 33},  {381, 32},  {445, 33},  {509, 34},  {573, 34},
    {124, 71},  {189, 71},  {253, 71},  {317, 72},  {381, 71},  {445, 72},  {509, 72},  {573, 73},
    {125, 115}, {189, 115}, {253, 115}, {317, 115}, {381, 115}, {445, 115}, {509, 115}, {573, 115},
    {269, 166}, {334, 166}, {401, 166}, {467, 166}, {537, 166},
}};

void design_squares(GameScreenControls& c) {
    for (int i = 0; i < square_count; ++i) {
        Control square = hidden(place(square_places[i][0], square_places[i][1], 35, 23));
        if (i < 8) {
            square.back = green;
            square.fore = blue;
        } else if (i < 16) {
            square.back = red;
            square.fore = black;
        } else if (i < first_answer_square) {
            square.back = yellow;
            square.fore = red;
        } else {
            square.back = purple;
            square.fore = yellow;
        }
        square.pointer = Pointer::no_drop;
        c.puzzle_square[i] = square;

        SquareBackdrop backdrop;
        static_cast<Control&>(backdrop) = hidden(place(0, 0, 45, 29));
        c.puzzle_square_background[i] = backdrop;
    }
    c.puzzle_square_background_yellow = hidden(place(0, 0, 45, 29));
    for (Control& shape : c.xy_back_shape) {
        shape = hidden(place(0, 0, 53, 123));
        shape.back = blue;
    }
    c.X_label = hidden(label("x =", place(43, 32, 67, 23), blue));
    c.Y_label = hidden(label("y =", place(43, 70, 67, 23), black));
    c.z_label = hidden(label("z =", place(40, 115, 67, 23), red));
    c.Q_label = hidden(label("?", place(202, 166, 35, 23), black, yellow));
    c.Q_background_image = hidden(place(0, 0, 45, 29));
    c.equal_sign_label = hidden(label("=", place(203, 166, 56, 23), black));
    c.formula_label = hidden(label("", place(0, 0, 595, 22), red));
}

void design_choices(GameScreenControls& c) {
    for (int i = 0; i < choice_count; ++i) {
        c.function_choice_command[i] = hidden(place(216, 159 + 30 * i, 22, 16));
        c.function_choice_command[i].back = cyan;
        const int left = i == 3 ? 237 : i == 4 ? 238 : 239;
        c.function_choice_label[i] = hidden(label("", place(left, 153 + 30 * i), red));
    }
}

void design_start_button(GameScreenControls& c) {
    c.start_background_panel = place(-2, 0, 110, 89);
    c.start_label = label(start_caption, place(-3, 3, 110, 38), yellow);
    c.start_label.font_size = 24;
    c.start_image = place(34, 40, 42, 40);
    c.start_image.pointer = Pointer::hand;
    c.start_dark = hidden(place(0, 0, 34, 34));
    c.start_dark.back = plum;
}

void design_status_strip(GameScreenControls& c) {
    c.status_bar_image = place(-9, 381, 646, 27);
    c.game_level_label = label("Level ", place(9, 3), black);
    c.Problem_number_label = hidden(label("", place(71, 3), black));
    c.average_score_label = hidden(label("", place(193, 3), black));
    c.time_bonus = hidden(label("", place(336, 3), black));
    c.score_label = hidden(label("", place(444, 3), black));
    c.total_game_score_label = hidden(label("", place(528, 3), black));
}

void design_feedback(GameScreenControls& c) {
    c.instruction_label = hidden(label(click_purple_squares_text, place(139, 6), black));
    c.skip_problem_command = label(skip_problem_caption, place(0, 0, 100, 25), black);
    // Only a Combat problem on the screen enables it.
    c.skip_problem_command.enabled = false;
    c.correct_image = hidden(place(0, 0, 278, 72));
    c.incorrect_image = hidden(place(0, 0, 250, 36));
    for (int n = c.Big_red_X.first(); n <= c.Big_red_X.last(); ++n) {
        c.Big_red_X[n] = hidden(place(0, 0, 36, 30));
    }
    // Designed outside the client area, so it is never seen.
    c.wrong_answer_label = label(wrong_answer_text, place(640, 0, 306, 59), red);
    c.combat_answer_explanation =
        hidden(label(combat_answer_explanation_text, place(0, 0, 283, 41), black));
    c.puzzle_square_yellow = hidden(place(0, 0, 36, 23));
    c.puzzle_square_yellow.fore = yellow;
    c.puzzle_square_yellow_combat = hidden(place(0, 0, 36, 25));
    c.puzzle_square_yellow_combat.fore = yellow;
}

void design_chalk_board(GameScreenControls& c) {
    c.chalk_board = hidden(place(0, 0, 619, 205));
    c.chalk_board.back = black;
    c.solutions_label = label("SOLUTIONS", place(0, 0), white, black);
    for (int i = 0; i < 4; ++i) {
        const int top = i % 2 == 0 ? 89 : 130;
        for (auto* row :
             {&c.first_chalk_board_number, &c.chalk_board_operation, &c.second_chalk_board_number,
              &c.chalk_board_equal_sign, &c.chalk_board_answer}) {
            (*row)[i] = hidden(label("", place(0, top), white, black));
        }
    }
    c.advanced_game_over = place(-1, 12, 616, 175);
    c.advanced_game_over.back = black;
    c.advanced_well_done_label = label("", place(0, 0), yellow, black);
    c.happy_face = place(0, 0, 32, 32);
    c.advanced_game_over_label = label("Game Over ", place(0, 0), yellow, black);
}

void design_combat(GameScreenControls& c) {
    c.p_player_label = hidden(label("P Player", place(0, 0, 102, 76), yellow, black));
    c.q_player_label = hidden(label("Q Player", place(0, 0, 102, 76), yellow, black));
    c.p_player_score_label = hidden(label("", place(0, 0, 102, 40), yellow, black));
    c.q_player_score_label = hidden(label("", place(0, 0, 102, 40), yellow, black));
    c.p_player_border_shape = hidden(place(0, 0, 102, 80));
    c.p_player_border_shape.fore = green;
    c.q_player_border_shape = c.p_player_border_shape;
    c.p_combat_instructions_label =
        hidden(label(p_combat_instructions_text, place(0, 0), yellow, black));
    c.q_combat_instructions_label =
        hidden(label(q_combat_instructions_text, place(0, 0), yellow, black));
}

}  // namespace

GameScreenControls designed_game_screen_controls() {
    GameScreenControls c;
    design_squares(c);
    design_choices(c);
    design_start_button(c);
    design_status_strip(c);
    design_feedback(c);
    design_chalk_board(c);
    for (Control& step : c.correct_step_label) step = hidden(label("", place(0, 0), red));
    design_combat(c);
    // Their texts are stored with the help texts; the view loads them.
    for (Control& box : c.initial_instructions_textbox) box = hidden(label("", place(0, 0), black));
    c.hand_icon_image = hidden(place(103, 296, 32, 32));
    c.always_black_background = hidden(place(8, 295, 45, 45));
    return c;
}

}  // namespace varodex
