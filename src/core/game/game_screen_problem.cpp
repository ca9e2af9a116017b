// Starting a problem, putting it on the screen, and taking the player's answer.
#include <cstdlib>

#include "game/game_screen.h"
#include "game/game_screen_texts.h"
#include "state/number_text.h"

namespace varodex {

namespace {

constexpr Colour light_grey{200, 200, 200};

// A square's value is its caption read back as a number; anything else counts as 0.
int caption_number(const std::string& caption) {
    return static_cast<int>(std::strtol(caption.c_str(), nullptr, 10));
}

}  // namespace

void GameScreen::new_problem() {
    GameScreenControls& c = controls_;
    if (!c.start_image.visible) return;
    // A problem answered since the last game tick is ended first, so its points and seconds
    // count and the last problem still ends the game.
    if (!state_.combat_game && game_.problem_ready) {
        end_problem();
        if (c.start_label.caption != next_problem_caption) return;
    }
    c.correct_image.visible = false;
    c.incorrect_image.visible = false;
    game_.feedback_ticks = 0;
    c.initial_instructions_textbox[2].visible = false;

    if (c.start_label.caption == play_again_caption) {
        // The fresh screen starts the next Combat game's first problem as it opens.
        state_.start_first_problem = true;
        restart_game_screen();
        return;
    }

    game_.problem_ready = false;
    reset_problem_screen();
    sound_.play_click_sound();

    for (int i = 0; i < square_count; ++i) {
        show_square(i, false);
        if (i >= 17) c.puzzle_square[i].font_size = c.puzzle_square[25].font_size;
    }
    for (Control& shape : c.xy_back_shape) shape.visible = false;
    for (Control* hide : {&c.X_label, &c.Y_label, &c.Q_label, &c.Q_background_image,
                          &c.equal_sign_label, &c.formula_label}) {
        hide->visible = false;
    }
    for (int i = 16; i < first_answer_square; ++i) c.puzzle_square[i].fore = red;
    // Undoes the highlighted column of the last problem.
    for (SquareBackdrop& backdrop : c.puzzle_square_background) backdrop.yellow = false;
    for (int n = c.Big_red_X.first(); n <= c.Big_red_X.last(); ++n) c.Big_red_X[n].visible = false;
    // The frames would otherwise stay over a square of the new problem.
    c.puzzle_square_yellow_combat.visible = false;
    c.puzzle_square_yellow.visible = false;
    c.instruction_label.visible = false;

    ++game_.problem_number;
    update_problem_counter();
    for (Control& square : c.puzzle_square) square.pointer = Pointer::no_drop;
    c.correct_image.visible = false;
    c.start_label.visible = false;
    c.start_image.visible = false;
    c.start_background_panel.visible = false;
    if (!state_.combat_game) c.time_bonus.caption = "Time Bonus 25";

    game_.problem_start_time = ports_.clock.now_seconds();
    c.key_preview = state_.combat_game;
    c.form_pointer = Pointer::busy;
    game_.problem_score = 100;
    game_.problem_running = true;
    ports_.random.reseed();

    if (c.start_label.caption == show_scores_caption) {
        if (state_.time_trial_game) c.Problem_number_label.caption = "Time Left 0";
        game_.restarting_screen = true;
        WindowHost& windows = ports_.windows;
        windows.close_window(WindowKind::game_screen);
        windows.close_window(WindowKind::summary);
        windows.show_window(WindowKind::summary);
        return;
    }

    problem_ = make_problem_(state_, ports_.random);
    sound_.play_laser_sound();
    present_problem();
    finish_problem_start();
}

void GameScreen::reset_problem_screen() {
    GameScreenControls& c = controls_;
    for (int i = 0; i < choice_count; ++i) {
        c.function_choice_command[i].enabled = false;
        c.function_choice_command[i].visible = false;
        c.function_choice_command[i].checked = false;
        c.function_choice_label[i].visible = false;
    }
    for (Control& step : c.correct_step_label) step.visible = false;
    c.combat_answer_explanation.visible = false;
    hide_combat_labels();
    for (Control* player :
         {&c.p_player_label, &c.q_player_label, &c.p_player_score_label, &c.q_player_score_label}) {
        player->back = black;
    }
    game_.p_buzzed = false;
    game_.q_buzzed = false;
    game_.buzz_count = 0;
    game_.steal_open = false;
    c.skip_problem_command.enabled = false;
    c.start_dark.visible = false;
}

void GameScreen::hide_combat_labels() {
    GameScreenControls& c = controls_;
    for (Control* label :
         {&c.p_player_label, &c.q_player_label, &c.p_player_score_label, &c.q_player_score_label,
          &c.p_combat_instructions_label, &c.q_combat_instructions_label, &c.p_player_border_shape,
          &c.q_player_border_shape}) {
        label->visible = false;
    }
}

void GameScreen::update_problem_counter() {
    Control& counter = controls_.Problem_number_label;
    if (state_.time_trial_game) {
        // The game timer writes the time left from the first tick on.
        if (game_.problem_number == 1) counter.caption = "";
        return;
    }
    counter.caption = "Problem " + signed_blank_number_text(game_.problem_number);
    if (!state_.combat_game) counter.caption += " of 10";
    counter.visible = true;
}

void GameScreen::show_square(int index, bool shown) {
    controls_.puzzle_square[index].visible = shown;
    controls_.puzzle_square_background[index].visible = shown;
}

void GameScreen::present_problem() {
    GameScreenControls& c = controls_;
    for (int k = 0; k < table_columns; ++k) {
        c.puzzle_square[k].caption = plain_number_text(problem_.x_values[k]);
        c.puzzle_square[k + 8].caption = plain_number_text(problem_.y_values[k]);
        c.puzzle_square[k + 16].caption = plain_number_text(problem_.z_values[k]);
    }
    if (problem_.show_first_tip) c.initial_instructions_textbox[0].visible = true;
    if (problem_.show_figure_formula_tip) c.initial_instructions_textbox[1].visible = true;

    switch (state_.way_to_play) {
        case choose_formula_way:
            present_choose_formula();
            break;
        case figure_formula_way:
            present_figure_formula();
            break;
        default:
            present_calculate_value();
            break;
    }
    if (state_.way_to_play != choose_formula_way) {
        for (int p = 0; p < answer_count; ++p) {
            c.puzzle_square[first_answer_square + p].caption =
                plain_number_text(problem_.answer_values[p]);
        }
    }
}

int GameScreen::asked_column_index() const {
    const int column = problem_.problem_column;
    return column >= 1 && column <= table_columns ? column - 1 : 0;
}

void GameScreen::present_calculate_value() {
    GameScreenControls& c = controls_;
    const int column = asked_column_index();
    game_.problem_ready = true;
    // The player sees one x, one y and the unknown z.
    c.puzzle_square[0].caption = c.puzzle_square[column].caption;
    c.puzzle_square[8].caption = c.puzzle_square[column + 8].caption;
    c.puzzle_square[16].caption = "?";
    c.puzzle_square[16].fore = black;
    for (int i : {0, 8, 16}) show_square(i);
    for (int i = first_answer_square; i <= last_answer_square; ++i) show_square(i);
    c.formula_label.caption = problem_.formula_text;
    c.formula_label.visible = true;
}

void GameScreen::present_choose_formula() {
    GameScreenControls& c = controls_;
    for (int i = 0; i < first_answer_square; ++i) show_square(i);
    for (Control& shape : c.xy_back_shape) shape.visible = true;
    for (int i = 0; i < choice_count; ++i) {
        Control& box = c.function_choice_command[i];
        box.visible = true;
        box.checked = false;
        // In Combat the boxes wait for a player to buzz in.
        if (!state_.combat_game) box.enabled = true;
        Control& text = c.function_choice_label[i];
        text.caption = problem_.choice_texts[i];
        text.fore = red;
        text.visible = true;
    }
    game_.problem_ready = true;
}

void GameScreen::present_figure_formula() {
    GameScreenControls& c = controls_;
    for (int i = 0; i < square_count; ++i) show_square(i);
    for (Control& shape : c.xy_back_shape) shape.visible = true;
    const int column = asked_column_index();
    game_.problem_ready = true;
    Control& z_square = c.puzzle_square[column + 16];
    z_square.fore = black;
    z_square.caption = "?";
    for (int row : {0, 8, 16}) c.puzzle_square_background[column + row].yellow = true;
}

void GameScreen::finish_problem_start() {
    GameScreenControls& c = controls_;
    // The time bonus and the hints count from the moment the problem is complete.
    game_.problem_start_time = ports_.clock.now_seconds();
    c.chalk_board.visible = false;
    c.instruction_label.caption = state_.way_to_play == choose_formula_way
                                      ? click_checkboxes_text
                                      : click_purple_squares_text;
    c.X_label.visible = true;
    c.Y_label.visible = true;
    c.z_label.visible = true;
    game_.answered_wrong = false;
    if (state_.combat_game) {
        for (Control* label : {&c.p_player_label, &c.q_player_label, &c.p_player_score_label,
                               &c.q_player_score_label, &c.p_combat_instructions_label,
                               &c.q_combat_instructions_label}) {
            label->visible = true;
        }
        c.skip_problem_command.enabled = true;
    }
}

void GameScreen::show_start_button(const std::string& caption) {
    GameScreenControls& c = controls_;
    c.start_label.caption = caption;
    c.start_label.font_size = 12;
    c.start_label.visible = true;
    c.start_image.visible = true;
    c.start_background_panel.visible = true;
}

void GameScreen::hide_first_visit_tips() {
    controls_.initial_instructions_textbox[0].visible = false;
    controls_.initial_instructions_textbox[1].visible = false;
}

void GameScreen::hide_other_answer_squares(int except_a, int except_b) {
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        if (i == except_a || i == except_b) continue;
        show_square(i, false);
        controls_.Big_red_X[i - 23].visible = false;
    }
}

