// The score summary after a one-player game: this game's score, the best and recent
// scores of the same kind of game, two animated rank ladders, the promotion panel, and the
// ways on to the next game.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "platform/sounds.h"
#include "platform/window_host.h"
#include "players/records_file.h"
#include "results/summary_screen.h"
#include "state/shared_state.h"
#include "state/sound_board.h"

namespace varodex {

struct SummaryPorts {
    PlayerRecords& records;
    Sounds& sounds;
    Dialogs& dialogs;
    WindowHost& windows;
};

class SummaryPresenter {
  public:
    // The view's timers: the ladder animation, and the single-shot end of the promotion.
    static constexpr int animation_interval_ms = 500;
    static constexpr int promotion_wait_ms = 10000;

    // Runs the window's opening steps: menus and buttons, title, the history read from the
    // records, the numbers, the ladders and, when the average has climbed a rank, the
    // promotion panel.
    SummaryPresenter(SharedState& state, SummaryPorts ports);

    const SummaryScreen& screen() const { return screen_; }

    // One tick of the ladder animation.
    void animation_tick();

    // True from opening while the promotion panel waits to be taken down.
    bool promotion_waiting() const { return promotion_waiting_; }
    // The promotion wait is over: the panel goes away.
    void promotion_wait_over();

    void play_again_click();
    void advance_click();
    // A click on the menu entry with the given name and array index (-1 for none).
    void menu_click(const std::string& name, int index = -1);

    // The window is about to close; false cancels the close.
    bool close_requested();

    // True once the summary has handed over to a game or to the goodbye screen; from then
    // on ticks and clicks change nothing.
    bool has_left() const { return leaving_for_game_ || quitting_; }
    bool leaving_for_game() const { return leaving_for_game_; }

    int game_rank() const { return game_rank_; }
    int average_rank() const { return average_rank_; }
    int game_step() const { return game_step_; }
    int average_step() const { return average_step_; }
    double recent_average() const { return recent_average_; }
    int previous_average() const { return previous_average_; }

  private:
    void set_up_menus_and_buttons();
    void write_ladder_texts();
    void show_history(GameHistory history);
    void show_ranks_and_promotion();
    void animate_ladder(int& step, int rank, int first_label);
    void set_rung_visible(int label, bool visible);
    void start_game();
    void ask_to_quit_from_menu();
    void open_help(int topic);

    SharedState& state_;
    SummaryPorts ports_;
    SoundBoard sound_;
    SummaryScreen screen_;

    bool leaving_for_game_ = false;
    bool quitting_ = false;
    bool promotion_waiting_ = false;
    int game_step_ = 0;
    int average_step_ = 0;
    int game_rank_ = 0;
    int average_rank_ = 0;
    double recent_average_ = 0;
    int previous_average_ = 0;
};

}  // namespace varodex
