#include "results/summary.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "results/advance.h"
#include "results/score_history.h"
#include "results/summary_menu.h"
#include "state/number_text.h"

namespace varodex {

namespace {

std::string in_capitals(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// A number in its box, moved right when it has fewer than four digits.
void write_number(Control& label, Control& label_black, long long value) {
    label.caption = signed_blank_number_text(value);
    label.left = value < 1000 ? short_number_left : number_left;
    shadow(label, label_black);
}

void write_label(Control& label, Control& label_black, std::string text) {
    label.caption = std::move(text);
    shadow(label, label_black);
}

// The entry, when it and every menu above it can be clicked; null otherwise.
const MenuEntry* clickable_entry(const std::vector<MenuEntry>& entries, const std::string& name,
                                 int index) {
    for (const MenuEntry& e : entries) {
        if (!e.enabled) continue;
        if (e.name == name && e.index == index) return &e;
        if (const MenuEntry* found = clickable_entry(e.children, name, index)) return found;
    }
    return nullptr;
}

}  // namespace

SummaryPresenter::SummaryPresenter(SharedState& state, SummaryPorts ports)
    : state_(state), ports_(ports), sound_(state, ports.sounds), screen_(summary_design()) {
    set_up_menus_and_buttons();
    // The promotion panel already lies over the whole window, hidden, in the design.
    screen_.window_title =
        derive_window_title(state_.game_code, derive_game_title(state_.game_code));
    sound_.play_applause_sound();
    write_ladder_texts();

    RecordsProblem problem;
    GameHistory history = ports_.records.read_game_history(
        state_.player_name, state_.game_code, state_.time_trial_game, state_.way_to_play, &problem);
    if (!problem.ok()) {
        ports_.dialogs.show_message(records_problem_box(problem));
    }
    show_history(std::move(history));
    show_ranks_and_promotion();
}

void SummaryPresenter::set_up_menus_and_buttons() {
    leaving_for_game_ = false;
    screen_.menu_bar = summary_menu_bar();
    screen_.advance_level_command.enabled =
        recommended_next_game(state_.game_code, state_.way_to_play).has_value();
    screen_.PLAY_AGAIN_COMMAND.pointer = Pointer::hand;
    set_up_summary_menus(screen_.menu_bar, state_);
}

void SummaryPresenter::write_ladder_texts() {
    for (int i = 0; i < ladder_label_count; ++i) {
        Control& label = screen_.rank_name_label[static_cast<std::size_t>(i)];
        if (state_.time_trial_game) label.caption = ladder_text(Ladder::time_trial, i % rank_count);
        shadow(label, screen_.rank_name_background[static_cast<std::size_t>(i)]);
    }
}

void SummaryPresenter::show_history(GameHistory history) {
    // The summary opens only after a finished game, so the history holds at least that game
    // even when the records could not be read.
    if (history.scores.empty()) {
        history.scores.push_back(state_.final_score);
        history.highest = std::max(history.highest, state_.final_score);
    }
    const std::vector<int>& scores = history.scores;
    const int count = static_cast<int>(scores.size());
    const int shown = shown_games(count);

    recent_average_ = varodex::recent_average(scores);
    previous_average_ = varodex::previous_average(scores);
    screen_.high_scores_label.caption = high_scores_text(scores);

    write_label(screen_.level_label, screen_.level_label_black,
                state_.time_trial_game ? "Time Trial Game" : "Ten Problem Game");
    const int level =
        is_practice_code(state_.game_code) ? state_.game_code - 100 : state_.game_code - 200;
    write_label(screen_.level_number_label, screen_.level_number_label_black,
                " LEVEL" + signed_blank_number_text(level));

    write_number(screen_.player_score, screen_.player_score_black, state_.final_score);
    write_number(screen_.player_highest_score, screen_.player_highest_score_black, history.highest);

    write_label(screen_.your_last_10_game_label, screen_.your_last_10_game_label_black,
                "YOUR LAST " + signed_blank_number_text(shown) + " GAME");
    write_label(screen_.rank_for_10_label, screen_.rank_for_10_label_black,
                "For Your Last " + signed_blank_number_text(shown) + " Games");

    if (count <= 1) {
        // An average of one game would only repeat this game's score.
        screen_.last_panel.visible = false;
        screen_.your_last_10_game_container.visible = false;
    } else {
        screen_.your_last_10_game_label.visible = true;
        screen_.player_average_score.visible = true;
        shadow(screen_.your_last_10_game_label, screen_.your_last_10_game_label_black);
        write_number(screen_.player_average_score, screen_.player_average_score_black,
                     static_cast<long long>(std::floor(recent_average_)));
    }
}

void SummaryPresenter::show_ranks_and_promotion() {
    const Ladder ladder = ladder_for(state_.time_trial_game);
    game_rank_ = rank_of(state_.final_score, ladder);
    average_rank_ = rank_of(recent_average_, ladder);
    const std::string& average_word = rank_word(average_rank_);
    const std::string& previous_word = rank_word(rank_of(previous_average_, ladder));

    // Needs more than ten games, since previous_average is 0 before that.
    const bool promoted = previous_average_ > 0 && recent_average_ > previous_average_ &&
                          average_word != previous_word;
    if (!promoted) return;

    screen_.congratulations_label.caption = "Congratulations, " + state_.first_name + "!!!!";
    screen_.old_rank_label.caption = "Your old rank was " + in_capitals(previous_word) + ".";
    screen_.new_rank_label.caption = "Your new rank is " + in_capitals(average_word) + ".";
    screen_.Promotion_screen_container.visible = true;
    sound_.play_sting_sound();
    promotion_waiting_ = true;
}

void SummaryPresenter::promotion_wait_over() {
    if (!promotion_waiting_ || has_left()) return;
    promotion_waiting_ = false;
    screen_.Promotion_screen_container.visible = false;
}

void SummaryPresenter::animation_tick() {
    if (has_left()) return;
    animate_ladder(game_step_, game_rank_, 0);
    animate_ladder(average_step_, average_rank_, average_ladder_offset);
}

void SummaryPresenter::animate_ladder(int& step, int rank, int first_label) {
    ++step;
    if (step <= rank) {
        // A gap climbs one rung per tick towards the rank reached.
        set_rung_visible(first_label + step - 1, false);
        if (step > 1) set_rung_visible(first_label + step - 2, true);
        return;
    }
    if (rank > 0) set_rung_visible(first_label + rank - 1, true);
    set_rung_visible(first_label + rank, step % 2 == 1);
    // Only the parity matters from here on; keeps the counter from running away.
    if (step > rank + 2) step -= 2;
}

void SummaryPresenter::set_rung_visible(int label, bool visible) {
    const auto i = static_cast<std::size_t>(label);
    screen_.rank_name_label[i].visible = visible;
    screen_.rank_name_background[i].visible = visible;
}

void SummaryPresenter::play_again_click() {
    if (has_left()) return;
    sound_.play_click_sound();
    start_game();
}

void SummaryPresenter::advance_click() {
    if (has_left() || !screen_.advance_level_command.enabled) return;
    sound_.play_click_sound();
    const auto next = recommended_next_game(state_.game_code, state_.way_to_play);
    if (!next) return;
    const DialogButton answer =
        ports_.dialogs.show_message(advance_question(state_.game_code, state_.way_to_play, *next));
    // The box waits for the player; the summary may have been left meanwhile.
    if (answer != DialogButton::ok || has_left()) return;
    state_.way_to_play = next->way_to_play;
    state_.game_code = next->game_code;
    start_game();
}

void SummaryPresenter::menu_click(const std::string& name, int index) {
    if (has_left()) return;
    const MenuEntry* entry = clickable_entry(screen_.menu_bar, name, index);
    if (entry == nullptr || !entry->children.empty()) return;

    if (name == "levelxy_menu") {
        choose_algebra_level(state_, index);
    } else if (name == "functionxy_menu") {
        choose_practice_function(state_, index);
    } else if (name == "ways_play_menu") {
        choose_way_to_play(state_, index);
    } else if (name == "Ten_Problem_Game_Menu") {
        choose_ten_problem_game(state_);
    } else if (name == "Time_Trial_Menu") {
        choose_time_trial_game(state_);
    } else if (name == "combat_menu") {
        choose_combat_game(state_);
    } else if (name == "hint_delay_menu") {
        choose_hint_delay(state_, index);
    } else if (name == "sound_control_menu") {
        choose_sound(state_, index);
        tick_sound_entries(screen_.menu_bar, state_.sound_on);
        return;
    } else if (name == "about_menu") {
        ports_.windows.show_window(WindowKind::about);
        return;
    } else if (name == "Exit_menu") {
        ask_to_quit_from_menu();
        return;
    } else if (const int topic = summary_help_topic(name); topic != 0) {
        open_help(topic);
        return;
    } else {
        return;
    }
    start_game();
}

void SummaryPresenter::start_game() {
    leaving_for_game_ = true;
    ports_.windows.close_window(WindowKind::summary);
    ports_.windows.show_window(WindowKind::game_screen);
}

void SummaryPresenter::open_help(int topic) {
    state_.help_topic = topic;
    if (ports_.windows.is_open(WindowKind::help)) ports_.windows.close_window(WindowKind::help);
    ports_.windows.show_window(WindowKind::help);
}

void SummaryPresenter::ask_to_quit_from_menu() {
    if (ports_.dialogs.show_message(quit_question()) != DialogButton::yes || has_left()) return;
    // Set first, so the close that follows does not ask again.
    quitting_ = true;
    ports_.windows.close_window(WindowKind::summary);
    ports_.windows.show_window(WindowKind::goodbye);
}

bool SummaryPresenter::close_requested() {
    if (has_left()) return true;
    if (ports_.dialogs.show_message(quit_question()) != DialogButton::yes) return false;
    if (has_left()) return true;
    quitting_ = true;
    ports_.windows.show_window(WindowKind::goodbye);
    return true;
}

}  // namespace varodex
