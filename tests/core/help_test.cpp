#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "shell/help_request.h"
#include "shell/help_topics.h"
#include "shell/help_viewer.h"
#include "shell/print_layout.h"
#include "support/fakes.h"

namespace varodex {
namespace {

using testing::DialogRecorder;
using testing::PrinterRecorder;
using testing::SoundRecorder;
using testing::WindowRecorder;

std::string read_asset(const std::string& relative) {
    std::ifstream file(std::string(VARODEX_SOURCE_ASSETS) + "/" + relative, std::ios::binary);
    std::ostringstream contents;
    contents << file.rdbuf();
    return contents.str();
}

std::string topic_text(int number) {
    return with_crlf_line_ends(read_asset("help/" + find_help_topic(number)->file_name));
}

// Characters, not bytes: ² and ³ count once.
std::size_t character_count(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

const std::string topic_3_text =
    "Dropping the remember after division means ignoring the remainder.  For example,  7 divided "
    "by 2 = 3 with a remainder of 1.  If we ignore the remainder, the answer is 3.  For the game, "
    "7/2 = 3.  We're just considering the integer part of the number.\r\n";

TEST(PrintLayout, TopicThreePrintsItsTitleAnEmptyLineAndFourLines) {
    EXPECT_EQ(
        print_lines_for_topic("drop remainder", topic_3_text),
        (std::vector<std::string>{
            "drop remainder",
            "",
            "Dropping the remember after division means ignoring the remainder.  For",
            " example,  7 divided by 2 = 3 with a remainder of 1.  If we ignore the remainder,",
            " the answer is 3.  For the game, 7/2 = 3.  We're just considering the integer",
            " part of the number.",
        }));
}

TEST(PrintLayout, BreaksFallOnlyAtBlanks) {
    const std::string no_blanks(300, 'x');
    EXPECT_EQ(break_for_printing(no_blanks), no_blanks);
    EXPECT_EQ(print_lines_for_topic("t", no_blanks + "\r\n"),
              (std::vector<std::string>{"t", "", no_blanks}));

    // A long word after the limit stays whole; the break comes at the blank after it.
    const std::string text = std::string(70, 'a') + std::string(40, 'b') + " c";
    EXPECT_EQ(break_for_printing(text), std::string(70, 'a') + std::string(40, 'b') + "\r\n c");
}

TEST(PrintLayout, ColumnCountsRestartAtEveryCarriageReturn) {
    // 71 characters, then a line end: the next line counts from the line end on.
    const std::string line(71, 'a');
    const std::string text = line + "\r\n" + std::string(68, 'b') + " c d";
    // The CR and LF count as two, so the blank after 68 b's is met at a count of 70: no
    // break there; the next blank is met at 72.
    EXPECT_EQ(break_for_printing(text), line + "\r\n" + std::string(68, 'b') + " c\r\n d");
}

TEST(PrintLayout, CountsCharactersNotBytes) {
    // Seventy ² signs are 140 bytes but only 70 characters: the blank after them is met at 70.
    std::string squares;
    for (int i = 0; i < 70; ++i) squares += "²";
    EXPECT_EQ(break_for_printing(squares + " x y"), squares + " x\r\n y");
}

TEST(PrintLayout, EmptyLinesOfTheTextArePrinted) {
    EXPECT_EQ(print_lines_for_topic("t", "one\r\n\r\ntwo\r\n"),
              (std::vector<std::string>{"t", "", "one", "", "two"}));
}

struct TopicCase {
    int number;
    std::string heading;
    std::string caption;
    std::size_t length;  // characters of the text as the text box holds it
    std::string opening;
};

class HelpTopicTable : public ::testing::TestWithParam<TopicCase> {};

TEST_P(HelpTopicTable, HeadingCaptionAndText) {
    const TopicCase& c = GetParam();
    const HelpTopic* topic = find_help_topic(c.number);
    ASSERT_NE(topic, nullptr);
    EXPECT_EQ(topic->name, c.heading);
    EXPECT_EQ(help_window_caption(c.number), c.caption);

    const std::string text = topic_text(c.number);
    EXPECT_EQ(text.rfind(c.opening, 0), 0u) << text.substr(0, 120);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find("\r\n\r\n\r\n"), std::string::npos);  // one empty line between paragraphs
    // Written by us, but of the length the topic has always had.
    const double length = static_cast<double>(character_count(text));
    EXPECT_GT(length, 0.85 * static_cast<double>(c.length)) << length;
    EXPECT_LT(length, 1.15 * static_cast<double>(c.length)) << length;
}

INSTANTIATE_TEST_SUITE_P(
    TenTopics, HelpTopicTable,
    ::testing::Values(
        TopicCase{1, "Instructions", " Glossary", 3543,
                  "Welcome to Varodex!  Varodex features two different games, the Individual "
                  "Function Practice Game (default starting game) and the Algebra Game."},
        TopicCase{2, "Absolute Value", " Glossary", 262, "Taking the absolute value"},
        TopicCase{3, "drop remainder", " Glossary", 251, "Dropping the remember"},
        TopicCase{7, "Browsing", " Glossary", 609, "You can browse through the game by choosing"},
        TopicCase{12, "What Is Algebra?", " Glossary", 2332, "What is algebra?\r\n"},
        TopicCase{16, "Description", " Glossary", 3028,
                  "Varodex is an educational game for those wanting a fun way to learn and "
                  "practice Algebra."},
        TopicCase{17, "Scoring", "Scoring", 947,
                  "Each problem is worth a maximum of 100 points plus the time bonus."},
        TopicCase{18, "Why Play?", "Why Play?", 1331,
                  "Playing this game will  help you learn algebra."},
        TopicCase{20, "Hints and Strategies", "Hints and Strategies", 946,
                  "1.  Before advancing to a higher level, practice the function under the "
                  "Practice menu."},
        TopicCase{21, "Combat! Game Instructions", "Combat! Game Instructions", 1003,
                  "The Combat! Varodex game is an exciting two-player head-to head version of "
                  "the Algebra game."}));

TEST(HelpTopicTexts, GlossaryEntriesAreExact) {
    EXPECT_EQ(topic_text(3), topic_3_text);
    EXPECT_EQ(topic_text(2),
              "Taking the absolute value of a number means removing the minus sign.  For example, "
              "the absolute value of  -5 is 5.  The absolute value of 5 is also five.  The "
              "absolute value symbol is two vertical bars." +
                  std::string(21, ' ') + "Thus  | -5 | = 5, and also | 5  |= 5.\r\n");
}

TEST(HelpTopicTexts, ScoringTellsTheScoresTheGameGives) {
    const std::string text = topic_text(17);
    const std::size_t wrong = text.find("-20");
    const std::size_t bonuses = text.find("BONUSES");
    const std::size_t ranks = text.find("RANKS");
    ASSERT_NE(wrong, std::string::npos);
    ASSERT_NE(bonuses, std::string::npos);
    ASSERT_NE(ranks, std::string::npos);
    EXPECT_LT(wrong, bonuses);
    EXPECT_LT(bonuses, ranks);
    EXPECT_NE(text.find("about 32"), std::string::npos);
    EXPECT_NE(text.find("about 27"), std::string::npos);
    EXPECT_NE(text.find("1230"), std::string::npos);
    EXPECT_EQ(text.find("half"), std::string::npos);
    EXPECT_EQ(text.find(" 50 "), std::string::npos);
}

TEST(HelpTopicTexts, HintDelayTipNamesTheSettingsMenu) {
    const std::string text = topic_text(20);
    const std::size_t tip_3 = text.find("\r\n3.  ");
    const std::size_t tip_4 = text.find("\r\n4.  ");
    ASSERT_NE(tip_3, std::string::npos);
    ASSERT_NE(tip_4, std::string::npos);
    const std::string tip = text.substr(tip_3, tip_4 - tip_3);
    EXPECT_NE(tip.find("Settings menu"), std::string::npos) << tip;
    EXPECT_EQ(tip.find("Options"), std::string::npos) << tip;
    for (int n = 1; n <= 8; ++n) {
        EXPECT_NE(text.find(std::to_string(n) + ".  "), std::string::npos) << n;
    }
}

TEST(HelpTopicTexts, TheReadmeTheTextsPointToShipsWithTheInstructions) {
    EXPECT_EQ(with_crlf_line_ends(read_asset("readme.txt")), topic_text(1));
    EXPECT_NE(topic_text(1).find("readme"), std::string::npos);
    EXPECT_NE(read_asset("texts/initial_instructions_2.txt").find("\"readme.txt\""),
              std::string::npos);
}

TEST(FirstVisitTexts, BoxesZeroAndOneAreExact) {
    EXPECT_EQ(with_crlf_line_ends(read_asset("texts/initial_instructions_0.txt")),
              "You are in Function One of the Individual Function Practice Game, using the "
              "Calculate Value way to play.  To play, determine which is larger, x or y?  That "
              "value is called the maximum(x,y).  Now click on that value from the purple squares "
              "with the yellow numbers.\r\n");
    EXPECT_EQ(
        with_crlf_line_ends(read_asset("texts/initial_instructions_1.txt")),
        "You are in the \"Figure Formula And Calculate\" mode.  In the prior mode you \r\n"
        "were given the formula and asked to calculate.  Now, you must first figure out \r\n"
        "what the formula is.  On this level the formula is either the Maximum(x,y) or the \r\n"
        "Minimum(x,y).  Can you tell which one it is?  Notice that the z values are always \r\n"
        "the largest of the x and y values directly above them.  The formula therefore is \r\n"
        "the Maximum(x,y).  Now find the z cube with the '?\" symbol.  From the x and y \r\n"
        "cubes above it pick the largest value.  Click now on the purple cube (4th row) \r\n"
        "with that value.  If you're right, the \"Correct\" image will flash\r\n");
}

TEST(FirstVisitTexts, WelcomeTextHasSixParagraphs) {
    const std::string text = with_crlf_line_ends(read_asset("texts/initial_instructions_2.txt"));
    EXPECT_EQ(text.rfind("Welcome to Varodex!  You're now in the Function One of the Individual "
                         "Function Practice Game, in the easiest mode, Calculate Value. (Click "
                         "Start to begin).",
                         0),
              0u);
    std::size_t empty_lines = 0;
    for (std::size_t at = text.find("\r\n\r\n"); at != std::string::npos;
         at = text.find("\r\n\r\n", at + 4)) {
        ++empty_lines;
    }
    EXPECT_EQ(empty_lines, 5u);
    EXPECT_NE(text.find("Continue on until you've reached level 21 Savantor !"), std::string::npos);
    EXPECT_NE(text.find("the Combat! Varodex Game option  that makes math an exciting two-player "
                        "game."),
              std::string::npos);
    const double length = static_cast<double>(character_count(text));
    EXPECT_GT(length, 0.85 * 2612);
    EXPECT_LT(length, 1.15 * 2645);
}

TEST(LineEnds, EveryLineEndsWithCarriageReturnAndLineFeed) {
    EXPECT_EQ(with_crlf_line_ends("a\nb\r\nc\rd"), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(with_crlf_line_ends("a\r\n"), "a\r\n");
    EXPECT_EQ(with_crlf_line_ends("a\n\nb\n"), "a\r\n\r\nb\r\n");
}

struct HelpViewerFixture : ::testing::Test {
    SharedState state;
    SoundRecorder sounds;
    PrinterRecorder printer;
    DialogRecorder dialogs;
    WindowRecorder windows;

    HelpViewer open_viewer(int topic) {
        state.help_topic = topic;
        return HelpViewer(state, topic_text(topic), sounds, printer, dialogs, windows);
    }
};

TEST_F(HelpViewerFixture, ShowsTheTopicOfTheSharedSetting) {
    const HelpViewer scoring = open_viewer(17);
    EXPECT_EQ(scoring.screen().definition_label.caption, "Scoring");
    EXPECT_EQ(scoring.screen().window_caption, "Scoring");
    EXPECT_EQ(scoring.screen().explanation.caption, topic_text(17));
    EXPECT_EQ(scoring.screen().explanation.font_size, 12);
    EXPECT_EQ(scoring.screen().explanation.left, 32);
    EXPECT_EQ(scoring.screen().explanation.top, 47);
    EXPECT_EQ(scoring.screen().explanation.width, 400);
    EXPECT_EQ(scoring.screen().explanation.height, 251);
    EXPECT_EQ(scoring.screen().Command2.caption, "Print");
    EXPECT_EQ(scoring.screen().ok_button.caption, "OK");
    EXPECT_EQ(scoring.screen().ok_button.pointer, Pointer::hand);

    const HelpViewer glossary = open_viewer(3);
    EXPECT_EQ(glossary.screen().definition_label.caption, "drop remainder");
    EXPECT_EQ(glossary.screen().window_caption, " Glossary");
}

TEST_F(HelpViewerFixture, PrintSendsTheLaidOutTopicAndLeavesTheViewerOpen) {
    HelpViewer viewer = open_viewer(3);
    EXPECT_EQ(viewer.Command2_click(), PrintOutcome::printed);
    ASSERT_EQ(printer.documents.size(), 1u);
    EXPECT_EQ(printer.documents[0].name, "drop remainder");
    EXPECT_EQ(printer.documents[0].lines, print_lines_for_topic("drop remainder", topic_3_text));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(windows.events.empty());
}

TEST_F(HelpViewerFixture, AFailedPrintSaysWhyAndOffersAPdf) {
    printer.result = {false, "There is no printer set up on this computer."};
    HelpViewer viewer = open_viewer(17);

    dialogs.answers = {DialogButton::yes};
    EXPECT_EQ(viewer.Command2_click(), PrintOutcome::save_as_pdf);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("There is no printer set up on this computer."),
              std::string::npos);
    EXPECT_NE(dialogs.shown[0].text.find("PDF"), std::string::npos);
    EXPECT_EQ(dialogs.shown[0].buttons, DialogButtons::yes_no);

    dialogs.answers = {DialogButton::no};
    EXPECT_EQ(viewer.Command2_click(), PrintOutcome::not_printed);

    viewer.pdf_saved({}, "/tmp/scoring.pdf");
    EXPECT_EQ(dialogs.shown.size(), 2u);
    viewer.pdf_saved({false, "The printer could not be started."}, "/nowhere/scoring.pdf");
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_NE(dialogs.shown[2].text.find("/nowhere/scoring.pdf"), std::string::npos);
    EXPECT_EQ(dialogs.shown[2].buttons, DialogButtons::ok);
}

TEST_F(HelpViewerFixture, OkClosesWithTheClickSoundOnlyWhenSoundIsOn) {
    windows.show_window(WindowKind::help);
    HelpViewer viewer = open_viewer(1);
    viewer.ok_button_click();
    EXPECT_EQ(sounds.played, std::vector<SoundEffect>{SoundEffect::click});
    EXPECT_FALSE(windows.is_open(WindowKind::help));

    state.sound_on = false;
    windows.show_window(WindowKind::help);
    HelpViewer silent = open_viewer(1);
    silent.ok_button_click();
    EXPECT_EQ(sounds.played.size(), 1u);
    EXPECT_FALSE(windows.is_open(WindowKind::help));
}

TEST(HelpRequest, ASecondRequestReplacesTheOpenViewer) {
    SharedState state;
    WindowRecorder windows;
    windows.show_window(WindowKind::game_screen);

    open_help_topic(state, windows, 17);
    EXPECT_EQ(state.help_topic, 17);
    open_help_topic(state, windows, 3);
    EXPECT_EQ(state.help_topic, 3);

    ASSERT_EQ(windows.events.size(), 4u);
    EXPECT_TRUE(windows.events[1].shown);
    EXPECT_EQ(windows.events[1].kind, WindowKind::help);
    EXPECT_FALSE(windows.events[2].shown);
    EXPECT_EQ(windows.events[2].kind, WindowKind::help);
    EXPECT_TRUE(windows.events[3].shown);
    EXPECT_EQ(windows.events[3].kind, WindowKind::help);
    // One viewer, and the window that asked is still there.
    EXPECT_EQ(windows.open, (std::vector<WindowKind>{WindowKind::game_screen, WindowKind::help}));
}

}  // namespace
}  // namespace varodex
