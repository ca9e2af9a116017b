#include "state/shared_state.h"

#include <gtest/gtest.h>

#include "game/catalogue.h"
#include "state/number_text.h"
#include "state/sound_board.h"
#include "support/fakes.h"

namespace varodex {
namespace {

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST(SharedState, StartsWithFunctionOneTenProblemsCalculateValue) {
    SharedState state;
    EXPECT_EQ(state.game_code, 101);
    EXPECT_EQ(state.game_kind, ten_problem_kind);
    EXPECT_FALSE(state.time_trial_game);
    EXPECT_FALSE(state.combat_game);
    EXPECT_EQ(state.way_to_play, calculate_value_way);
    EXPECT_EQ(state.hint_delay, 30);
    EXPECT_TRUE(state.sound_on);
    EXPECT_TRUE(state.new_player);
    EXPECT_FALSE(state.figure_formula_played);
    EXPECT_EQ(state.final_score, 0);
}

struct TitleCase {
    int game_code;
    std::string window_title;
};

class WindowTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(WindowTitle, HasEveryBlank) {
    const TitleCase& c = GetParam();
    EXPECT_EQ(derive_window_title(c.game_code, derive_game_title(c.game_code)), c.window_title);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WindowTitle,
    ::testing::Values(
        TitleCase{101, "Varodex" + blanks(14) + "Practice Game" + blanks(15) +
                           "z = Maximum(x,y) or z = Minimum(x,y)"},
        TitleCase{121, "Varodex" + blanks(14) + "Practice Game" + blanks(15) +
                           "z = a|x³|+ b|y³| + c (a,b not = 0)"},
        TitleCase{201, "Varodex" + blanks(23) + "Algebra Game" + blanks(26) + "Function 1"},
        TitleCase{202,
                  "Varodex" + blanks(23) + "Algebra Game" + blanks(26) + "Either of two functions"},
        TitleCase{203,
                  "Varodex" + blanks(23) + "Algebra Game" + blanks(26) + "Any 1 of  3 functions"},
        TitleCase{221,
                  "Varodex" + blanks(23) + "Algebra Game" + blanks(26) + "Any 1 of  21 functions"},
        TitleCase{222, "Varodex" + blanks(23) + "Algebra Game" + blanks(26) + "Savantor Level"}));

TEST(SharedState, LevelLabels) {
    EXPECT_EQ(level_label_text(101), "Level 1");
    EXPECT_EQ(level_label_text(121), "Level 21");
    EXPECT_EQ(level_label_text(201), "Level 0");
    EXPECT_EQ(level_label_text(202), "Level 1");
    EXPECT_EQ(level_label_text(222), "Level 21");
}

TEST(SharedState, NoHintStoresOneThousand) {
    SharedState state;
    EXPECT_EQ(choose_hint_delay(state, 12), MenuEffect::restart);
    EXPECT_EQ(state.hint_delay, no_hint_delay);
    choose_hint_delay(state, 0);
    EXPECT_EQ(state.hint_delay, 5);
    choose_hint_delay(state, 11);
    EXPECT_EQ(state.hint_delay, 60);
}

TEST(SharedState, TimeTrialRaisesShortHintDelayAndItStays) {
    SharedState state;
    choose_hint_delay(state, 1);  // 10 seconds
    choose_time_trial_game(state);
    derive_game_screen_values(state);
    EXPECT_EQ(state.hint_delay, 30);

    choose_ten_problem_game(state);
    derive_game_screen_values(state);
    EXPECT_EQ(state.hint_delay, 30);
}

TEST(SharedState, TimeTrialLeavesLongDelaysAndNoHintAlone) {
    SharedState state;
    choose_time_trial_game(state);
    for (int delay : {30, 45, 60, no_hint_delay}) {
        state.hint_delay = delay;
        derive_game_screen_values(state);
        EXPECT_EQ(state.hint_delay, delay);
    }
}

TEST(SharedState, TimeTrialLimitTable) {
    struct Case {
        int game_code;
        int way;
        int limit;
    };
    const Case cases[] = {{101, 0, 60},  {101, 1, 60},  {115, 2, 60},  {201, 0, 120},
                          {203, 1, 120}, {210, 0, 120}, {202, 2, 300}, {222, 2, 300}};
    for (const Case& c : cases) {
        SharedState state;
        state.game_code = c.game_code;
        state.way_to_play = c.way;
        derive_game_screen_values(state);
        EXPECT_EQ(state.time_trial_limit, c.limit) << c.game_code << " way " << c.way;
    }
}

TEST(SharedState, GameKindFlagsAlwaysAgree) {
    SharedState state;
    choose_combat_game(state);
    EXPECT_EQ(state.game_kind, combat_kind);
    EXPECT_TRUE(state.combat_game);
    EXPECT_FALSE(state.time_trial_game);
    choose_time_trial_game(state);
    EXPECT_EQ(state.game_kind, time_trial_kind);
    EXPECT_FALSE(state.combat_game);
    EXPECT_TRUE(state.time_trial_game);
    choose_ten_problem_game(state);
    EXPECT_EQ(state.game_kind, ten_problem_kind);
    EXPECT_FALSE(state.combat_game);
    EXPECT_FALSE(state.time_trial_game);
}

TEST(SharedState, MenuChoicesRestartExceptSound) {
    SharedState state;
    EXPECT_EQ(choose_practice_function(state, 20), MenuEffect::restart);
    EXPECT_EQ(state.game_code, 121);
    EXPECT_EQ(choose_algebra_level(state, 21), MenuEffect::restart);
    EXPECT_EQ(state.game_code, 222);
    EXPECT_EQ(choose_way_to_play(state, 2), MenuEffect::restart);
    EXPECT_EQ(state.way_to_play, 2);
    // The choice already in force restarts just the same.
    EXPECT_EQ(choose_way_to_play(state, 2), MenuEffect::restart);
    EXPECT_EQ(choose_sound(state, 1), MenuEffect::none);
    EXPECT_FALSE(state.sound_on);
    EXPECT_EQ(choose_sound(state, 0), MenuEffect::none);
    EXPECT_TRUE(state.sound_on);
}

TEST(SharedState, UnknownRestoredCodeGivesATitleNotACrash) {
    EXPECT_EQ(derive_game_title(150), "Practice Game" + blanks(15));
}

TEST(SharedState, FirstName) {
    EXPECT_EQ(first_name_of("Ada Lovelace"), "Ada");
    EXPECT_EQ(first_name_of("Ada"), "Ada");
    EXPECT_EQ(first_name_of(" Ada"), "");
    EXPECT_EQ(first_name_of(""), "");
}

TEST(NumberText, PlainAndSignedBlank) {
    EXPECT_EQ(plain_number_text(-3), "-3");
    EXPECT_EQ(plain_number_text(0), "0");
    EXPECT_EQ(plain_number_text(12), "12");
    EXPECT_EQ(signed_blank_number_text(3), " 3");
    EXPECT_EQ(signed_blank_number_text(0), " 0");
    EXPECT_EQ(signed_blank_number_text(-3), "-3");
}

TEST(NumberText, RoundingAndTruncation) {
    const std::pair<double, long long> rounding[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.51, 3},
        {-0.4, 0}, {-1.6, -2}, {7.0, 7}};
    for (auto [value, expected] : rounding) EXPECT_EQ(round_half_even(value), expected) << value;
    EXPECT_EQ(div_trunc(-7, 2), -3);
    EXPECT_EQ(div_trunc(7, -2), -3);
    EXPECT_EQ(div_trunc(-7, -2), 3);
    EXPECT_EQ(div_trunc(1, 3), 0);
}

TEST(RandomInteger, CoversTheRangeEvenly) {
    testing::ScriptedRandom random({0.0, 0.999999999, 0.5});
    EXPECT_EQ(random_integer(random, -4, 4), -4);
    EXPECT_EQ(random_integer(random, -4, 4), 4);
    EXPECT_EQ(random_integer(random, 1, 2), 2);
    for (int v = -7; v <= 7; ++v) {
        random.script.push_back(testing::ScriptedRandom::draw_for(v, -7, 7));
        EXPECT_EQ(random_integer(random, -7, 7), v);
    }
}

TEST(SoundBoard, SilentWhenSoundIsOff) {
    SharedState state;
    testing::SoundRecorder recorder;
    SoundBoard board(state, recorder);
    board.play_laser_sound();
    board.beep();
    EXPECT_EQ(recorder.played, std::vector<SoundEffect>{SoundEffect::laser});
    EXPECT_EQ(recorder.beeps, 1);

    state.sound_on = false;
    board.play_click_sound();
    board.play_tada_sound();
    board.play_error_sound();
    board.play_laser_sound();
    board.play_cheer_sound();
    board.play_applause_sound();
    board.play_sting_sound();
    board.beep();
    EXPECT_EQ(recorder.played.size(), 1u);
    EXPECT_EQ(recorder.beeps, 1);
}

TEST(SoundBoard, EachRoutinePlaysItsOwnFile) {
    SharedState state;
    testing::SoundRecorder recorder;
    SoundBoard board(state, recorder);
    board.play_click_sound();
    board.play_tada_sound();
    board.play_error_sound();
    board.play_laser_sound();
    board.play_cheer_sound();
    board.play_applause_sound();
    board.play_sting_sound();
    std::vector<std::string> files;
    for (SoundEffect e : recorder.played) files.push_back(sound_file_name(e));
    EXPECT_EQ(files, (std::vector<std::string>{"Musica.wav", "tada.wav", "m_error.wav",
                                               "laserppt.wav", "cheer.wav", "5applaus.wav",
                                               "ds9sting.wav"}));
}

}  // namespace
}  // namespace varodex
