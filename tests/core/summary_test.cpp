#include "results/summary.h"

#include <gtest/gtest.h>

#include <memory>

#include "game/catalogue.h"
#include "results/advance.h"
#include "results/summary_menu.h"
#include "support/fakes.h"
#include "support/memory_records.h"

namespace varodex {
namespace {

using testing::DialogRecorder;
using testing::MemoryRecords;
using testing::SoundRecorder;
using testing::WindowRecorder;

std::string blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

class Summary : public ::testing::Test {
  protected:
    Summary() {
        state.player_name = "Ann Lee";
        state.first_name = "Ann";
        windows.open = {WindowKind::summary};
    }

    // The game screen has appended the finished game, the last of `scores`, before the
    // summary opens.
    SummaryPresenter& open_after(const std::vector<int>& scores) {
        records.add_games(state.player_name, state.game_code, state.time_trial_game,
                          state.way_to_play, scores);
        state.final_score = scores.empty() ? 0 : scores.back();
        summary = std::make_unique<SummaryPresenter>(
            state, SummaryPorts{records, sounds, dialogs, windows});
        return *summary;
    }

    const SummaryScreen& screen() const { return summary->screen(); }

    const MenuEntry& menu(const std::string& name, int index = -1) const {
        const MenuEntry* entry = find_menu_entry(screen().menu_bar, name, index);
        EXPECT_NE(entry, nullptr) << name << " " << index;
        static const MenuEntry none;
        return entry ? *entry : none;
    }

    // The game ladder's rungs 0..7 (or the average ladder's) as '1' shown and '0' hidden.
    std::string rungs(int first_label) const {
        std::string shown;
        for (int i = first_label; i < first_label + rank_count; ++i) {
            const auto k = static_cast<std::size_t>(i);
            EXPECT_EQ(screen().rank_name_label[k].visible,
                      screen().rank_name_background[k].visible);
            shown += screen().rank_name_label[k].visible ? '1' : '0';
        }
        return shown;
    }

    bool went_to_game_screen() const {
        return windows.events.size() == 2 && !windows.events[0].shown &&
               windows.events[0].kind == WindowKind::summary && windows.events[1].shown &&
               windows.events[1].kind == WindowKind::game_screen;
    }

