// The score summary's controls as data, at their design places. Places inside a box or a
// panel are relative to it; the view draws the fixed texts and frames around them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "results/rank_table.h"
#include "screen/control.h"
#include "screen/menu.h"

namespace varodex {

// Ladder labels 0..7 show the finished game's rank; 8..15 the recent average's.
inline constexpr int ladder_label_count = 2 * rank_count;
inline constexpr int average_ladder_offset = rank_count;

struct SummaryScreen {
    static constexpr int client_width = 640;
    static constexpr int client_height = 424;

    std::string window_title;
    std::vector<MenuEntry> menu_bar;

    // Left column; each number sits in its own box.
    Control player_score, player_score_black;
    Control player_highest_score, player_highest_score_black;
    Control your_last_10_game_container;
    Control your_last_10_game_label, your_last_10_game_label_black;
    Control player_average_score, player_average_score_black;

    // Middle panel.
    Control level_label, level_label_black;
    Control level_number_label, level_number_label_black;

    // Right panel.
    Control last_panel;
    Control rank_for_10_label, rank_for_10_label_black;

    // Both ladders, rank 0 at the top, each rung with its shadow.
    std::array<Control, ladder_label_count> rank_name_label;
    std::array<Control, ladder_label_count> rank_name_background;

    Control high_scores_label;
    Control PLAY_AGAIN_COMMAND;
    Control advance_level_command;

    // The promotion panel covers the whole window while it shows.
    Control Promotion_screen_container;
    Control congratulations_label;
    Control old_rank_label;
    Control new_rank_label;
};

// Every control at its design place with its design text; the promotion panel hidden.
SummaryScreen summary_design();

// A label's shadow shows the label's text and visibility, 1 pixel right of and below it.
void shadow(const Control& label, Control& shadow_label);

// The left edge of a number in its box: numbers below 1000 move right to end where a
// four-digit number ends.
inline constexpr int number_left = 110;
inline constexpr int short_number_left = 127;

}  // namespace varodex
