#include "shell/startup.h"

#include <gtest/gtest.h>

#include "shell/large_fonts.h"
#include "support/fakes.h"

namespace varodex {
namespace {

using testing::DialogRecorder;
using testing::WindowRecorder;

// Records the order of the calls; the names it "finds" stand for a file's players.
class RecordsLog : public PlayerRecords {
  public:
    RecordsProblem ensure_records_file() override {
        calls.push_back("ensure");
        return ensure_problem;
    }
    RecordsProblem read_player_names(SharedState& state) override {
        calls.push_back("read names");
        state.player_names = names;
        state.player_count = static_cast<int>(names.size());
        return {};
    }
    RecordsProblem restore_player_settings(SharedState&, const std::string&) override { return {}; }
    RecordsProblem append_game_record(const SharedState&, const std::string&) override {
        return {};
    }
    GameHistory read_game_history(const std::string&, int, bool, int, RecordsProblem*) override {
        return {};
    }

    std::vector<std::string> calls;
    std::vector<std::string> names = {"Ada Lovelace", "Bo"};
    RecordsProblem ensure_problem;
};

constexpr DisplayScale default_desktop{96, 1};
constexpr DisplayScale scaled_desktop{144, 1};

struct StartupFixture : ::testing::Test {
    SharedState state;
    DialogRecorder dialogs;
    RecordsLog records;
    WindowRecorder windows;
};

struct ScaleCase {
    double dpi;
    double ratio;
    bool large;
};

class LargeFonts : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(LargeFonts, AskOnlyAboveOneHundredPercent) {
    const ScaleCase c = GetParam();
    EXPECT_EQ(desktop_uses_large_fonts({c.dpi, c.ratio}), c.large);
}

INSTANTIATE_TEST_SUITE_P(Scales, LargeFonts,
                         ::testing::Values(ScaleCase{96, 1, false},   // the default desktop
                                           ScaleCase{72, 1, false},   // a desktop below the default
                                           ScaleCase{110, 1, false},  // the limit itself
                                           ScaleCase{110.5, 1, true},  // just above it
                                           ScaleCase{120, 1, true},    // 125 %
                                           ScaleCase{144, 1, true},    // 150 %
                                           ScaleCase{96, 1.25, true},  // 125 % by pixel ratio
                                           ScaleCase{96, 2, true},     // a 200 % screen
                                           ScaleCase{72, 1.5, false},  // 108 dots in all
                                           ScaleCase{48, 2, false}));  // 96 dots in all

TEST(LargeFontsMessage, ElevenLinesSeparatedByCarriageReturnsOnly) {
    const MessageBoxRequest box = large_fonts_message();
    EXPECT_EQ(box.title, "Please Change Screen Resolution");
    EXPECT_EQ(box.icon, DialogIcon::exclamation);
    EXPECT_EQ(box.buttons, DialogButtons::yes_no);
    EXPECT_EQ(box.default_button, DialogButton::yes);
    EXPECT_EQ(box.text.find('\n'), std::string::npos);
    EXPECT_EQ(box.text,
              "Varodex requires small fonts (the default windows setting) to display properly.\r"
              "\r"
              "To change your fonts:\r"
              "1.  Right click anywhere on your Desktop\r"
              "2.  Select Properties\r"
              "3.  Click on Settings\r"
              "4.  click on the advanced button\r"
              "5. Select small fonts\r"
              "\r"
              "Click on yes if you'd like to continue the game anyway\r"
              "Click on no if you'd like to exit the game and adjust your screen settings");
}

TEST_F(StartupFixture, WritesTheDefaultsAndReadsThePlayers) {
    state.game_code = 215;
    state.sound_on = false;
    state.way_to_play = figure_formula_way;
    state.hint_delay = 5;
    set_game_kind(state, combat_kind);
    state.new_player = false;
    state.figure_formula_played = true;

    StartupPresenter startup(state, dialogs, records, windows, default_desktop);

    EXPECT_FALSE(startup.program_ended());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(state.game_code, 101);
    EXPECT_TRUE(state.sound_on);
    EXPECT_EQ(state.way_to_play, calculate_value_way);
    EXPECT_EQ(state.hint_delay, 30);
    EXPECT_EQ(state.game_kind, ten_problem_kind);
    EXPECT_FALSE(state.combat_game);
    EXPECT_FALSE(state.time_trial_game);
    EXPECT_TRUE(state.new_player);
    EXPECT_FALSE(state.figure_formula_played);
    EXPECT_EQ(records.calls, (std::vector<std::string>{"ensure", "read names"}));
    EXPECT_EQ(state.player_count, 2);
    EXPECT_EQ(state.player_names, records.names);
    EXPECT_TRUE(windows.events.empty());
}

TEST_F(StartupFixture, ThirdTickClosesTheSplashAndOpensSignIn) {
    StartupPresenter startup(state, dialogs, records, windows, default_desktop);
    EXPECT_FALSE(startup.timer_tick());
    EXPECT_FALSE(startup.timer_tick());
    EXPECT_TRUE(windows.events.empty());
    EXPECT_TRUE(startup.timer_tick());
    ASSERT_EQ(windows.events.size(), 1u);  // the recorder notes only windows it saw open
    EXPECT_TRUE(windows.events[0].shown);
    EXPECT_EQ(windows.events[0].kind, WindowKind::sign_in);
    // A late tick already queued must not open sign-in twice.
    EXPECT_TRUE(startup.timer_tick());
    EXPECT_EQ(windows.events.size(), 1u);
    EXPECT_EQ(startup.splash_ticks(), 3);
}

TEST_F(StartupFixture, SplashClosesBeforeSignInOpens) {
    windows.show_window(WindowKind::startup);
    StartupPresenter startup(state, dialogs, records, windows, default_desktop);
    for (int i = 0; i < 3; ++i) startup.timer_tick();
    ASSERT_EQ(windows.events.size(), 3u);
    EXPECT_FALSE(windows.events[1].shown);
    EXPECT_EQ(windows.events[1].kind, WindowKind::startup);
    EXPECT_TRUE(windows.events[2].shown);
    EXPECT_EQ(windows.events[2].kind, WindowKind::sign_in);
    EXPECT_EQ(windows.open, std::vector<WindowKind>{WindowKind::sign_in});
}

// Nothing else is open while the splash is up: closing it early must not leave the program
// running without a window, and closing it at the hand-over must not end the run.
TEST_F(StartupFixture, ClosingTheSplashBeforeItHandsOverEndsTheRun) {
    StartupPresenter early(state, dialogs, records, windows, default_desktop);
    early.timer_tick();
    early.window_closing();
    EXPECT_TRUE(windows.ended);
    EXPECT_TRUE(early.program_ended());
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(early.timer_tick());
    EXPECT_FALSE(windows.is_open(WindowKind::sign_in));

    WindowRecorder later_windows;
    StartupPresenter later(state, dialogs, records, later_windows, default_desktop);
    for (int i = 0; i < 3; ++i) later.timer_tick();
    later.window_closing();
    EXPECT_FALSE(later_windows.ended);
    EXPECT_TRUE(later_windows.is_open(WindowKind::sign_in));
}

TEST_F(StartupFixture, NoToLargeFontsEndsBeforeTheRecordsFileIsMade) {
    dialogs.answers = {DialogButton::no};
    StartupPresenter startup(state, dialogs, records, windows, scaled_desktop);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Please Change Screen Resolution");
    EXPECT_TRUE(startup.program_ended());
    EXPECT_TRUE(windows.ended);
    EXPECT_TRUE(records.calls.empty());
    // The splash's timer never hands over after the program was ended.
    for (int i = 0; i < 5; ++i) EXPECT_FALSE(startup.timer_tick());
    EXPECT_TRUE(windows.events.empty());
}

TEST_F(StartupFixture, YesToLargeFontsGoesOnAsWithSmallFonts) {
    dialogs.answers = {DialogButton::yes};
    StartupPresenter startup(state, dialogs, records, windows, scaled_desktop);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(startup.program_ended());
    EXPECT_FALSE(windows.ended);
    EXPECT_EQ(records.calls, (std::vector<std::string>{"ensure", "read names"}));
    for (int i = 0; i < 3; ++i) startup.timer_tick();
    EXPECT_TRUE(windows.is_open(WindowKind::sign_in));
}

TEST_F(StartupFixture, ARecordsFileThatCannotBeMadeIsReportedAndPlayGoesOn) {
    records.ensure_problem.message = "The records file amath.txt could not be created.";
    StartupPresenter startup(state, dialogs, records, windows, default_desktop);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, records.ensure_problem.message);
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::ok);
    EXPECT_EQ(records.calls, std::vector<std::string>{"ensure"});
    EXPECT_EQ(state.player_count, 0);
    EXPECT_TRUE(state.player_names.empty());
    for (int i = 0; i < 3; ++i) startup.timer_tick();
    EXPECT_TRUE(windows.is_open(WindowKind::sign_in));
}

TEST(StartupScreenTexts, SplashShowsTheProgramTheMakerAndTheVersion) {
    const StartupScreen screen = make_startup_screen();
    EXPECT_EQ(screen.title_label.caption, "Varodex");
    EXPECT_EQ(screen.maker_label.caption, "Brindlemark's");
    EXPECT_EQ(screen.left_line_label[0].caption, "Version 4.0");
    EXPECT_EQ(screen.left_line_label[0].width, 225);
    EXPECT_EQ(screen.left_line_label[2].caption, "Brindlemark");
    EXPECT_EQ(screen.left_line_label[2].top, 184);
    EXPECT_EQ(screen.right_line_label[0].caption, "Brindlemark");
    EXPECT_EQ(screen.right_line_label[0].left, 304);
    EXPECT_EQ(screen.title_label.fore, white);
}

}  // namespace
}  // namespace varodex
