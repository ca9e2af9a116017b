// The whole program in the core: start-up to goodbye through every window, with a real
// records file in a folder of its own and fakes for the rest.
#include "shell/app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "game/game_screen.h"
#include "players/sign_in.h"
#include "results/summary.h"
#include "shell/goodbye.h"
#include "shell/startup.h"
#include "support/fakes.h"

namespace varodex {
namespace {

namespace fs = std::filesystem;

class AppFlow : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("varodex_app_flow_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        records = std::make_unique<RecordsFile>(folder, RecordsFile::DiskSync::none);
        app = std::make_unique<App>(AppPorts{clock, random, sounds, dialogs, printer, *records,
                                             DisplayScale{96, 1},
                                             [](int topic) { return "topic " + std::to_string(topic); }});
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path records_path() const { return folder / "amath.txt"; }

    void start_and_wait_for_sign_in() {
        app->start();
        ASSERT_TRUE(app->is_open(WindowKind::startup));
        for (int tick = 0; tick < 3; ++tick) {
            EXPECT_FALSE(app->is_open(WindowKind::sign_in));
            app->startup()->timer_tick();
            app->release_closed();
        }
        ASSERT_FALSE(app->is_open(WindowKind::startup));
        ASSERT_TRUE(app->is_open(WindowKind::sign_in));
    }

    // Plays one problem of the open game screen and answers it right.
    void play_one_problem_right() {
        GameScreen& game = *app->game_screen();
        game.new_problem();
        clock.advance(3.0);
        game.game_timer_tick();  // the squares become clickable
        const Problem& problem = game.problem();
        int square = -1;
        for (int p = 0; p < answer_count; ++p) {
            if (problem.answer_values[p] == problem.correct_answer) square = 24 + p;
        }
        ASSERT_NE(square, -1);
        game.answer_square_click(square);
        clock.advance(0.1);
        game.game_timer_tick();  // ends the problem
        for (int tick = 0; tick < 12; ++tick) {
            clock.advance(0.1);
            game.feedback_timer_tick();  // the picture goes, the walkthrough comes
        }
    }

    void play_ten_problem_game() {
        for (int problem = 0; problem < 10; ++problem) play_one_problem_right();
        ASSERT_EQ(app->game_screen()->controls().start_label.caption, "show scores");
        app->game_screen()->new_problem();  // "show scores"
        app->release_closed();
    }

    testing::ManualClock clock;
    testing::SeededRandom random{7};
    testing::SoundRecorder sounds;
    testing::DialogRecorder dialogs;
    testing::PrinterRecorder printer;
    fs::path folder;
    std::unique_ptr<RecordsFile> records;
    std::unique_ptr<App> app;
};

TEST_F(AppFlow, NewPlayerFromStartUpToGoodbye) {
    start_and_wait_for_sign_in();
    EXPECT_TRUE(fs::exists(records_path()));
    EXPECT_EQ(fs::file_size(records_path()), 0u);

    SignIn& sign_in = *app->sign_in();
    sign_in.player_name_textbox_change("Jo Smith");
    sign_in.ok_button_click();
    app->release_closed();
    ASSERT_FALSE(app->is_open(WindowKind::sign_in));
    ASSERT_TRUE(app->is_open(WindowKind::game_screen));
    EXPECT_EQ(app->state().first_name, "Jo");

    play_ten_problem_game();
    ASSERT_FALSE(app->is_open(WindowKind::game_screen));
    ASSERT_TRUE(app->is_open(WindowKind::summary));
    const int score = app->state().final_score;
    EXPECT_GT(score, 1000);

    std::ifstream file(records_path(), std::ios::binary);
    std::string line;
    std::getline(file, line);
    EXPECT_EQ(line, "\"Jo Smith\",\"" + clock.date + "\",101,#FALSE#," + std::to_string(score) +
                        ",30,0\r");

    // Advance: the recommended next game after function 1 Calculate Value.
    dialogs.answers.push_back(DialogButton::ok);
    app->summary()->advance_click();
    app->release_closed();
    ASSERT_FALSE(app->is_open(WindowKind::summary));
    ASSERT_TRUE(app->is_open(WindowKind::game_screen));
    EXPECT_TRUE(app->state().game_code != 101 || app->state().way_to_play != 0);

    dialogs.answers.push_back(DialogButton::yes);
    app->game_screen()->menu_click("exit_menu");
    app->release_closed();
    ASSERT_TRUE(app->is_open(WindowKind::goodbye));
    EXPECT_FALSE(app->is_open(WindowKind::game_screen));
    EXPECT_EQ(app->goodbye()->screen().goodbye_label.caption, "Goodbye, Jo!!!");
    EXPECT_FALSE(app->program_ended());

    app->goodbye()->CONTINUE_COMMAND_click();
    EXPECT_TRUE(app->program_ended());
}

TEST_F(AppFlow, ReplayedGameJoinsTheHistoryTheNextSummaryReads) {
    start_and_wait_for_sign_in();
    app->sign_in()->player_name_textbox_change("Jo Smith");
    app->sign_in()->ok_button_click();
    app->release_closed();

    play_ten_problem_game();
    const int first = app->state().final_score;
    {
        const SummaryScreen& screen = app->summary()->screen();
        EXPECT_EQ(screen.player_score.caption, " " + std::to_string(first));
        EXPECT_FALSE(screen.last_panel.visible);
        EXPECT_FALSE(screen.your_last_10_game_container.visible);
    }

    app->summary()->play_again_click();
    app->release_closed();
    ASSERT_TRUE(app->is_open(WindowKind::game_screen));
    ASSERT_FALSE(app->is_open(WindowKind::summary));
    EXPECT_EQ(app->game_screen()->controls().start_label.caption, "start");

    play_ten_problem_game();
    ASSERT_TRUE(app->is_open(WindowKind::summary));
    const int second = app->state().final_score;
    const SummaryScreen& screen = app->summary()->screen();
    // Both games once each: the first from the file, the second just appended.
    EXPECT_EQ(screen.your_last_10_game_label.caption, "YOUR LAST  2 GAME");
    EXPECT_TRUE(screen.last_panel.visible);
    EXPECT_DOUBLE_EQ(app->summary()->recent_average(), (first + second) / 2.0);
    EXPECT_EQ(screen.player_highest_score.caption, " " + std::to_string(std::max(first, second)));
    EXPECT_EQ(screen.high_scores_label.caption,
              "Your Highest Scores:   " + std::to_string(std::max(first, second)) + "    " +
                  std::to_string(std::min(first, second)) + "   ");
}

TEST_F(AppFlow, ReturningPlayerPicksHerNameAndGetsHerLastGameBack) {
    const std::string lines =
        "\"Ann Lee\",\"12-01-2026\",101,#FALSE#,1100,30,0\r\n"
        "\"Bo Park\",\"12-02-2026\",105,#FALSE#,900,30,0\r\n"
        "\"Ann Lee\",\"12-03-2026\",203,#TRUE#,1300,45,2\r\n";
    std::ofstream(records_path(), std::ios::binary) << lines;
    start_and_wait_for_sign_in();
    EXPECT_EQ(app->state().player_names, (std::vector<std::string>{"Ann Lee", "Bo Park"}));

    SignIn& sign_in = *app->sign_in();
    sign_in.player_name_list_click(0);
    sign_in.player_name_list_dbl_click();
    app->release_closed();
    ASSERT_TRUE(app->is_open(WindowKind::game_screen));
    const SharedState& state = app->state();
    EXPECT_EQ(state.player_name, "Ann Lee");
    EXPECT_EQ(state.game_code, 203);
    EXPECT_EQ(state.game_kind, time_trial_kind);
    EXPECT_EQ(state.hint_delay, 45);
    EXPECT_EQ(state.way_to_play, 2);
    EXPECT_FALSE(state.new_player);
    EXPECT_TRUE(state.figure_formula_played);

    // Closing the game screen with its close box, then Yes, ends at the goodbye screen.
    dialogs.answers.push_back(DialogButton::yes);
    EXPECT_TRUE(app->game_screen()->close_requested());
    app->close_window(WindowKind::game_screen);
    ASSERT_TRUE(app->is_open(WindowKind::goodbye));
    app->goodbye()->window_closing();
    EXPECT_TRUE(app->program_ended());
    EXPECT_EQ(fs::file_size(records_path()), lines.size());  // nothing written
}

TEST_F(AppFlow, LargeFontsNoEndsBeforeTheRecordsFileIsMade) {
    app = std::make_unique<App>(AppPorts{clock, random, sounds, dialogs, printer, *records,
                                         DisplayScale{144, 1}, [](int) { return std::string(); }});
    dialogs.answers.push_back(DialogButton::no);
    app->start();
    EXPECT_TRUE(app->program_ended());
    EXPECT_FALSE(app->is_open(WindowKind::startup));
    EXPECT_FALSE(app->is_open(WindowKind::sign_in));
    EXPECT_FALSE(fs::exists(records_path()));
}

TEST_F(AppFlow, HelpOpensBesideTheGameAndASecondRequestReplacesIt) {
    start_and_wait_for_sign_in();
    app->sign_in()->player_name_textbox_change("Cy");
    app->sign_in()->ok_button_click();
    app->release_closed();
    app->game_screen()->menu_click("scoring_menu");
    ASSERT_TRUE(app->is_open(WindowKind::help));
    auto first = app->help();
    app->game_screen()->menu_click("def_menu", 1);
    app->release_closed();
    EXPECT_NE(app->help(), first);
    EXPECT_EQ(app->state().help_topic, 3);
    EXPECT_TRUE(app->is_open(WindowKind::game_screen));
}

}  // namespace
}  // namespace varodex
