// The goodbye screen every confirmed quit passes through; leaving it ends the program.
#pragma once

#include <string>

#include "platform/window_host.h"
#include "screen/control.h"
#include "state/shared_state.h"

namespace varodex {

struct GoodbyeScreen {
    std::string window_caption;  // "  Varodex"
    Control goodbye_label;       // "Goodbye, " + first name + "!!!"
    Control enjoy_label;
    Control CONTINUE_COMMAND;  // "Exit"
};

class GoodbyePresenter {
  public:
    GoodbyePresenter(const SharedState& state, WindowHost& windows);

    const GoodbyeScreen& screen() const { return screen_; }

    // Either way out ends the program at once, with no further question.
    void CONTINUE_COMMAND_click() { end(); }
    void window_closing() { end(); }

    bool program_ended() const { return ended_; }

  private:
    void end();

    WindowHost& windows_;
    GoodbyeScreen screen_;
    bool ended_ = false;
};

}  // namespace varodex
