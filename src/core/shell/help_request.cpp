#include "shell/help_request.h"

namespace varodex {

void open_help_topic(SharedState& state, WindowHost& windows, int topic_number) {
    state.help_topic = topic_number;
    if (windows.is_open(WindowKind::help)) windows.close_window(WindowKind::help);
    windows.show_window(WindowKind::help);
}

}  // namespace varodex