    SharedState state;
    MemoryRecords records;
    SoundRecorder sounds;
    DialogRecorder dialogs;
    WindowRecorder windows;
    std::unique_ptr<SummaryPresenter> summary;
};

TEST_F(Summary, FirstGameOfAKindShowsNoAverageNoSecondLadderNoPromotion) {
    open_after({850});
    EXPECT_FALSE(screen().your_last_10_game_container.visible);
    EXPECT_FALSE(screen().last_panel.visible);
    EXPECT_FALSE(screen().Promotion_screen_container.visible);
    EXPECT_FALSE(summary->promotion_waiting());
    EXPECT_EQ(screen().player_score.caption, " 850");
    EXPECT_EQ(screen().player_score.left, 127);
    EXPECT_EQ(screen().player_highest_score.caption, " 850");
    EXPECT_EQ(screen().high_scores_label.caption, "Your Highest Scores:   850   ");
    EXPECT_EQ(sounds.played, std::vector<SoundEffect>{SoundEffect::applause});
    EXPECT_EQ(records.history_reads, 1);
}

TEST_F(Summary, SixGamesAverageAllSix) {
    open_after({800, 801, 802, 803, 804, 804});
    EXPECT_EQ(screen().your_last_10_game_label.caption, "YOUR LAST  6 GAME");
    EXPECT_EQ(screen().rank_for_10_label.caption, "For Your Last  6 Games");
    EXPECT_TRUE(screen().your_last_10_game_container.visible);
    EXPECT_TRUE(screen().last_panel.visible);
    EXPECT_DOUBLE_EQ(summary->recent_average(), 4814.0 / 6);
    EXPECT_EQ(screen().player_average_score.caption, " 802");  // 802.33 floored
    EXPECT_EQ(screen().player_average_score.left, 127);
    // Every shadow shows its label's text 1 pixel right of and below it.
    EXPECT_EQ(screen().player_average_score_black.caption, " 802");
    EXPECT_EQ(screen().player_average_score_black.left, 128);
    EXPECT_EQ(screen().player_average_score_black.top, screen().player_average_score.top + 1);
    EXPECT_EQ(screen().rank_for_10_label_black.caption, "For Your Last  6 Games");
    EXPECT_EQ(screen().player_score_black.caption, " 804");
}

TEST_F(Summary, NumbersOfFourDigitsKeepTheirPlaceShorterOnesMoveRight) {
    open_after({1100, 990});
    EXPECT_EQ(screen().player_score.caption, " 990");
    EXPECT_EQ(screen().player_score.left, 127);
    EXPECT_EQ(screen().player_highest_score.caption, " 1100");
    EXPECT_EQ(screen().player_highest_score.left, 110);
    EXPECT_EQ(screen().player_highest_score_black.left, 111);
    EXPECT_EQ(screen().player_average_score.caption, " 1045");
    EXPECT_EQ(screen().player_average_score.left, 110);
    EXPECT_EQ(screen().high_scores_label.caption, "Your Highest Scores:   1100    990   ");
}

TEST_F(Summary, AllScoresBelowMinusHundredShowHighestMinusHundred) {
    open_after({-140, -120});
    EXPECT_EQ(screen().player_highest_score.caption, "-100");
    EXPECT_EQ(screen().player_highest_score.left, 127);
    EXPECT_EQ(screen().player_score.caption, "-120");
    EXPECT_EQ(screen().player_average_score.caption, "-130");
}

TEST_F(Summary, AverageOf799Point9IsRankZeroAndShows799) {
    open_after({800, 800, 800, 800, 800, 800, 800, 800, 800, 799});
    EXPECT_EQ(screen().player_average_score.caption, " 799");
    EXPECT_EQ(summary->average_rank(), 0);
    EXPECT_EQ(summary->game_rank(), 0);
    EXPECT_EQ(screen().your_last_10_game_label.caption, "YOUR LAST  10 GAME");
}

TEST_F(Summary, TwelveGamesPromoteWhenTheAverageClimbsARank) {
    // Games 2 to 11 average 850 (player); games 3 to 12 average 900 (veteran).
    std::vector<int> scores(12, 850);
    scores[0] = 0;
    scores[11] = 1350;
    open_after(scores);
    EXPECT_EQ(summary->previous_average(), 850);
    EXPECT_DOUBLE_EQ(summary->recent_average(), 900.0);
    EXPECT_TRUE(summary->promotion_waiting());
    EXPECT_TRUE(screen().Promotion_screen_container.visible);
    EXPECT_EQ(screen().congratulations_label.caption, "Congratulations, Ann!!!!");
    EXPECT_EQ(screen().old_rank_label.caption, "Your old rank was PLAYER.");
    EXPECT_EQ(screen().new_rank_label.caption, "Your new rank is VETERAN.");
    EXPECT_EQ(sounds.played, (std::vector<SoundEffect>{SoundEffect::applause, SoundEffect::sting}));
}

TEST_F(Summary, TimeTrialPromotionNamesTheRankWordsInCapitals) {
    set_game_kind(state, time_trial_kind);
    std::vector<int> scores(11, 700);  // math pro
    scores.back() = 1300;              // recent 760: math whiz
    open_after(scores);
    EXPECT_EQ(screen().old_rank_label.caption, "Your old rank was MATH PRO.");
    EXPECT_EQ(screen().new_rank_label.caption, "Your new rank is MATH WHIZ.");
    EXPECT_EQ(screen().level_label.caption, "Time Trial Game");
    EXPECT_EQ(screen().level_label_black.caption, "Time Trial Game");
}

struct NoPromotionCase {
    const char* why;
    std::vector<int> scores;
};

class NoPromotion : public Summary, public ::testing::WithParamInterface<NoPromotionCase> {};

TEST_P(NoPromotion, KeepsThePanelHidden) {
    state.sound_on = true;
    open_after(GetParam().scores);
    EXPECT_FALSE(summary->promotion_waiting()) << GetParam().why;
    EXPECT_FALSE(screen().Promotion_screen_container.visible);
    EXPECT_EQ(sounds.count(SoundEffect::sting), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NoPromotion,
    ::testing::Values(
        NoPromotionCase{"ten games, however good", {0, 0, 0, 0, 0, 0, 0, 0, 0, 5000}},
        NoPromotionCase{"same rank, higher average",
                        {910, 910, 910, 910, 910, 910, 910, 910, 910, 910, 1300}},
        NoPromotionCase{"average fell a rank",
                        {1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 0}},
        NoPromotionCase{"previous average not above 0", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9000}}));

TEST_F(Summary, TimeTrialWritesItsLadderIntoBothLaddersWithShadows) {
    set_game_kind(state, time_trial_kind);
    open_after({400, 500});
    for (int i = 0; i < ladder_label_count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const Control& label = screen().rank_name_label[k];
        const Control& black = screen().rank_name_background[k];
        EXPECT_EQ(label.caption, ladder_text(Ladder::time_trial, i % rank_count));
        EXPECT_EQ(black.caption, label.caption);
        EXPECT_EQ(black.left, label.left + 1);
        EXPECT_EQ(black.top, label.top + 1);
    }
    EXPECT_EQ(summary->game_rank(), 3);
    EXPECT_EQ(summary->average_rank(), 3);  // 450
}

TEST_F(Summary, TenProblemLaddersKeepTheirDesignTexts) {
    open_after({850});
    EXPECT_EQ(screen().rank_name_label[3].caption, "  1000   CALCULATOR");
    EXPECT_EQ(screen().rank_name_label[11].caption, "  1000   CALCULATOR");
    EXPECT_EQ(screen().level_label.caption, "Ten Problem Game");
}

struct TitleCase {
    int game_code;
    std::string level_number;
    std::string title;
};

class SummaryTitle : public Summary, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(SummaryTitle, NamesTheGameAndShowsItsLevelNumber) {
    state.game_code = GetParam().game_code;
    open_after({900});
    EXPECT_EQ(screen().level_number_label.caption, GetParam().level_number);
    EXPECT_EQ(screen().window_title, GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, SummaryTitle,
    ::testing::Values(
        TitleCase{101, " LEVEL 1",
                  "Varodex" + blanks(14) + "Practice Game" + blanks(15) +
                      "z = Maximum(x,y) or z = Minimum(x,y)"},
        TitleCase{202, " LEVEL 2",
                  "Varodex" + blanks(23) + "Algebra Game" + blanks(26) + "Either of two functions"},
        TitleCase{203, " LEVEL 3",
                  "Varodex" + blanks(23) + "Algebra Game" + blanks(26) + "Any 1 of  3 functions"},
        TitleCase{222, " LEVEL 22",
                  "Varodex" + blanks(23) + "Algebra Game" + blanks(26) + "Savantor Level"}));

TEST_F(Summary, LaddersClimbToTheRankThenBlinkIt) {
    open_after({900, 1000});  // game rank 3 (1000), average 950: rank 2
    ASSERT_EQ(summary->game_rank(), 3);
    ASSERT_EQ(summary->average_rank(), 2);
    EXPECT_EQ(rungs(0), "11111111");
    const std::vector<std::string> game_ladder = {"01111111", "10111111", "11011111",
                                                  "11101111", "11111111", "11101111"};
    const std::vector<std::string> average_ladder = {"01111111", "10111111", "11111111",
                                                     "11011111", "11111111", "11011111"};
    for (std::size_t tick = 0; tick < game_ladder.size(); ++tick) {
        summary->animation_tick();
        EXPECT_EQ(rungs(0), game_ladder[tick]) << "tick " << tick + 1;
        EXPECT_EQ(rungs(average_ladder_offset), average_ladder[tick]) << "tick " << tick + 1;
    }
    // Still blinking, once a second, long after arriving.
    for (int i = 0; i < 1000; ++i) summary->animation_tick();
    const std::string before = rungs(0);
    summary->animation_tick();
    EXPECT_NE(rungs(0), before);
    EXPECT_EQ(rungs(0).substr(0, 3), "111");
}

TEST_F(Summary, RankZeroBlinksFromTheFirstTick) {
    open_after({100, 200});
    summary->animation_tick();
    EXPECT_EQ(rungs(0), "11111111");
    summary->animation_tick();
    EXPECT_EQ(rungs(0), "01111111");
    EXPECT_EQ(rungs(average_ladder_offset), "01111111");
}

TEST_F(Summary, PromotionPanelGoesAfterTheWaitWhileTheLaddersTick) {
    std::vector<int> scores(11, 850);
    scores.back() = 1400;  // recent 905
    open_after(scores);
    ASSERT_TRUE(summary->promotion_waiting());
    for (int i = 0; i < 20; ++i) summary->animation_tick();  // ten seconds of ticks
    EXPECT_EQ(summary->game_rank(), 7);
    EXPECT_EQ(rungs(0), "11111110");  // arrived, and the top rung blinks
    EXPECT_TRUE(screen().Promotion_screen_container.visible);
    summary->promotion_wait_over();
    EXPECT_FALSE(screen().Promotion_screen_container.visible);
    EXPECT_FALSE(summary->promotion_waiting());
}

TEST_F(Summary, LeavingDuringThePromotionWaitIsSafe) {
    std::vector<int> scores(11, 850);
    scores.back() = 1400;
    open_after(scores);
    summary->menu_click("Time_Trial_Menu");
    EXPECT_TRUE(went_to_game_screen());
    const SummaryScreen left_behind = screen();
    summary->promotion_wait_over();
    summary->animation_tick();
    summary->play_again_click();
    summary->menu_click("levelxy_menu", 4);
    EXPECT_TRUE(summary->close_requested());
    EXPECT_EQ(windows.events.size(), 2u);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(screen().Promotion_screen_container.visible,
              left_behind.Promotion_screen_container.visible);
    EXPECT_EQ(summary->game_step(), 0);
    EXPECT_TRUE(state.time_trial_game);
}

TEST_F(Summary, UnreadableRecordsAreReportedAndTheGameStillShows) {
    records.problem.message = "The player records could not be read.";
    state.final_score = 1010;
    summary =
        std::make_unique<SummaryPresenter>(state, SummaryPorts{records, sounds, dialogs, windows});
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "The player records could not be read.");
    EXPECT_EQ(dialogs.shown[0].icon, DialogIcon::exclamation);
    EXPECT_EQ(screen().player_score.caption, " 1010");
    EXPECT_EQ(screen().player_highest_score.caption, " 1010");
    EXPECT_EQ(screen().high_scores_label.caption, "Your Highest Scores:   1010   ");
    EXPECT_FALSE(screen().last_panel.visible);
}

TEST_F(Summary, SoundOffPlaysNoApplauseNoStingNoClick) {
    state.sound_on = false;
    std::vector<int> scores(11, 850);
    scores.back() = 1400;
    open_after(scores);
    summary->play_again_click();
    EXPECT_TRUE(sounds.played.empty());
}

// Menus and ways out.

TEST_F(Summary, MenuCaptionsThatDifferFromTheGameScreen) {
    open_after({900});
    EXPECT_EQ(menu("levelxy_menu", 1).caption, "Level  1  Either of two functions.");
    EXPECT_EQ(menu("levelxy_menu", 2).caption, "Level  2  Any of three functions");
    EXPECT_EQ(menu("levelxy_menu", 7).caption, "Level  7  Any of eight functions");
    EXPECT_EQ(menu("levelxy_menu", 8).caption, "Level 8 -  any of nine functions");
    EXPECT_EQ(menu("levelxy_menu", 11).caption, "Level 11 -  any of 12 functions");
    EXPECT_EQ(menu("levelxy_menu", 20).caption, "Level 20 -  any of 21 functions");
    EXPECT_EQ(menu("levelxy_menu", 21).caption, "Level 21 - Savantor! More Parameters");
    EXPECT_EQ(menu("hint_delay_menu", 0).caption, "5  Seconds");
    EXPECT_EQ(menu("hint_delay_menu", 5).caption, "30 Seconds");
    EXPECT_EQ(menu("hint_delay_menu", 12).caption, "No Hint");
    EXPECT_EQ(menu("functionxy_menu", 0).caption, practice_menu_caption(1));
    EXPECT_EQ(menu("combat_menu").caption, "Combat! Varodex Game");

    std::vector<std::string> top;
    for (const MenuEntry& e : screen().menu_bar) top.push_back(e.caption);
    EXPECT_EQ(top, (std::vector<std::string>{"Level", "Ways To Play", "Options", "Settings", "Help",
                                             "Exit"}));
    std::vector<std::string> help;
    for (const MenuEntry& e : menu("help_menu").children) help.push_back(e.caption);
    EXPECT_EQ(help, (std::vector<std::string>{"Instructions", "General Description", "Scoring",
                                              "Combat! Game Instructions", "Browsing (recommended)",
                                              "What Is Algebra?", "Why Play?",
                                              "Game Tips and Strategies", "About Varodex"}));
}

TEST_F(Summary, MenusAtOpeningFollowTheSettings) {
    state.game_code = 202;
    open_after({900});
    EXPECT_FALSE(menu("ways_play_menu", 1).enabled);  // Choose Formula starts at code 203
    EXPECT_FALSE(menu("hint_delay_list").enabled);
    EXPECT_TRUE(menu("levelxy_menu", 1).checked);
    EXPECT_EQ(menu("levelxy_menu", 2).checked, false);
    EXPECT_TRUE(menu("ways_play_menu", 0).checked);
    EXPECT_TRUE(menu("hint_delay_menu", 5).checked);
    EXPECT_TRUE(menu("Ten_Problem_Game_Menu").checked);
    EXPECT_FALSE(menu("Time_Trial_Menu").checked);
    EXPECT_TRUE(menu("sound_control_menu", 0).checked);
    EXPECT_FALSE(menu("sound_control_menu", 1).checked);
    for (int i = 0; i < 21; ++i) EXPECT_FALSE(menu("functionxy_menu", i).checked);
    EXPECT_TRUE(screen().advance_level_command.enabled);
    EXPECT_EQ(screen().PLAY_AGAIN_COMMAND.pointer, Pointer::hand);
}

TEST_F(Summary, ChooseFormulaDisablesThePracticeGameAndLevelsOneAndTwo) {
    state.game_code = 205;
    state.way_to_play = choose_formula_way;
    open_after({900});
    EXPECT_FALSE(menu("individualxy_menu").enabled);
    EXPECT_FALSE(menu("levelxy_menu", 1).enabled);
    EXPECT_FALSE(menu("levelxy_menu", 2).enabled);
    EXPECT_TRUE(menu("levelxy_menu", 3).enabled);
    EXPECT_TRUE(menu("ways_play_menu", 1).checked);
    // What the player cannot click does nothing.
    summary->menu_click("levelxy_menu", 1);
    summary->menu_click("functionxy_menu", 4);
    summary->menu_click("hint_delay_menu", 3);
    EXPECT_TRUE(windows.events.empty());
    EXPECT_EQ(state.game_code, 205);
    EXPECT_EQ(state.hint_delay, 30);
}

TEST_F(Summary, TimeTrialRaisesAShortHintDelayAndDisablesTheShortOnes) {
    set_game_kind(state, time_trial_kind);
    state.way_to_play = figure_formula_way;
    state.hint_delay = 10;
    open_after({500});
    EXPECT_EQ(state.hint_delay, 30);
    for (int i = 0; i <= 4; ++i) EXPECT_FALSE(menu("hint_delay_menu", i).enabled) << i;
    EXPECT_TRUE(menu("hint_delay_menu", 5).enabled);
    EXPECT_TRUE(menu("hint_delay_menu", 5).checked);
    EXPECT_FALSE(menu("hint_delay_menu", 1).checked);
    EXPECT_TRUE(menu("hint_delay_list").enabled);
    EXPECT_TRUE(menu("Time_Trial_Menu").checked);
    EXPECT_FALSE(menu("Ten_Problem_Game_Menu").checked);
}

TEST_F(Summary, PracticeFunctionIsTickedAndNoHintToo) {
    state.game_code = 107;
    state.hint_delay = no_hint_delay;
    open_after({900});
    EXPECT_TRUE(menu("functionxy_menu", 6).checked);
    EXPECT_TRUE(menu("hint_delay_menu", 12).checked);
    for (int level = 1; level <= 21; ++level) EXPECT_FALSE(menu("levelxy_menu", level).checked);
}

struct WayOutCase {
    const char* name;
    int index;
    void (*check)(const SharedState&);
};

class MenuWayOut : public Summary, public ::testing::WithParamInterface<WayOutCase> {};

TEST_P(MenuWayOut, ChangesTheSettingAndOpensAFreshGameScreen) {
    state.way_to_play = figure_formula_way;  // every entry clickable
    state.game_code = 210;
    open_after({900});
    sounds.clear();
    summary->menu_click(GetParam().name, GetParam().index);
    GetParam().check(state);
    EXPECT_TRUE(went_to_game_screen());
    EXPECT_TRUE(summary->leaving_for_game());
    EXPECT_TRUE(sounds.played.empty());  // menus make no click sound
    // The close that follows asks nothing.
    EXPECT_TRUE(summary->close_requested());
    EXPECT_TRUE(dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, MenuWayOut,
    ::testing::Values(
        WayOutCase{"levelxy_menu", 1, [](const SharedState& s) { EXPECT_EQ(s.game_code, 202); }},
        WayOutCase{"levelxy_menu", 21, [](const SharedState& s) { EXPECT_EQ(s.game_code, 222); }},
        WayOutCase{"functionxy_menu", 0, [](const SharedState& s) { EXPECT_EQ(s.game_code, 101); }},
        WayOutCase{"functionxy_menu", 20,
                   [](const SharedState& s) { EXPECT_EQ(s.game_code, 121); }},
        WayOutCase{"ways_play_menu", 1,
                   [](const SharedState& s) { EXPECT_EQ(s.way_to_play, choose_formula_way); }},
        WayOutCase{"ways_play_menu", 2,  // the way already in force still restarts
                   [](const SharedState& s) { EXPECT_EQ(s.way_to_play, figure_formula_way); }},
        WayOutCase{"Ten_Problem_Game_Menu", -1,
                   [](const SharedState& s) {
                       EXPECT_EQ(s.game_kind, ten_problem_kind);
                       EXPECT_FALSE(s.time_trial_game || s.combat_game);
                   }},
        WayOutCase{"Time_Trial_Menu", -1,
                   [](const SharedState& s) {
                       EXPECT_EQ(s.game_kind, time_trial_kind);
                       EXPECT_TRUE(s.time_trial_game && !s.combat_game);
                   }},
        WayOutCase{"combat_menu", -1,
                   [](const SharedState& s) {
                       EXPECT_EQ(s.game_kind, combat_kind);
                       EXPECT_TRUE(s.combat_game && !s.time_trial_game);
                   }},
        WayOutCase{"hint_delay_menu", 0, [](const SharedState& s) { EXPECT_EQ(s.hint_delay, 5); }},
        WayOutCase{"hint_delay_menu", 11,
                   [](const SharedState& s) { EXPECT_EQ(s.hint_delay, 60); }},
        WayOutCase{"hint_delay_menu", 12,
                   [](const SharedState& s) { EXPECT_EQ(s.hint_delay, no_hint_delay); }}));

TEST_F(Summary, ReplayClicksAndStartsTheSameGame) {
    state.game_code = 204;
    open_after({900, 950});
    sounds.clear();
    const SharedState before = state;
    summary->play_again_click();
    EXPECT_EQ(sounds.played, std::vector<SoundEffect>{SoundEffect::click});
    EXPECT_TRUE(went_to_game_screen());
    EXPECT_EQ(state.game_code, before.game_code);
    EXPECT_EQ(state.way_to_play, before.way_to_play);
    EXPECT_EQ(state.game_kind, before.game_kind);
}

TEST_F(Summary, AdvanceOkStartsTheRecommendedGame) {
    open_after({900});
    sounds.clear();
    dialogs.answers = {DialogButton::ok};
    summary->advance_click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, advance_message(101, 0, {101, 2}));
    EXPECT_EQ(sounds.played, std::vector<SoundEffect>{SoundEffect::click});
    EXPECT_EQ(state.game_code, 101);
    EXPECT_EQ(state.way_to_play, figure_formula_way);
    EXPECT_EQ(state.game_kind, ten_problem_kind);
    EXPECT_TRUE(went_to_game_screen());
}

TEST_F(Summary, AdvanceFromPracticeTwoGoesToLevelOneKeepingTheKind) {
    state.game_code = 102;
    state.way_to_play = figure_formula_way;
    set_game_kind(state, time_trial_kind);
    open_after({400});
    summary->advance_click();  // OK is the default
    EXPECT_EQ(state.game_code, 202);
    EXPECT_EQ(state.way_to_play, calculate_value_way);
    EXPECT_TRUE(state.time_trial_game);
}

TEST_F(Summary, AdvanceCancelChangesNothing) {
    state.game_code = 203;
    open_after({900});
    dialogs.answers = {DialogButton::cancel};
    summary->advance_click();
    EXPECT_EQ(state.game_code, 203);
    EXPECT_EQ(state.way_to_play, calculate_value_way);
    EXPECT_TRUE(windows.events.empty());
    EXPECT_FALSE(summary->has_left());
}

TEST_F(Summary, SavantorFigureFormulaHasNoAdvance) {
    state.game_code = savantor_code;
    state.way_to_play = figure_formula_way;
    open_after({1300});
    EXPECT_FALSE(screen().advance_level_command.enabled);
    summary->advance_click();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(windows.events.empty());
}

TEST_F(Summary, SoundMenuTicksItsEntryAndTheSummaryStays) {
    open_after({900});
    sounds.clear();
    summary->menu_click("sound_control_menu", 1);
    EXPECT_FALSE(state.sound_on);
    EXPECT_FALSE(menu("sound_control_menu", 0).checked);
    EXPECT_TRUE(menu("sound_control_menu", 1).checked);
    EXPECT_TRUE(windows.events.empty());
    summary->play_again_click();
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(Summary, HelpEntriesReopenTheHelpViewerOnTheirTopic) {
    open_after({900});
    const std::vector<std::pair<std::string, int>> topics = {
        {"beginners_menu", 1}, {"instructions_menu", 16},
        {"Scoring_menu", 17},  {"combat_game_instructions_menu", 21},
        {"browse_menu", 7},    {"algebra_menu", 12},
        {"why_play_menu", 18}, {"Suggestions_menu", 20}};
    for (const auto& [name, topic] : topics) {
        windows.events.clear();
        summary->menu_click(name);
        EXPECT_EQ(state.help_topic, topic) << name;
        ASSERT_FALSE(windows.events.empty());
        EXPECT_TRUE(windows.events.back().shown && windows.events.back().kind == WindowKind::help);
    }
    // The viewer was open from the first entry on, so each later one closed it first.
    ASSERT_EQ(windows.events.size(), 2u);
    EXPECT_FALSE(windows.events[0].shown);
    summary->menu_click("about_menu");
    EXPECT_TRUE(windows.is_open(WindowKind::about));
    EXPECT_TRUE(windows.is_open(WindowKind::summary));
    EXPECT_FALSE(summary->has_left());
}

TEST_F(Summary, ExitAsksOnceAndYesSaysGoodbye) {
    open_after({900});
    dialogs.answers = {DialogButton::yes};
    summary->menu_click("Exit_menu");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Are You Sure You Want To Quit?");
    EXPECT_EQ(dialogs.shown[0].default_button, DialogButton::no);
    EXPECT_FALSE(windows.is_open(WindowKind::summary));
    EXPECT_TRUE(windows.is_open(WindowKind::goodbye));
    EXPECT_FALSE(windows.is_open(WindowKind::game_screen));
    // The window's own close, which follows, asks nothing more.
    EXPECT_TRUE(summary->close_requested());
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(Summary, ExitNoChangesNothing) {
    open_after({900});
    summary->menu_click("Exit_menu");  // No is the default
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(windows.events.empty());
    EXPECT_FALSE(summary->has_left());
}

TEST_F(Summary, ClosingTheWindowAsksAndNoKeepsIt) {
    open_after({900});
    dialogs.answers = {DialogButton::no, DialogButton::yes};
    EXPECT_FALSE(summary->close_requested());
    EXPECT_TRUE(windows.events.empty());
    EXPECT_TRUE(summary->close_requested());
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(windows.is_open(WindowKind::goodbye));
    EXPECT_FALSE(windows.is_open(WindowKind::game_screen));
}

}  // namespace
}  // namespace varodex
