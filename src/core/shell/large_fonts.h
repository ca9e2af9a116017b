// Whether the desktop is set to large fonts, and the message that lets the player leave.
#pragma once

#include <string>

#include "platform/dialogs.h"

namespace varodex {

// How the desktop draws: its logical dots per inch and the device pixels per logical pixel.
struct DisplayScale {
    double logical_dpi = 96;
    double device_pixel_ratio = 1;
};

// Above this many dots per inch the windows' fixed pixel layouts look cramped.
inline constexpr double largest_small_fonts_dpi = 110;

// True only when the desktop is scaled above 100 %; never on a default 96-DPI desktop.
bool desktop_uses_large_fonts(DisplayScale scale);

// The eleven lines, separated by a carriage return alone.
std::string large_fonts_message_text();
MessageBoxRequest large_fonts_message();

}  // namespace varodex