int GameScreen::frame_right_answer() {
    GameScreenControls& c = controls_;
    int right_square = -1;
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        if (caption_number(c.puzzle_square[i].caption) != problem_.correct_answer) continue;
        c.puzzle_square_yellow_combat.left = c.puzzle_square[i].left;
        c.puzzle_square_yellow_combat.top = c.puzzle_square[i].top;
        c.puzzle_square_yellow_combat.visible = true;
        sound_.beep();
        right_square = i;
    }
    return right_square;
}

void GameScreen::wrong_answer_score() {
    game_.problem_score = -20;
    if (!state_.combat_game) {
        controls_.time_bonus.caption = "Time Bonus 0";
        controls_.score_label.caption = "Score " + signed_blank_number_text(-20);
    }
    game_.answered_wrong = true;
    sound_.play_error_sound();
    controls_.incorrect_image.visible = true;
}

void GameScreen::answer_square_click(int index) {
    if (index < 0 || index >= square_count) return;
    GameScreenControls& c = controls_;
    Control& square = c.puzzle_square[index];
    if (!square.visible) return;
    if (square.pointer != Pointer::hand) {
        sound_.beep();
        return;
    }
    c.puzzle_square_yellow.visible = false;
    sound_.play_click_sound();
    hide_first_visit_tips();
    // Whatever the answer, the squares take no second one.
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        c.puzzle_square[i].pointer = Pointer::no_drop;
    }

    if (caption_number(square.caption) == problem_.correct_answer) {
        c.X_label.visible = false;
        c.Y_label.visible = false;
        c.formula_label.visible = false;
        if (state_.combat_game) {
            combat_right_answer();
        } else {
            c.total_game_score_label.visible = true;
        }
        game_.problem_running = false;
        c.correct_image.visible = true;
        c.instruction_label.caption = next_problem_instruction;
        hide_other_answer_squares(index);
        sound_.play_tada_sound();
        return;
    }

    if (state_.combat_game) combat_wrong_square(index);
    wrong_answer_score();
    Control& cross = c.Big_red_X[index - 23];
    cross.left = square.left;
    cross.top = square.top - 4;
    cross.visible = true;
    if (state_.combat_game) return;
    // One wrong answer ends a one-player problem: the right answer is framed.
    c.X_label.visible = false;
    c.Y_label.visible = false;
    if (state_.way_to_play != calculate_value_way) c.formula_label.visible = false;
    const int right_square = frame_right_answer();
    c.instruction_label.caption = next_problem_instruction;
    show_start_button(next_problem_caption);
    hide_other_answer_squares(index, right_square);
}

