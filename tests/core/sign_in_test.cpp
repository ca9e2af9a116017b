#include "players/sign_in.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "support/fakes.h"

namespace varodex {
namespace {

namespace fs = std::filesystem;

// Restores nothing and says the file could not be read.
class UnreadableRecords : public PlayerRecords {
  public:
    RecordsProblem ensure_records_file() override { return {}; }
    RecordsProblem read_player_names(SharedState&) override { return {}; }
    RecordsProblem restore_player_settings(SharedState&, const std::string& name) override {
        restored.push_back(name);
        return {"The player records file amath.txt could not be read: it broke."};
    }
    RecordsProblem append_game_record(const SharedState&, const std::string&) override {
        return {};
    }
    GameHistory read_game_history(const std::string&, int, bool, int, RecordsProblem*) override {
        return {};
    }
    std::vector<std::string> restored;
};

class SignInTest : public ::testing::Test {
  protected:
    SignInTest() {
        std::string pattern = (fs::temp_directory_path() / "varodex-sign-in-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        std::ofstream(folder_ / "amath.txt", std::ios::binary)
            << "\"Ann\",\"12-01-2026\",203,#FALSE#,900,30,2\r\n"
               "\"Zoë Ünal\",\"12-01-2026\",101,#FALSE#,400,30,0\r\n"
               "\"Наташа\",\"12-02-2026\",110,#FALSE#,500,15,0\r\n"
               "\"Ann\",\"12-03-2026\",215,#TRUE#,1300,45,1\r\n";
        records_ = std::make_unique<RecordsFile>(folder_);
        records_->read_player_names(state_);
    }
    ~SignInTest() override { fs::remove_all(folder_); }

    std::unique_ptr<SignIn> open(PlayerRecords* records = nullptr) {
        if (!windows_.is_open(WindowKind::sign_in)) windows_.open.push_back(WindowKind::sign_in);
        return std::make_unique<SignIn>(
            state_, SignInPorts{dialogs_, windows_, sounds_, records ? *records : *records_});
    }

    // Nothing happened beyond the message box: no sound, no window, nobody signed in.
    void expect_refused(const SignIn& sign_in) {
        EXPECT_FALSE(sign_in.controls().ok_button.enabled);
        EXPECT_FALSE(sign_in.name_chosen());
        EXPECT_TRUE(windows_.events.empty());
        EXPECT_TRUE(sounds_.played.empty());
        EXPECT_EQ(state_.player_name, "");
    }

    fs::path folder_;
    std::unique_ptr<RecordsFile> records_;
    SharedState state_;
    testing::DialogRecorder dialogs_;
    testing::WindowRecorder windows_;
    testing::SoundRecorder sounds_;
};

TEST_F(SignInTest, OpensWithItsTextsAndTheKnownPlayers) {
    state_.player_count = 2;  // the list shows only the counted names
    const auto sign_in = open();
    const SignInControls& c = sign_in->controls();
    EXPECT_EQ(c.name_form.caption, " Varodex");
    EXPECT_EQ(c.Label1[0].caption, "Please Sign In");
    EXPECT_EQ(c.Label1[1].caption, "Welcome to Varodex");
    EXPECT_EQ(c.Label2.caption,
              "First time players, please type your name.  When you're done, click OK.");
    EXPECT_EQ(c.Label3.caption, "Otherwise, please select your name from the list.");
    EXPECT_EQ(c.ok_button.caption, "OK");
    EXPECT_FALSE(c.ok_button.enabled);
    EXPECT_EQ(c.ok_button.pointer, Pointer::hand);
    EXPECT_EQ(c.exit_command.caption, "Exit");
    EXPECT_EQ(c.exit_command.pointer, Pointer::hand);
    EXPECT_EQ(c.player_name_textbox.caption, "");
    EXPECT_EQ(c.player_name_list.items, (std::vector<std::string>{"Ann", "Zoë Ünal"}));
    EXPECT_EQ(c.player_name_list.list_index, -1);
    EXPECT_FALSE(sign_in->name_chosen());

    sign_in->place_window(1920, 1080, 480, 400);
    EXPECT_EQ(sign_in->controls().name_form.left, 720);
    EXPECT_EQ(sign_in->controls().name_form.top, 340);  // exactly centred, no lift
}

TEST_F(SignInTest, AnEmptyNameIsRefused) {
    const auto sign_in = open();
    sign_in->player_name_textbox_change("x");
    sign_in->player_name_textbox_change("");
    EXPECT_TRUE(sign_in->controls().ok_button.enabled);
    sign_in->ok_button_click();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, "You must enter your name to play!");
    EXPECT_EQ(dialogs_.shown[0].title, "Name");
    EXPECT_EQ(dialogs_.shown[0].icon, DialogIcon::exclamation);
    EXPECT_EQ(dialogs_.shown[0].buttons, DialogButtons::ok);
    expect_refused(*sign_in);
}

TEST_F(SignInTest, RefusesKnownNamesInOtherCaseAndNamesTheFileCannotHold) {
    const std::string in_use =
        "Sorry, your first name is already being used by another player.  Please enter your "
        "first and last name.";
    const std::string bad_character =
        "Sorry, your name contains a character that cannot be used.  Please type your name "
        "again.";
    struct Case {
        std::string typed;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"Ann", in_use},
        {"ann", in_use},
        {"ANN", in_use},
        {"zoë ünal", in_use},
        {"ZOË ÜNAL", in_use},
        {"НАТАША", in_use},
        {"Pat \"Ace\" Lee",
         "Sorry, your name cannot contain the \" mark.  Please type your name without it."},
        {"Pat\tLee", bad_character},
        {"Pat\nLee", bad_character},
        {std::string(201, 'p'), "Sorry, your name is too long.  Please use at most 200 letters."},
    };
    for (const Case& c : cases) {
        dialogs_.shown.clear();
        const auto sign_in = open();
        sign_in->player_name_textbox_change(c.typed);
        sign_in->player_name_textbox_key_press(enter_key);
        ASSERT_EQ(dialogs_.shown.size(), 1u) << c.typed;
        EXPECT_EQ(dialogs_.shown[0].text, c.message) << c.typed;
        EXPECT_EQ(dialogs_.shown[0].title, "Name Error");
        EXPECT_EQ(dialogs_.shown[0].icon, DialogIcon::exclamation);
        expect_refused(*sign_in);
        EXPECT_EQ(sign_in->controls().player_name_textbox.caption, c.typed);  // the text stays
        sign_in->player_name_textbox_change(c.typed + "x");
        EXPECT_TRUE(sign_in->controls().ok_button.enabled);
    }
}

TEST_F(SignInTest, ANewPlayerKeepsTheStartUpSettings) {
    struct Case {
        std::string typed;
        std::string first_name;
    };
    const std::vector<Case> cases = {
        {"Ann Lee", "Ann"},  // extends a known name
        {"   ", ""},
        {" Bo", ""},
        {std::string(200, 'p'), std::string(200, 'p')},
    };
    for (const Case& c : cases) {
        state_ = SharedState{};
        records_->read_player_names(state_);
        windows_ = {};
        sounds_.clear();
        const auto sign_in = open();
        sign_in->player_name_textbox_change(c.typed);
        sign_in->ok_button_click();
        EXPECT_TRUE(dialogs_.shown.empty()) << c.typed;
        EXPECT_EQ(state_.player_name, c.typed);
        EXPECT_EQ(state_.first_name, c.first_name);
        EXPECT_EQ(state_.game_code, 101);
        EXPECT_EQ(state_.game_kind, ten_problem_kind);
        EXPECT_EQ(state_.hint_delay, 30);
        EXPECT_EQ(state_.way_to_play, calculate_value_way);
        EXPECT_TRUE(state_.new_player);
        EXPECT_EQ(sounds_.played, std::vector<SoundEffect>{SoundEffect::click});
        ASSERT_EQ(windows_.events.size(), 2u);  // sign-in closes, then the game opens
        EXPECT_FALSE(windows_.events[0].shown);
        EXPECT_EQ(windows_.events[0].kind, WindowKind::sign_in);
        EXPECT_TRUE(windows_.events[1].shown);
        EXPECT_EQ(windows_.events[1].kind, WindowKind::game_screen);
        EXPECT_TRUE(sign_in->name_chosen());
        EXPECT_TRUE(sign_in->query_unload());
        EXPECT_TRUE(dialogs_.shown.empty());  // closing after a sign-in asks nothing
    }
}

TEST_F(SignInTest, ClickSoundOnlyWithSoundOn) {
    state_.sound_on = false;
    const auto sign_in = open();
    sign_in->player_name_textbox_change("Quiet Kid");
    sign_in->ok_button_click();
    EXPECT_TRUE(sign_in->name_chosen());
    EXPECT_TRUE(sounds_.played.empty());
}

TEST_F(SignInTest, AReturningPlayerGetsTheLatestSettingsByEnterOrDoubleClick) {
    const auto sign_in = open();
    sign_in->player_name_list_key_press(enter_key);  // nothing highlighted
    sign_in->player_name_list_dbl_click();
    sign_in->player_name_list_key_press('a');
    EXPECT_TRUE(windows_.events.empty());
    EXPECT_TRUE(sounds_.played.empty());

    sign_in->player_name_list_click(0);
    sign_in->player_name_list_key_press(enter_key);
    EXPECT_EQ(state_.player_name, "Ann");
    EXPECT_EQ(state_.game_code, 215);
    EXPECT_EQ(state_.game_kind, time_trial_kind);
    EXPECT_EQ(state_.hint_delay, 45);
    EXPECT_EQ(state_.way_to_play, choose_formula_way);
    EXPECT_FALSE(state_.new_player);
    EXPECT_TRUE(state_.figure_formula_played);
    EXPECT_TRUE(windows_.is_open(WindowKind::game_screen));
    EXPECT_EQ(sounds_.count(SoundEffect::click), 1u);

    const SharedState by_enter = state_;
    state_ = SharedState{};
    records_->read_player_names(state_);
    const auto again = open();
    again->player_name_list_click(0);
    again->player_name_list_dbl_click();
    EXPECT_EQ(state_.game_kind, by_enter.game_kind);
    EXPECT_EQ(state_.game_code, by_enter.game_code);
}

TEST_F(SignInTest, AnUnreadableFileIsReportedAndThePlayerStillPlays) {
    UnreadableRecords unreadable;
    const auto sign_in = open(&unreadable);
    sign_in->player_name_list_click(2);
    sign_in->player_name_list_dbl_click();
    EXPECT_EQ(unreadable.restored, std::vector<std::string>{"Наташа"});
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].title, "Player Records");
    EXPECT_EQ(state_.first_name, "Наташа");
    EXPECT_TRUE(windows_.is_open(WindowKind::game_screen));
}

