#include "shell/goodbye.h"

namespace varodex {

GoodbyePresenter::GoodbyePresenter(const SharedState& state, WindowHost& windows)
    : windows_(windows) {
    screen_.window_caption = "  Varodex";
    screen_.goodbye_label.caption = "Goodbye, " + state.first_name + "!!!";
    screen_.enjoy_label.caption = "Hope you enjoyed playing!";
    screen_.CONTINUE_COMMAND.caption = "Exit";
}

void GoodbyePresenter::end() {
    // Ending closes every window, this one included; its close must not end twice.
    if (ended_) return;
    ended_ = true;
    windows_.end_program();
}

}  // namespace varodex