void GameScreen::hide_choices_from(int first) {
    for (int i = first; i < choice_count; ++i) {
        controls_.function_choice_command[i].visible = false;
        controls_.function_choice_label[i].visible = false;
    }
}

void GameScreen::show_right_choice() {
    GameScreenControls& c = controls_;
    hide_choices_from(1);
    c.function_choice_label[0].caption = problem_.correct_choice_text;
    c.function_choice_label[0].fore = red;
    c.function_choice_command[0].visible = false;
}

void GameScreen::choice_click(int index) {
    if (index < 0 || index >= choice_count) return;
    GameScreenControls& c = controls_;
    Control& box = c.function_choice_command[index];
    if (!box.visible || !box.enabled) return;
    if (!game_.problem_ready || start_button_showing()) return;
    // Until the first game tick the score text still holds the last problem's points.
    if (!state_.combat_game && c.form_pointer == Pointer::busy) {
        sound_.beep();
        return;
    }
    // Between a wrong formula and the steal nobody is answering: the boxes take no answer.
    if (state_.combat_game && !answering_player()) {
        sound_.beep();
        return;
    }
    box.checked = !box.checked;
    sound_.play_click_sound();

    if (c.function_choice_label[index].caption == problem_.correct_choice_text) {
        c.X_label.visible = false;
        c.Y_label.visible = false;
        c.function_choice_label[0].caption = problem_.correct_choice_text;
        c.function_choice_label[0].fore = red;
        c.function_choice_command[0].visible = false;
        c.formula_label.fore = black;
        hide_first_visit_tips();
        if (state_.combat_game) {
            combat_right_answer();
        } else {
            c.total_game_score_label.visible = true;
        }
        hide_choices_from(1);
        game_.problem_running = false;
        c.correct_image.visible = true;
        c.instruction_label.caption = next_problem_instruction;
        c.p_combat_instructions_label.visible = false;
        c.q_combat_instructions_label.visible = false;
        c.skip_problem_command.enabled = false;
        sound_.play_tada_sound();
        return;
    }

    if (state_.combat_game) {
        box.enabled = false;
        c.function_choice_label[index].fore = light_grey;
        combat_wrong_choice(index);
        wrong_answer_score();
        return;
    }
    // The wrong formula stays in the first place, greyed; the right one follows later.
    c.function_choice_label[0].caption = c.function_choice_label[index].caption;
    c.function_choice_command[0].enabled = false;
    c.function_choice_label[0].fore = light_grey;
    wrong_answer_score();
    hide_choices_from(1);
    c.X_label.visible = false;
    c.Y_label.visible = false;
    c.instruction_label.caption = next_problem_instruction;
    show_start_button(next_problem_caption);
}

}  // namespace varodex