TEST_F(SignInTest, ExitAsksAndYesSaysGoodbye) {
    const auto sign_in = open();
    dialogs_.answers = {DialogButton::no};
    sign_in->exit_command_click();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, "Are You Sure You Want To Quit?");
    EXPECT_EQ(dialogs_.shown[0].title, "Quit?");
    EXPECT_EQ(dialogs_.shown[0].icon, DialogIcon::question);
    EXPECT_EQ(dialogs_.shown[0].buttons, DialogButtons::yes_no);
    EXPECT_EQ(dialogs_.shown[0].default_button, DialogButton::no);
    EXPECT_TRUE(windows_.events.empty());
    EXPECT_EQ(sounds_.count(SoundEffect::click), 1u);

    dialogs_.answers = {DialogButton::yes};
    sign_in->exit_command_click();
    EXPECT_TRUE(windows_.is_open(WindowKind::goodbye));
    EXPECT_TRUE(sign_in->query_unload());  // the goodbye screen is up: no second question
    EXPECT_EQ(dialogs_.shown.size(), 2u);
}

TEST_F(SignInTest, ClosingBeforeASignInAsks) {
    const auto sign_in = open();
    dialogs_.answers = {DialogButton::no};
    EXPECT_FALSE(sign_in->query_unload());
    EXPECT_EQ(dialogs_.shown.at(0).text, "Are You Sure You Want To Quit?");
    EXPECT_TRUE(windows_.events.empty());
    EXPECT_TRUE(sounds_.played.empty());

    dialogs_.answers = {DialogButton::yes};
    EXPECT_TRUE(sign_in->query_unload());
    EXPECT_TRUE(windows_.is_open(WindowKind::goodbye));
}

}  // namespace
}  // namespace varodex
