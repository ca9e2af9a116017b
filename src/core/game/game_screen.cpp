#include "game/game_screen.h"

#include "game/game_screen_menu.h"
#include "game/game_screen_texts.h"
#include "shell/help_request.h"
#include "state/number_text.h"

namespace varodex {

namespace {

// The pressed looks give up once the pointer is this far out (600 and 660 twips).
constexpr int start_press_reach = 40;
constexpr int square_press_reach = 44;

bool outside(int x, int y, int reach) {
    return x < 0 || x > reach || y < 0 || y > reach;
}

// A menu entry is clickable when it and every menu above it are enabled.
const MenuEntry* find_clickable(const std::vector<MenuEntry>& entries, const std::string& name,
                                int index) {
    for (const MenuEntry& entry : entries) {
        if (!entry.enabled) continue;
        if (entry.name == name && entry.index == index) return &entry;
        if (const MenuEntry* found = find_clickable(entry.children, name, index)) return found;
    }
    return nullptr;
}

}  // namespace

GameScreen::GameScreen(SharedState& state, GameScreenPorts ports, ProblemMaker make_problem)
    : state_(state),
      ports_(ports),
      sound_(state, ports.sounds),
      make_problem_(std::move(make_problem)),
      controls_(designed_game_screen_controls()),
      menu_bar_(game_screen_menu_bar()) {
    GameScreenControls& c = controls_;
    game_.restarting_screen = false;
    // Centring the window on the screen is the view's part.
    if (state_.new_player && !state_.combat_game && state_.game_code == first_practice_code) {
        c.initial_instructions_textbox[2].visible = true;
        c.initial_instructions_textbox[2].left = 12;
        c.initial_instructions_textbox[2].top = 110;
    }
    enable_way_entries(menu_bar_, state_);

    c.combat_answer_explanation.left = c.function_choice_command[0].left;
    c.combat_answer_explanation.top = c.function_choice_command[0].top + 20;
    for (int i = 0; i < step_label_count; ++i) {
        c.correct_step_label[i].left = 117;
        c.correct_step_label[i].top = c.function_choice_command[0].top + 60 + 23 * i;
    }
    c.formula_label.fore = red;
    game_.answer_limit = 7;
    game_.steal_limit = 150;
    if (state_.combat_game) c.time_bonus.visible = true;
    place_combat_labels();

    apply_time_trial_hint_rule(state_);
    enable_hint_delay_entries(menu_bar_, state_);
    check_game_entries(menu_bar_, state_);

    c.skip_problem_command.left = 293;
    c.skip_problem_command.top = 351;
    c.initial_instructions_textbox[0].left = 41;
    c.initial_instructions_textbox[0].top = 216;
    c.initial_instructions_textbox[1].left = 41;
    c.initial_instructions_textbox[1].top = 200;
    for (int i = 0; i < 8; ++i) {
        c.xy_back_shape[i].top = 23;
        c.xy_back_shape[i].left = c.puzzle_square[i].left - 6;
        c.xy_back_shape[i].visible = false;
    }
    place_answer_rows();
    if (state_.way_to_play == figure_formula_way) {
        c.formula_label_alignment = Alignment::centre;
        c.formula_label.left = 10;
    } else {
        c.formula_label_alignment = Alignment::left;
        c.formula_label.left = 215;
    }
    c.skip_problem_command.pointer = Pointer::hand;

    c.total_game_score_label.visible = false;
    c.average_score_label.visible = false;
    c.score_label.visible = false;
    c.Problem_number_label.visible = false;
    game_.total_score = 0;
    if (!state_.combat_game) c.total_game_score_label.caption = " ";

    state_.time_trial_limit = derive_time_trial_limit(state_);
    c.advanced_well_done_label.caption = "Well Done, " + state_.first_name + "!!!";
    game_.time_used = 0;
    game_.problem_ready = false;
    game_.board_ticks = 0;
    check_sound_entries(menu_bar_, state_.sound_on);
    check_kind_entries(menu_bar_, state_);
    c.Timer1.interval_ms = 100;
    state_.game_title = derive_game_title(state_.game_code);
    c.window_title = derive_window_title(state_.game_code, state_.game_title);
    write_opening_score_texts();
    c.game_level_label.caption = level_label_text(state_.game_code);

    c.advanced_game_over.visible = false;
    c.start_dark.left = c.start_image.left + 4;
    c.start_dark.top = c.start_image.top + 4;
    game_.problem_number = 0;
    c.chalk_board.left = 6;
    c.chalk_board.top = 187;
    c.solutions_label.left = 200;
    c.solutions_label.top = 3;
    place_backdrops();

    seen_controls_ = controls_;
    seen_menu_bar_ = menu_bar_;

    // "Play Again" reopened the screen to go straight on with the first problem.
    if (state_.start_first_problem) {
        state_.start_first_problem = false;
        new_problem();
    }
}

void GameScreen::place_combat_labels() {
    GameScreenControls& c = controls_;
    c.q_player_label.left = 152;
    c.q_player_label.top = 202;
    c.p_player_label.left = 411;
    if (state_.way_to_play == calculate_value_way) c.q_player_label.top = 225;
    if (state_.way_to_play == choose_formula_way) {
        c.q_player_label.left = 62;
        c.q_player_label.top = 202;
        c.p_player_label.left = 520;
    }
    c.p_player_label.top = c.q_player_label.top;
    const auto follow = [](Control& follower, const Control& player, int drop) {
        follower.left = player.left;
        follower.top = player.top + drop;
    };
    follow(c.p_player_score_label, c.p_player_label, 36);
    follow(c.q_player_score_label, c.q_player_label, 36);
    follow(c.p_player_border_shape, c.p_player_label, -4);
    follow(c.q_player_border_shape, c.q_player_label, -4);
    c.p_player_score_label.caption = "Score 0";
    c.q_player_score_label.caption = "Score 0";
    c.q_combat_instructions_label.left = 152;
    c.q_combat_instructions_label.top = 303;
    c.p_combat_instructions_label.left = 152;
    c.p_combat_instructions_label.top = c.q_combat_instructions_label.top + 24;
    game_.p_score = 0;
    game_.q_score = 0;
}

void GameScreen::place_answer_rows() {
    GameScreenControls& c = controls_;
    const bool combat = state_.combat_game;
    int answer_row = 166;
    c.formula_label.top = 275;
    c.correct_image.left = 196;
    c.correct_image.top = combat ? 300 : 195;
    c.incorrect_image.left = 196;
    if (state_.way_to_play == calculate_value_way) {
        c.correct_image.top = combat ? 310 : 225;
        c.formula_label.top = 146;
        answer_row = 186;
    }
    if (state_.way_to_play == choose_formula_way) c.correct_image.top = 200;
    for (int i = first_answer_square; i <= last_answer_square; ++i)
        c.puzzle_square[i].top = answer_row;
    c.equal_sign_label.top = answer_row;
    c.Q_label.top = answer_row;
    c.incorrect_image.top =
        state_.way_to_play == choose_formula_way && combat ? 298 : c.correct_image.top;
}

void GameScreen::write_opening_score_texts() {
    GameScreenControls& c = controls_;
    if (state_.combat_game) {
        c.total_game_score_label.caption = "P's Score  0";
        c.total_game_score_label.visible = true;
        c.time_bonus.caption = "Q's Score  0";
    } else {
        c.time_bonus.caption = "";
        c.total_game_score_label.caption = "";
    }
}

void GameScreen::place_backdrops() {
    GameScreenControls& c = controls_;
    for (int i = 0; i < square_count; ++i) {
        c.puzzle_square_background[i].left = c.puzzle_square[i].left - 2;
        c.puzzle_square_background[i].top = c.puzzle_square[i].top - 5;
        c.puzzle_square_background[i].visible = false;
    }
    c.Q_background_image.left = c.Q_label.left - 2;
    c.Q_background_image.top = c.Q_label.top - 5;
}

unsigned long GameScreen::revision() const {
    if (!(controls_ == seen_controls_) || menu_bar_ != seen_menu_bar_) {
        seen_controls_ = controls_;
        seen_menu_bar_ = menu_bar_;
        ++revision_;
    }
    return revision_;
}

void GameScreen::menu_click(const std::string& name, int index) {
    if (!find_clickable(menu_bar_, name, index)) return;
    if (name == "sound_control_menu") {
        choose_sound(state_, index);
        check_sound_entries(menu_bar_, state_.sound_on);
        return;
    }
    if (const int topic = help_topic_of(name, index)) {
        open_help_topic(state_, ports_.windows, topic);
        return;
    }
    if (name == "about_menu") {
        ports_.windows.show_window(WindowKind::about);
        return;
    }
    if (name == "exit_menu") {
        ask_quit_from_exit();
        return;
    }
    MenuEffect effect = MenuEffect::none;
    if (name == "levelxy_menu") effect = choose_algebra_level(state_, index);
    if (name == "functionxy_menu") effect = choose_practice_function(state_, index);
    if (name == "ways_play_menu") effect = choose_way_to_play(state_, index);
    if (name == "Ten_Problem_Game_Menu") effect = choose_ten_problem_game(state_);
    if (name == "Time_Trial_Menu") effect = choose_time_trial_game(state_);
    if (name == "combat_menu") effect = choose_combat_game(state_);
    if (name == "hint_delay_menu") effect = choose_hint_delay(state_, index);
    // The game in progress is dropped without a record and without a question.
    if (effect == MenuEffect::restart) restart_game_screen();
}

void GameScreen::restart_game_screen() {
    game_.restarting_screen = true;
    // The host may replace this presenter once both calls are made: nothing follows them.
    WindowHost& windows = ports_.windows;
    windows.close_window(WindowKind::game_screen);
    windows.show_window(WindowKind::game_screen);
}

bool GameScreen::close_requested() {
    if (game_.restarting_screen) return true;
    if (ports_.dialogs.show_message(quit_question()) != DialogButton::yes) return false;
    ports_.windows.show_window(WindowKind::goodbye);
    return true;
}

void GameScreen::ask_quit_from_exit() {
    if (ports_.dialogs.show_message(quit_question()) != DialogButton::yes) return;
    game_.restarting_screen = true;
    WindowHost& windows = ports_.windows;
    windows.close_window(WindowKind::game_screen);
    windows.show_window(WindowKind::goodbye);
}

void GameScreen::start_mouse_down() {
    if (controls_.start_image.visible) controls_.start_dark.visible = true;
}

void GameScreen::start_mouse_move(int x, int y) {
    if (outside(x, y, start_press_reach)) controls_.start_dark.visible = false;
}

void GameScreen::square_mouse_down(int index) {
    if (index < 0 || index >= square_count) return;
    const Control& square = controls_.puzzle_square[index];
    if (!square.visible || square.pointer != Pointer::hand) return;
    Control& frame = controls_.puzzle_square_yellow;
    frame.top = square.top;
    // One pixel right of the backdrop, so the frame sits on the square.
    frame.left = controls_.puzzle_square_background[index].left + 1;
    frame.visible = true;
}

void GameScreen::square_mouse_move(int index, int x, int y) {
    if (index < 0 || index >= square_count) return;
    if (outside(x, y, square_press_reach)) controls_.puzzle_square_yellow.visible = false;
}

void GameScreen::player_label_click() {
    sound_.beep();
}

double GameScreen::seconds_since_start() const {
    return ports_.clock.now_seconds() - game_.problem_start_time;
}

}  // namespace varodex
