#include "results/summary_screen.h"

namespace varodex {

namespace {

Control at(int left, int top, int width, int height, std::string caption = {}) {
    return placed(std::move(caption), left, top, width, height);
}

constexpr int ladder_left = 20;
constexpr int ladder_top = 104;
constexpr int ladder_spacing = 24;

}  // namespace

void shadow(const Control& label, Control& shadow_label) {
    shadow_label.caption = label.caption;
    shadow_label.visible = label.visible;
    shadow_label.left = label.left + 1;
    shadow_label.top = label.top + 1;
    shadow_label.width = label.width;
    shadow_label.height = label.height;
}

SummaryScreen summary_design() {
    SummaryScreen s;
    s.player_score = at(number_left, 18, 88, 44);
    s.player_highest_score = at(number_left, 18, 88, 44);
    s.your_last_10_game_container = at(12, 230, 200, 80);
    s.your_last_10_game_label = at(8, 6, 186, 20, "YOUR LAST 10 GAME");
    s.player_average_score = at(number_left, 28, 88, 44);

    s.level_label = at(0, 56, 200, 20);
    s.level_number_label = at(0, 76, 200, 20);

    s.last_panel = at(432, 10, 196, 300);
    s.rank_for_10_label = at(0, 40, 196, 22);

    for (int i = 0; i < ladder_label_count; ++i) {
        const int rank = i % rank_count;
        s.rank_name_label[static_cast<std::size_t>(i)] =
            at(ladder_left, ladder_top + ladder_spacing * rank, 170, 22,
               ladder_text(Ladder::ten_problem, rank));
    }

    s.high_scores_label = at(12, 320, 616, 22, "Your Highest Scores:");
    s.PLAY_AGAIN_COMMAND = at(12, 350, 302, 32, "Play the same game again");
    s.advance_level_command = at(326, 350, 302, 32, "Advance to the next recommended game");

    s.Promotion_screen_container =
        at(0, 0, SummaryScreen::client_width, SummaryScreen::client_height);
    s.Promotion_screen_container.visible = false;
    s.congratulations_label = at(0, 30, SummaryScreen::client_width, 52);
    s.old_rank_label = at(0, 150, SummaryScreen::client_width, 34);
    s.new_rank_label = at(0, 192, SummaryScreen::client_width, 34);

    shadow(s.player_score, s.player_score_black);
    shadow(s.player_highest_score, s.player_highest_score_black);
    shadow(s.your_last_10_game_label, s.your_last_10_game_label_black);
    shadow(s.player_average_score, s.player_average_score_black);
    shadow(s.level_label, s.level_label_black);
    shadow(s.level_number_label, s.level_number_label_black);
    shadow(s.rank_for_10_label, s.rank_for_10_label_black);
    for (int i = 0; i < ladder_label_count; ++i) {
        shadow(s.rank_name_label[static_cast<std::size_t>(i)],
               s.rank_name_background[static_cast<std::size_t>(i)]);
    }
    return s;
}

}  // namespace varodex
