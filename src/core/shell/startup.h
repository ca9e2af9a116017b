// The start-up splash: prepares the run, then hands over to sign-in after three ticks.
#pragma once

#include <array>

#include "platform/dialogs.h"
#include "platform/window_host.h"
#include "players/records_file.h"
#include "screen/control.h"
#include "shell/large_fonts.h"
#include "state/shared_state.h"

namespace varodex {

// The splash's texts, in the places the window is designed with.
struct StartupScreen {
    Control title_label;
    Control maker_label;
    std::array<Control, 3> left_line_label;   // version, then two lines, the last the maker
    std::array<Control, 3> right_line_label;  // the maker, then two lines
    Control web_label;
};

StartupScreen make_startup_screen();

// The shared settings every run starts from.
void apply_startup_defaults(SharedState& state);

class StartupPresenter {
  public:
    // Runs the opening steps, all before the splash is shown: the defaults, the large-fonts
    // question, the records file and the known players.
    StartupPresenter(SharedState& state, Dialogs& dialogs, PlayerRecords& records,
                     WindowHost& windows, DisplayScale scale);

    // The player chose to leave at the large-fonts question: nothing opens, nothing is read.
    bool program_ended() const { return program_ended_; }

    // One tick of the one-second timer. The third closes the splash and opens sign-in;
    // returns true once that has happened.
    bool timer_tick();

    // The splash is being closed. Closed by the player before it handed over (it has no
    // close box, but the desktop can still close it), it leaves no window open: the run ends.
    void window_closing();

    int splash_ticks() const { return splash_ticks_; }
    const StartupScreen& screen() const { return screen_; }

  private:
    bool large_fonts_check(DisplayScale scale);
    void load_player_names();

    SharedState& state_;
    Dialogs& dialogs_;
    PlayerRecords& records_;
    WindowHost& windows_;
    StartupScreen screen_;
    int splash_ticks_ = 0;
    bool program_ended_ = false;
    bool handed_over_ = false;
};

}  // namespace varodex
