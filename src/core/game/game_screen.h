// The game screen's presenter: every game is played here. It owns the screen's controls and
// menu bar as data; the view forwards each event to the method of the same name and then
// renders the controls.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game_screen_controls.h"
#include "game/game_screen_state.h"
#include "game/generator.h"
#include "game/problem.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/random.h"
#include "platform/sounds.h"
#include "platform/window_host.h"
#include "players/records_file.h"
#include "screen/menu.h"
#include "state/shared_state.h"
#include "state/sound_board.h"

namespace varodex {

struct GameScreenPorts {
    Clock& clock;
    Random& random;
    Sounds& sounds;
    Dialogs& dialogs;
    WindowHost& windows;
    PlayerRecords& records;
};

// Makes the next problem; the game uses generate_problem.
using ProblemMaker = std::function<Problem(SharedState&, Random&)>;

// A restart or a hand-over closes the game screen through the WindowHost from inside one of
// these methods; the host must let the method return before it destroys the presenter.
class GameScreen {
  public:
    GameScreen(SharedState& state, GameScreenPorts ports,
               ProblemMaker make_problem = generate_problem);

    const GameScreenControls& controls() const { return controls_; }
    const std::vector<MenuEntry>& menu_bar() const { return menu_bar_; }
    const GameScreenState& game() const { return game_; }
    const Problem& problem() const { return problem_; }

    // Goes up by one whenever the controls or the menu bar have changed since the last call,
    // so the view repaints only after an event that changed something.
    unsigned long revision() const;

    // Events.
    void menu_click(const std::string& name, int index = -1);
    void new_problem();  // the click on start_image
    void answer_square_click(int index);
    void choice_click(int index);
    void skip_click();
    void combat_key_press(char key);
    void game_timer_tick();      // Timer1
    void feedback_timer_tick();  // Timer2
    // The window is about to close; false keeps it open.
    bool close_requested();
    // Pressed looks; positions are relative to the control, sent while the button is held.
    void start_mouse_down();
    void start_mouse_move(int x, int y);
    void square_mouse_down(int index);
    void square_mouse_move(int index, int x, int y);
    // A click on a Combat player, score or instruction label.
    void player_label_click();

    void restart_game_screen();
    void show_solution_steps();

  private:
    // Opening steps.
    void place_combat_labels();
    void place_answer_rows();
    void write_opening_score_texts();
    void place_backdrops();

    // A problem.
    void reset_problem_screen();
    void update_problem_counter();
    void present_problem();
    void present_calculate_value();
    void present_choose_formula();
    void present_figure_formula();
    void finish_problem_start();
    void show_square(int index, bool shown = true);
    void show_start_button(const std::string& caption);
    void hide_other_answer_squares(int except_a, int except_b = -1);
    int frame_right_answer();  // the square of the right answer, -1 when none shows it
    void hide_choices_from(int first);
    void show_right_choice();
    void hide_first_visit_tips();
    void wrong_answer_score();

    // Timers.
    void show_hints(double t);
    void end_problem();
    void end_game();
    void update_time_bonus(double t);

    // Combat.
    void hide_combat_labels();
    void combat_right_answer();
    void combat_wrong_square(int square);  // 24..28
    void combat_wrong_choice(int choice);  // 0..4
    void combat_feedback_tick();
    void buzz_in(CombatPlayer who);
    std::optional<CombatPlayer> answering_player() const;
    void write_combat_score(CombatPlayer who);
    void lose_turn(CombatPlayer who);
    void open_steal_window(CombatPlayer thief);
    void combat_wrong_answer(int square);  // -1 for a formula box
    void close_combat_answers();
    void retire_waiting_players();
    void hide_player_labels();
    void end_combat_problem(const std::string& instruction);
    void reveal_combat_answer();
    void steal_window_tick();
    void answer_limit_tick();

    void ask_quit_from_exit();
    double seconds_since_start() const;
    int asked_column_index() const;  // 0..7
    bool start_button_showing() const { return controls_.start_label.visible; }

    SharedState& state_;
    GameScreenPorts ports_;
    SoundBoard sound_;
    ProblemMaker make_problem_;

    GameScreenControls controls_;
    std::vector<MenuEntry> menu_bar_;
    GameScreenState game_;
    Problem problem_;

    mutable GameScreenControls seen_controls_;
    mutable std::vector<MenuEntry> seen_menu_bar_;
    mutable unsigned long revision_ = 0;
};

}  // namespace varodex
