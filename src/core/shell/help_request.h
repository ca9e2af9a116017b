// What every Help menu entry does: store the topic, then open the viewer afresh.
#pragma once

#include "platform/window_host.h"
#include "state/shared_state.h"

namespace varodex {

// A viewer that is already open is closed first, so the new topic replaces it; the window
// that asked stays open behind it.
void open_help_topic(SharedState& state, WindowHost& windows, int topic_number);

}  // namespace varodex
