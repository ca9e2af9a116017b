// The game screen's opening, menus, quitting, restarts, help and pressed looks.
#include <gtest/gtest.h>

#include "game/game_screen_menu.h"
#include "game_screen_fixture.h"

namespace varodex::testing {
namespace {

using Screen = GameScreenTest;

const MenuEntry& entry(const GameScreen& screen, const std::string& name, int index = -1) {
    const MenuEntry* found = find_menu_entry(screen.menu_bar(), name, index);
    EXPECT_NE(found, nullptr) << name << " " << index;
    return *found;
}

std::vector<std::string> captions(const std::vector<MenuEntry>& entries) {
    std::vector<std::string> out;
    for (const MenuEntry& e : entries) out.push_back(e.caption);
    return out;
}

TEST_F(Screen, OpensForANewPlayerWithTheWelcomeBox) {
    open();
    const auto& c = controls();
    EXPECT_EQ(c.window_title, "Varodex" + std::string(14, ' ') + "Practice Game" +
                                  std::string(15, ' ') + "z = Maximum(x,y) or z = Minimum(x,y)");
    EXPECT_TRUE(c.initial_instructions_textbox[2].visible);
    EXPECT_EQ(c.initial_instructions_textbox[2].left, 12);
    EXPECT_EQ(c.initial_instructions_textbox[2].top, 110);
    EXPECT_EQ(c.start_label.caption, "start");
    EXPECT_TRUE(c.start_label.visible && c.start_image.visible);
    EXPECT_EQ(c.game_level_label.caption, "Level 1");
    EXPECT_EQ(c.time_bonus.caption, "");
    EXPECT_EQ(c.total_game_score_label.caption, "");
    EXPECT_FALSE(c.total_game_score_label.visible || c.score_label.visible ||
                 c.average_score_label.visible || c.Problem_number_label.visible);
    EXPECT_FALSE(c.advanced_game_over.visible || c.chalk_board.visible);
    for (const Control& square : c.puzzle_square) {
        EXPECT_FALSE(square.visible);
        EXPECT_EQ(square.pointer, Pointer::no_drop);
    }
    EXPECT_EQ(game().problem_number, 0);
    EXPECT_EQ(game().answer_limit, 7);
    EXPECT_EQ(game().steal_limit, 150);

    // The first click on start takes the welcome box away.
    screen->new_problem();
    EXPECT_FALSE(controls().initial_instructions_textbox[2].visible);
}

TEST_F(Screen, OpeningPlacesFollowTheWayToPlay) {
    struct Case {
        int way;
        bool combat;
        int answer_row, formula_top, correct_top, incorrect_top, q_player_left, q_player_top;
    };
    const Case cases[] = {
        {calculate_value_way, false, 186, 146, 225, 225, 152, 225},
        {calculate_value_way, true, 186, 146, 310, 310, 152, 225},
        {choose_formula_way, false, 166, 275, 200, 200, 62, 202},
        {choose_formula_way, true, 166, 275, 200, 298, 62, 202},
        {figure_formula_way, false, 166, 275, 195, 195, 152, 202},
        {figure_formula_way, true, 166, 275, 300, 300, 152, 202},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << "way " << k.way << " combat " << k.combat);
        state.game_code = 205;
        state.way_to_play = k.way;
        set_game_kind(state, k.combat ? combat_kind : ten_problem_kind);
        open();
        const auto& c = controls();
        EXPECT_EQ(c.puzzle_square[26].top, k.answer_row);
        EXPECT_EQ(c.Q_label.top, k.answer_row);
        EXPECT_EQ(c.puzzle_square_background[26].top, k.answer_row - 5);
        EXPECT_EQ(c.puzzle_square_background[26].left, c.puzzle_square[26].left - 2);
        EXPECT_EQ(c.Q_background_image.top, k.answer_row - 5);
        EXPECT_EQ(c.formula_label.top, k.formula_top);
        EXPECT_EQ(c.correct_image.top, k.correct_top);
        EXPECT_EQ(c.incorrect_image.top, k.incorrect_top);
        EXPECT_EQ(c.q_player_label.left, k.q_player_left);
        EXPECT_EQ(c.q_player_label.top, k.q_player_top);
        EXPECT_EQ(c.p_player_label.top, k.q_player_top);
        EXPECT_EQ(c.p_player_score_label.top, k.q_player_top + 36);
        EXPECT_EQ(c.q_player_border_shape.top, k.q_player_top - 4);
        EXPECT_EQ(c.formula_label_alignment,
                  k.way == figure_formula_way ? Alignment::centre : Alignment::left);
        EXPECT_EQ(c.formula_label.left, k.way == figure_formula_way ? 10 : 215);
    }
    EXPECT_EQ(controls().correct_step_label[5].top, 159 + 60 + 5 * 23);
    EXPECT_EQ(controls().combat_answer_explanation.top, 179);
    EXPECT_EQ(controls().xy_back_shape[7].left, 573 - 6);
}

TEST_F(Screen, CombatOpensWithBothScoresInTheStrip) {
    set_game_kind(state, combat_kind);
    open();
    const auto& c = controls();
    EXPECT_EQ(c.total_game_score_label.caption, "P's Score  0");
    EXPECT_TRUE(c.total_game_score_label.visible);
    EXPECT_EQ(c.time_bonus.caption, "Q's Score  0");
    EXPECT_TRUE(c.time_bonus.visible);
    EXPECT_EQ(c.p_player_score_label.caption, "Score 0");
    EXPECT_FALSE(c.initial_instructions_textbox[2].visible);
    EXPECT_TRUE(entry(*screen, "combat_menu").checked);
    EXPECT_FALSE(entry(*screen, "Ten_Problem_Game_Menu").checked);

    // The problem counter has no "of 10", the players and Skip Problem come up.
    screen->new_problem();
    EXPECT_EQ(c.Problem_number_label.caption, "Problem  1");
    EXPECT_TRUE(c.p_player_label.visible && c.q_combat_instructions_label.visible);
    EXPECT_TRUE(c.skip_problem_command.enabled);
    EXPECT_EQ(c.time_bonus.caption, "Q's Score  0");
    EXPECT_TRUE(controls().key_preview);
}

TEST_F(Screen, SkipProblemRevealsTheAnswerAndScoresNothing) {
    set_game_kind(state, combat_kind);
    open();
    EXPECT_FALSE(controls().skip_problem_command.enabled);
    screen->new_problem();
    tick();
    EXPECT_EQ(controls().puzzle_square[24].pointer, Pointer::no_drop);  // nobody buzzed in
    screen->skip_click();
    const auto& c = controls();
    EXPECT_FALSE(game().problem_ready);
    EXPECT_FALSE(c.skip_problem_command.enabled);
    EXPECT_FALSE(c.p_player_label.visible || c.q_combat_instructions_label.visible);
    EXPECT_EQ(c.start_label.caption, "Next Problem");
    EXPECT_TRUE(c.puzzle_square_yellow_combat.visible);
    EXPECT_TRUE(c.correct_step_label[0].visible);
    for (int i = first_answer_square; i <= last_answer_square; ++i) {
        EXPECT_EQ(c.puzzle_square[i].visible, i == right_square()) << i;
    }
    tick();
    EXPECT_EQ(game().total_score, 0);
    EXPECT_EQ(game().p_score + game().q_score, 0);
}

TEST_F(Screen, MenuBarHasEveryEntryInOrder) {
    open();
    const auto& bar = screen->menu_bar();
    EXPECT_EQ(captions(bar), (std::vector<std::string>{"Level", "Ways To Play", "Options",
                                                       "Settings", "Help", "Exit"}));
    EXPECT_EQ(captions(bar[4].children),
              (std::vector<std::string>{"Instructions", " General Description", "Scoring",
                                        "Combat! Game Instructions", "Browsing (recommended)",
                                        "What is algebra?", "Why Play?", "Game Tips and Strategies",
                                        "Glossary", "About Varodex"}));
    EXPECT_EQ(
        captions(bar[2].children),
        (std::vector<std::string>{"Ten Problem Game", "Time Trial Game", "Combat! Varodex Game"}));
    const MenuEntry& levels = bar[0].children[0];
    ASSERT_EQ(levels.children.size(), 21u);
    EXPECT_EQ(levels.children[0].caption, "Level 1  either of two functions");
    EXPECT_EQ(levels.children[5].caption, "Level 6-  any of seven functions");
    EXPECT_EQ(levels.children[9].caption, "Level 10 - any of 11 functions");
    EXPECT_EQ(levels.children[10].caption, "Level 11 -  any of 12 functions");
    EXPECT_EQ(levels.children[19].caption, "Level 20 -  any of 21 functions");
    EXPECT_EQ(levels.children[20].caption, "Level 21 - Savantor! More Parameters");
    EXPECT_EQ(levels.children[20].index, 21);
    EXPECT_EQ(bar[0].children[1].children.size(), 21u);
    EXPECT_EQ(bar[0].children[1].children[20].index, 20);
    const MenuEntry& delays = bar[3].children[1];
    ASSERT_EQ(delays.children.size(), 13u);
    EXPECT_EQ(delays.children[0].caption, "5  Seconds");
    EXPECT_EQ(delays.children[5].caption, "30 seconds");
    EXPECT_EQ(delays.children[11].caption, "60 Seconds");
    EXPECT_EQ(delays.children[12].caption, "No Hint");
}

struct MenuCase {
    const char* name;
    int game_code;
    int kind;
    int way;
    int hint_delay;
    bool choose_formula_enabled;
    bool practice_enabled;
    bool low_levels_enabled;
    bool hint_delays_enabled;
    bool short_delays_enabled;
    int checked_delay;  // index of the checked hint delay entry, -1 for none
};

void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << c.name;
}

