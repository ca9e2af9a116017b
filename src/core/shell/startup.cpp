#include "shell/startup.h"

#include "shell/branding.h"

namespace varodex {

namespace {

Control white_text(std::string caption, int left, int top, int width, int height) {
    return placed(std::move(caption), left, top, width, height, white);
}

constexpr int splash_ticks_to_sign_in = 3;

}  // namespace

StartupScreen make_startup_screen() {
    StartupScreen screen;
    screen.title_label = white_text(product_name, 24, 65, 489, 65);
    screen.maker_label = white_text(maker_title, 64, 40, 449, 33);
    screen.left_line_label = {white_text(version_line, 72, 152, 225, 17),
                              white_text("Copyright 2026", 72, 168, 201, 17),
                              white_text(maker_name, 72, 184, 201, 17)};
    screen.right_line_label = {white_text(maker_name, 304, 152, 201, 17),
                               white_text("Learning Games", 304, 168, 201, 17),
                               white_text("Algebra for Ages 8 and Up", 304, 184, 201, 17)};
    screen.web_label = white_text(maker_web_address, 40, 208, 449, 41);
    return screen;
}

void apply_startup_defaults(SharedState& state) {
    state.game_code = first_practice_code;
    state.sound_on = true;
    state.combat_game = false;
    state.hint_delay = 30;
    state.way_to_play = calculate_value_way;
    state.time_trial_game = false;
    state.game_kind = ten_problem_kind;
    state.new_player = true;
    state.figure_formula_played = false;
}

StartupPresenter::StartupPresenter(SharedState& state, Dialogs& dialogs, PlayerRecords& records,
                                   WindowHost& windows, DisplayScale scale)
    : state_(state),
      dialogs_(dialogs),
      records_(records),
      windows_(windows),
      screen_(make_startup_screen()) {
    apply_startup_defaults(state_);
    if (!large_fonts_check(scale)) {
        program_ended_ = true;
        windows_.end_program();
        return;
    }
    state_.sound_on = true;
    load_player_names();
    // The function tables are compiled into the catalogue; there is nothing to fill.
}

bool StartupPresenter::large_fonts_check(DisplayScale scale) {
    if (!desktop_uses_large_fonts(scale)) return true;
    return dialogs_.show_message(large_fonts_message()) != DialogButton::no;
}

void StartupPresenter::load_player_names() {
    state_.player_names.clear();
    state_.player_count = 0;
    RecordsProblem problem = records_.ensure_records_file();
    if (problem.ok()) problem = records_.read_player_names(state_);
    // The game can still be played without the file; the player should know that results
    // may not be kept.
    if (!problem.ok()) {
        dialogs_.show_message(records_problem_box(problem));
    }
}

bool StartupPresenter::timer_tick() {
    if (handed_over_ || program_ended_) return handed_over_;
    ++splash_ticks_;
    if (splash_ticks_ >= splash_ticks_to_sign_in) {
        handed_over_ = true;
        windows_.close_window(WindowKind::startup);
        windows_.show_window(WindowKind::sign_in);
    }
    return handed_over_;
}

void StartupPresenter::window_closing() {
    if (handed_over_ || program_ended_) return;
    program_ended_ = true;
    windows_.end_program();
}

}  // namespace varodex