class MenuStates : public GameScreenTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuStates, FollowTheGameInForce) {
    const MenuCase& k = GetParam();
    state.game_code = k.game_code;
    set_game_kind(state, k.kind);
    state.way_to_play = k.way;
    state.hint_delay = k.hint_delay;
    open();
    EXPECT_EQ(entry(*screen, "ways_play_menu", 1).enabled, k.choose_formula_enabled);
    EXPECT_EQ(entry(*screen, "individualxy_menu").enabled, k.practice_enabled);
    EXPECT_EQ(entry(*screen, "levelxy_menu", 1).enabled, k.low_levels_enabled);
    EXPECT_EQ(entry(*screen, "levelxy_menu", 2).enabled, k.low_levels_enabled);
    EXPECT_TRUE(entry(*screen, "levelxy_menu", 3).enabled);
    EXPECT_EQ(entry(*screen, "hint_delay_list").enabled, k.hint_delays_enabled);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(entry(*screen, "hint_delay_menu", i).enabled, i >= 5 || k.short_delays_enabled)
            << i;
        EXPECT_EQ(entry(*screen, "hint_delay_menu", i).checked, i == k.checked_delay) << i;
    }
    for (int way = 0; way < 3; ++way) {
        EXPECT_EQ(entry(*screen, "ways_play_menu", way).checked, way == k.way);
    }
    for (int i = 1; i <= 21; ++i) {
        EXPECT_EQ(entry(*screen, "levelxy_menu", i).checked, k.game_code == 201 + i) << i;
    }
    for (int i = 0; i < 21; ++i) {
        EXPECT_EQ(entry(*screen, "functionxy_menu", i).checked, k.game_code == 101 + i) << i;
    }
    EXPECT_EQ(entry(*screen, "Ten_Problem_Game_Menu").checked, k.kind == ten_problem_kind);
    EXPECT_EQ(entry(*screen, "Time_Trial_Menu").checked, k.kind == time_trial_kind);
    EXPECT_TRUE(entry(*screen, "sound_control_menu", 0).checked);
    EXPECT_FALSE(entry(*screen, "sound_control_menu", 1).checked);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuStates,
    ::testing::Values(
        MenuCase{"PracticeCalculate", 101, ten_problem_kind, 0, 30, false, true, true, false, true,
                 5},
        MenuCase{"LastPracticeFunction", 121, ten_problem_kind, 2, 5, false, true, true, true, true,
                 0},
        MenuCase{"LevelOne", 202, ten_problem_kind, 0, 60, false, true, true, false, true, 11},
        MenuCase{"ChooseFormulaAtLevelTwo", 203, ten_problem_kind, 1, 30, true, false, false, false,
                 true, 5},
        MenuCase{"FigureFormulaNoHint", 210, ten_problem_kind, 2, 1000, true, true, true, true,
                 true, 12},
        MenuCase{"TimeTrialRaisesTheDelay", 205, time_trial_kind, 2, 10, true, true, true, true,
                 false, 5},
        MenuCase{"TimeTrialKeepsALongDelay", 205, time_trial_kind, 2, 45, true, true, true, true,
                 false, 8},
        MenuCase{"OddStoredDelay", 222, ten_problem_kind, 2, 65, true, true, true, true, true, -1},
        MenuCase{"FunctionOneOnly", 201, ten_problem_kind, 0, 30, false, true, true, false, true,
                 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Screen, TheTimeTrialRuleChangesTheStoredDelay) {
    state.hint_delay = 10;
    set_game_kind(state, time_trial_kind);
    open();
    EXPECT_EQ(state.hint_delay, 30);
    screen->menu_click("Ten_Problem_Game_Menu");
    open();
    EXPECT_EQ(state.hint_delay, 30);
}

struct RestartCase {
    const char* name;
    int index;
    int game_code, kind, way, hint_delay;
};

void PrintTo(const RestartCase& c, std::ostream* os) {
    *os << c.name;
}

class RestartingChoice : public GameScreenTest,
                         public ::testing::WithParamInterface<RestartCase> {};

TEST_P(RestartingChoice, DiscardsTheGameWithoutARecordOrAQuestion) {
    const RestartCase& k = GetParam();
    state.game_code = 205;
    state.way_to_play = figure_formula_way;
    open();
    play_problem(true);
    screen->new_problem();
    tick();
    screen->menu_click(k.name, k.index);
    EXPECT_EQ(state.game_code, k.game_code);
    EXPECT_EQ(state.game_kind, k.kind);
    EXPECT_EQ(state.way_to_play, k.way);
    EXPECT_EQ(state.hint_delay, k.hint_delay);
    ASSERT_EQ(windows.events.size(), 2u);
    EXPECT_FALSE(windows.events[0].shown);
    EXPECT_EQ(windows.events[0].kind, WindowKind::game_screen);
    EXPECT_TRUE(windows.events[1].shown);
    EXPECT_EQ(windows.events[1].kind, WindowKind::game_screen);
    EXPECT_TRUE(screen->close_requested());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(records.appended.empty());

    // The fresh screen starts over.
    open();
    EXPECT_EQ(controls().start_label.caption, "start");
    EXPECT_EQ(game().problem_number, 0);
    EXPECT_EQ(game().total_score, 0);
    EXPECT_FALSE(controls().Problem_number_label.visible);
}

INSTANTIATE_TEST_SUITE_P(Choices, RestartingChoice,
                         ::testing::Values(RestartCase{"hint_delay_menu", 12, 205, 1, 2, 1000},
                                           RestartCase{"hint_delay_menu", 5, 205, 1, 2, 30},
                                           RestartCase{"levelxy_menu", 21, 222, 1, 2, 30},
                                           RestartCase{"functionxy_menu", 6, 107, 1, 2, 30},
                                           RestartCase{"ways_play_menu", 2, 205, 1, 2, 30},
                                           RestartCase{"ways_play_menu", 1, 205, 1, 1, 30},
                                           RestartCase{"Time_Trial_Menu", -1, 205, 2, 2, 30},
                                           RestartCase{"combat_menu", -1, 205, 3, 2, 30},
                                           RestartCase{"Ten_Problem_Game_Menu", -1, 205, 1, 2, 30}),
                         [](const auto& info) {
                             return std::string(info.param.name) +
                                    std::to_string(info.param.index + 1);
                         });

TEST_F(Screen, DisabledEntriesTakeNoClick) {
    state.game_code = 203;
    state.way_to_play = choose_formula_way;
    open();
    screen->menu_click("levelxy_menu", 2);
    screen->menu_click("functionxy_menu", 4);
    screen->menu_click("hint_delay_menu", 8);
    EXPECT_TRUE(windows.events.empty());
    EXPECT_EQ(state.game_code, 203);
    EXPECT_EQ(state.hint_delay, 30);
}

TEST_F(Screen, SoundChangesOnlyItsCheckMarks) {
    open();
    screen->new_problem();
    tick();
    const GameScreenControls before = controls();
    screen->menu_click("sound_control_menu", 1);
    EXPECT_FALSE(state.sound_on);
    EXPECT_FALSE(entry(*screen, "sound_control_menu", 0).checked);
    EXPECT_TRUE(entry(*screen, "sound_control_menu", 1).checked);
    EXPECT_TRUE(windows.events.empty());
    EXPECT_EQ(controls(), before);
    screen->menu_click("sound_control_menu", 0);
    EXPECT_TRUE(state.sound_on);
    EXPECT_TRUE(entry(*screen, "sound_control_menu", 0).checked);
    EXPECT_FALSE(entry(*screen, "sound_control_menu", 1).checked);
}

TEST_F(Screen, TheCloseBoxAsksAndNoLeavesTheGameRunning) {
    open();
    screen->new_problem();
    tick();
    const GameScreenControls before = controls();
    const double started = game().problem_start_time;
    dialogs.answers = {DialogButton::no};
    EXPECT_FALSE(screen->close_requested());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const MessageBoxRequest& asked = dialogs.shown[0];
    EXPECT_EQ(asked.text, "Are You Sure You Want To Quit?");
    EXPECT_EQ(asked.title, "Quit?");
    EXPECT_EQ(asked.icon, DialogIcon::question);
    EXPECT_EQ(asked.buttons, DialogButtons::yes_no);
    EXPECT_EQ(asked.default_button, DialogButton::no);
    EXPECT_EQ(controls(), before);
    EXPECT_EQ(game().problem_start_time, started);
    EXPECT_TRUE(game().problem_ready);
    EXPECT_TRUE(windows.events.empty());

    dialogs.answers = {DialogButton::yes};
    EXPECT_TRUE(screen->close_requested());
    ASSERT_EQ(windows.events.size(), 1u);
    EXPECT_TRUE(windows.events[0].shown);
    EXPECT_EQ(windows.events[0].kind, WindowKind::goodbye);
}

TEST_F(Screen, ExitAsksOnce) {
    open();
    dialogs.answers = {DialogButton::no};
    screen->menu_click("exit_menu");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(windows.events.empty());

    dialogs.answers = {DialogButton::yes};
    screen->menu_click("exit_menu");
    EXPECT_EQ(dialogs.shown.size(), 2u);
    // Closing the window now (the host does) asks nothing more.
    EXPECT_TRUE(screen->close_requested());
    EXPECT_EQ(dialogs.shown.size(), 2u);
    ASSERT_EQ(windows.events.size(), 2u);
    EXPECT_FALSE(windows.events[0].shown);
    EXPECT_EQ(windows.events[0].kind, WindowKind::game_screen);
    EXPECT_TRUE(windows.events[1].shown);
    EXPECT_EQ(windows.events[1].kind, WindowKind::goodbye);
}

TEST_F(Screen, HelpEntriesOpenTheirTopicBesideTheGame) {
    const std::pair<const char*, int> topics[] = {
        {"beginners_menu", 1}, {"instructions_menu", 16},
        {"scoring_menu", 17},  {"combat_game_instructions_menu", 21},
        {"browsing_menu", 7},  {"alg_menu", 12},
        {"why_play_menu", 18}, {"suggestions_menu", 20}};
    open();
    for (auto [name, topic] : topics) {
        screen->menu_click(name);
        EXPECT_EQ(state.help_topic, topic) << name;
    }
    screen->menu_click("def_menu", 0);
    EXPECT_EQ(state.help_topic, 2);
    screen->menu_click("def_menu", 1);
    EXPECT_EQ(state.help_topic, 3);
    // The first opens the viewer; each later one closes it and opens it afresh.
    ASSERT_EQ(windows.events.size(), 1u + 2 * 9);
    EXPECT_TRUE(windows.events[0].shown);
    EXPECT_FALSE(windows.events[1].shown);
    EXPECT_EQ(windows.events[1].kind, WindowKind::help);
    EXPECT_TRUE(windows.events[2].shown);
    EXPECT_TRUE(windows.is_open(WindowKind::game_screen));

    screen->menu_click("about_menu");
    EXPECT_TRUE(windows.events.back().shown);
    EXPECT_EQ(windows.events.back().kind, WindowKind::about);
}

TEST_F(Screen, PressedLookOfTheStartButton) {
    open();
    screen->start_mouse_down();
    EXPECT_TRUE(controls().start_dark.visible);
    EXPECT_EQ(controls().start_dark.left, 38);
    EXPECT_EQ(controls().start_dark.top, 44);
    screen->start_mouse_move(40, 0);
    EXPECT_TRUE(controls().start_dark.visible);
    screen->start_mouse_move(41, 10);
    EXPECT_FALSE(controls().start_dark.visible);
    screen->start_mouse_down();
    screen->start_mouse_move(10, -1);
    EXPECT_FALSE(controls().start_dark.visible);
    screen->start_mouse_down();
    screen->new_problem();
    EXPECT_FALSE(controls().start_dark.visible);
}

TEST_F(Screen, PressedLookOfASquareOnlyWhenItIsClickable) {
    open();
    screen->new_problem();
    screen->square_mouse_down(25);  // not clickable before the first tick
    EXPECT_FALSE(controls().puzzle_square_yellow.visible);
    tick();
    screen->square_mouse_down(25);
    const auto& c = controls();
    EXPECT_TRUE(c.puzzle_square_yellow.visible);
    EXPECT_EQ(c.puzzle_square_yellow.top, c.puzzle_square[25].top);
    EXPECT_EQ(c.puzzle_square_yellow.left, c.puzzle_square_background[25].left + 1);
    screen->square_mouse_move(25, 44, 44);
    EXPECT_TRUE(c.puzzle_square_yellow.visible);
    screen->square_mouse_move(25, 45, 3);
    EXPECT_FALSE(c.puzzle_square_yellow.visible);
    screen->square_mouse_down(25);
    screen->answer_square_click(25);
    EXPECT_FALSE(c.puzzle_square_yellow.visible);
}

TEST_F(Screen, PlayerLabelsOnlyBeepWhenSoundIsOn) {
    set_game_kind(state, combat_kind);
    open();
    const GameScreenControls before = controls();
    screen->player_label_click();
    EXPECT_EQ(sounds.beeps, 1);
    state.sound_on = false;
    screen->player_label_click();
    EXPECT_EQ(sounds.beeps, 1);
    EXPECT_EQ(controls(), before);
}

TEST_F(Screen, PlayAgainOpensStraightOnTheFirstProblem) {
    set_game_kind(state, combat_kind);
    state.start_first_problem = true;
    open();
    EXPECT_FALSE(state.start_first_problem);
    EXPECT_EQ(game().problem_number, 1);
    EXPECT_FALSE(controls().start_label.visible);
    EXPECT_TRUE(controls().q_player_label.visible);
}

}  // namespace
}  // namespace varodex::testing
