#include "players/records_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "players/record_line.h"
#include "players/text_encoding.h"

extern char** environ;

namespace varodex {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "varodex-records-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }
    fs::path file() const { return path_ / "amath.txt"; }

  private:
    fs::path path_;
};

void write_bytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

SharedState finished_game(const std::string& name, int game_code, bool time_trial, int score,
                          int hint_delay = 30, int way = 0) {
    SharedState state;
    state.player_name = name;
    state.game_code = game_code;
    state.time_trial_game = time_trial;
    state.game_kind = time_trial ? time_trial_kind : ten_problem_kind;
    state.final_score = score;
    state.hint_delay = hint_delay;
    state.way_to_play = way;
    return state;
}

std::vector<std::string> names_in(RecordsFile& records) {
    SharedState state;
    EXPECT_TRUE(records.read_player_names(state).ok());
    EXPECT_EQ(state.player_count, static_cast<int>(state.player_names.size()));
    return state.player_names;
}

TEST(RecordsFile, MissingFileIsCreatedEmptyAndAnExistingOneIsLeftAlone) {
    TempFolder folder;
    RecordsFile records(folder.path());
    ASSERT_TRUE(records.ensure_records_file().ok());
    ASSERT_TRUE(fs::is_regular_file(folder.file()));
    EXPECT_EQ(fs::file_size(folder.file()), 0u);
    SharedState state;
    state.player_names = {"left over"};
    state.player_count = 1;
    EXPECT_TRUE(records.read_player_names(state).ok());
    EXPECT_TRUE(state.player_names.empty());
    EXPECT_EQ(state.player_count, 0);

    const std::string existing = "\"Jo\",\"12-09-2026\",203,#FALSE#,1080,30,2";  // no line end
    write_bytes(folder.file(), existing);
    EXPECT_TRUE(records.ensure_records_file().ok());
    EXPECT_EQ(read_bytes(folder.file()), existing);
}

TEST(RecordsFile, WritesOneLineInTheFileFormat) {
    TempFolder folder;
    RecordsFile records(folder.path());
    ASSERT_TRUE(
        records.append_game_record(finished_game("Jo Smith", 203, false, 1080, 30, 2), "12-09-2026")
            .ok());
    ASSERT_TRUE(
        records.append_game_record(finished_game("Jo Smith", 101, true, -40, 1000, 0), "01-02-2027")
            .ok());
    EXPECT_EQ(read_bytes(folder.file()),
              "\"Jo Smith\",\"12-09-2026\",203,#FALSE#,1080,30,2\r\n"
              "\"Jo Smith\",\"01-02-2027\",101,#TRUE#,-40,1000,0\r\n");
    EXPECT_TRUE(records.unsaved_games().empty());
}

// Every name the sign-in accepts comes back exactly as it was typed: as a player of the
// list, with its own history and its own settings.
TEST(RecordsFile, NamesRoundTrip) {
    const std::vector<std::string> names = {
        "Jo Smith",
        "Smith, Jo",
        "a,b,,c",
        "  Leading Blanks",
        "   ",
        "jo smith",
        "JO SMITH",
        "Zoë Ünal-Çelik",
        "Αλέξης Παππάς",
        "Наташа Петрова",
        "李小龍",
        "#TRUE#",
        "12-09-2026\",",  // refused by check_record_name; see below
        std::string(200, 'w'),
        [] {
            std::string accents;
            for (int i = 0; i < 200; ++i) accents += "é";
            return accents;
        }(),
    };
    TempFolder folder;
    RecordsFile records(folder.path());
    std::vector<std::string> written;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        const bool fits = check_record_name(name) == NameFit::fits;
        const RecordsProblem problem =
            records.append_game_record(finished_game(name, 202 + static_cast<int>(i), i % 2 == 1,
                                                     100 + static_cast<int>(i), 35, 2),
                                       "12-09-2026");
        EXPECT_EQ(problem.ok(), fits) << name;
        if (fits) written.push_back(name);
    }
    ASSERT_EQ(written.size(), names.size() - 1);

    RecordsFile reader(folder.path());  // a later run: nothing in memory
    EXPECT_EQ(names_in(reader), written);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (check_record_name(names[i]) != NameFit::fits) continue;
        const int code = 202 + static_cast<int>(i);
        const GameHistory history = reader.read_game_history(names[i], code, i % 2 == 1, 2);
        EXPECT_EQ(history.scores, std::vector<int>{100 + static_cast<int>(i)}) << names[i];
        SharedState state;
        EXPECT_TRUE(reader.restore_player_settings(state, names[i]).ok());
        EXPECT_EQ(state.game_code, code) << names[i];
        EXPECT_EQ(state.hint_delay, 35);
        EXPECT_FALSE(state.new_player);
    }
}

TEST(RecordsFile, RestoresTheLatestGameOfThatPlayerOnly) {
    TempFolder folder;
    write_bytes(folder.file(),
                "\"Ann Lee\",\"12-01-2026\",105,#FALSE#,900,20,2\r\n"
                "\"Ann Lee\",\"12-02-2026\",101,#TRUE#,700,45,0\r\n"
                "\"ann lee\",\"12-03-2026\",110,#FALSE#,300,10,1\r\n"
                "\"Ann Lee\",\"12-04-2026\",215,#TRUE#,1200,50,1\r\n"
                "\"Bob\",\"12-05-2026\",222,#FALSE#,10,5,0\r\n");
    RecordsFile records(folder.path());

    SharedState ann;
    ASSERT_TRUE(records.restore_player_settings(ann, "Ann Lee").ok());
    EXPECT_EQ(ann.game_code, 215);  // the last line wins over the earlier practice games
    EXPECT_TRUE(ann.time_trial_game);
    EXPECT_EQ(ann.game_kind, time_trial_kind);
    EXPECT_EQ(ann.hint_delay, 50);
    EXPECT_EQ(ann.way_to_play, choose_formula_way);
    EXPECT_FALSE(ann.new_player);
    EXPECT_TRUE(ann.figure_formula_played);  // from her first game, not her last

    SharedState bob;
    ASSERT_TRUE(records.restore_player_settings(bob, "Bob").ok());
    EXPECT_EQ(bob.game_code, 222);
    EXPECT_EQ(bob.game_kind, ten_problem_kind);
    EXPECT_FALSE(bob.figure_formula_played);

    SharedState stranger;
    ASSERT_TRUE(records.restore_player_settings(stranger, "ANN LEE").ok());
    EXPECT_TRUE(stranger.new_player);
    EXPECT_EQ(stranger.game_code, 101);
    EXPECT_EQ(stranger.game_kind, ten_problem_kind);
}

TEST(RecordsFile, HistorySelectsByNameGameKindAndWay) {
    TempFolder folder;
    write_bytes(folder.file(),
                "\"Kim\",\"12-01-2026\",203,#FALSE#,-100,30,2\r\n"
                "\"Kim\",\"12-01-2026\",203,#TRUE#,500,30,2\r\n"
                "\"Kim\",\"12-02-2026\",203,#FALSE#,-140,1000,2\r\n"
                "\"Kim\",\"12-02-2026\",203,#FALSE#,800,30,0\r\n"
                "\"kim\",\"12-02-2026\",203,#FALSE#,900,30,2\r\n"
                "\"Kim\",\"12-03-2026\",204,#FALSE#,950,30,2\r\n"
                "\"Max\",\"12-03-2026\",101,#FALSE#,40000,30,0\r\n"
                "\"Max\",\"12-03-2026\",101,#FALSE#,-2147483648,30,0\r\n"
                "\"Max\",\"12-03-2026\",101,#FALSE#,2147483648,30,0\r\n");
    RecordsFile records(folder.path());

    const GameHistory low = records.read_game_history("Kim", 203, false, 2);
    EXPECT_EQ(low.count, 2);
    EXPECT_EQ(low.scores, (std::vector<int>{-100, -140}));
    EXPECT_EQ(low.highest, -100);  // never below its starting value

    EXPECT_EQ(records.read_game_history("Kim", 203, true, 2).scores, std::vector<int>{500});
    EXPECT_EQ(records.read_game_history("Kim", 203, false, 0).scores, std::vector<int>{800});
    EXPECT_EQ(records.read_game_history("kim", 203, false, 2).scores, std::vector<int>{900});
    EXPECT_EQ(records.read_game_history("Kim", 205, false, 2).count, 0);

    // Scores are 32-bit; a number beyond that makes its line unreadable.
    const GameHistory max = records.read_game_history("Max", 101, false, 0);
    EXPECT_EQ(max.scores, (std::vector<int>{40000, -2147483647 - 1}));
    EXPECT_EQ(max.highest, 40000);
}

// A finished game is in the history read right after it, as the summary reads it.
TEST(RecordsFile, TheFinishedGameEndsItsOwnHistory) {
    TempFolder folder;
    write_bytes(folder.file(), "\"Kim\",\"12-01-2026\",203,#FALSE#,700,30,2\r\n");
    RecordsFile records(folder.path());
    ASSERT_TRUE(
        records.append_game_record(finished_game("Kim", 203, false, 650, 30, 2), "12-02-2026")
            .ok());
    RecordsProblem problem{"not read"};
    const GameHistory history = records.read_game_history("Kim", 203, false, 2, &problem);
    EXPECT_TRUE(problem.ok());
    EXPECT_EQ(history.scores, (std::vector<int>{700, 650}));
    EXPECT_EQ(history.highest, 700);
}

TEST(RecordsFile, DamagedLinesAreSkippedByEveryReaderAndNeverRewritten) {
    const std::string good_1 = "\"Eve\",\"11-30-2026\",202,#FALSE#,300,30,0\r\n";
    const std::string good_2 = "  \"Eve\" , \"12-01-2026\", 202 ,#FALSE#, 400 ,30, 0 \n";
    const std::string good_3 = "\"Eve\",\"12-02-2026\",202,#FALSE#,500,30,0\r\n";
    const char binary_junk[] = "\"Ann\0\x01\xff\xfe\x80junk,,,\"#TRUE#\x1b[2J\r\n";
    const std::string damaged =
        "\"Ann\",\"12-01-2026\",202,#FALSE#,300,30\r\n"            // a field missing
        "\"Ann\",\"12-01-2026\",202,#FALSE#,300,30,0,7\r\n"        // a field too many
        "\"Ann\",\"12-01-2026\",202,#FALSE#,3x0,30,0\r\n"          // not a number
        "\"Ann\",\"12-01-2026\",202,#FALSE#,,30,0\r\n"             // an empty number
        "\"Ann\",\"12-01-2026\",99999999999,#FALSE#,300,30,0\r\n"  // beyond 32 bits
        "\"Ann\",\"12-01-2026\",202,#YES#,300,30,0\r\n"            // not a Boolean
        "\"Ann\",\"12-01-2026\",202,TRUE,300,30,0\r\n"
        "\"Ann\",\"Monday\",202,#FALSE#,300,30,0\r\n"           // not a date
        "Ann,\"12-01-2026\",202,#FALSE#,300,30,0\r\n"           // name not quoted
        "\"Ann,\"12-01-2026\",202,#FALSE#,300,30,0\r\n"         // quote not closed
        "\"Ann\tLee\",\"12-01-2026\",202,#FALSE#,300,30,0\r\n"  // control character
        "\"Ann\",\"12-01-2026\",202,#FA\r\n"                    // cut short
        "\r\n"                                                  // empty
        + std::string(binary_junk, sizeof binary_junk - 1);
    const std::string huge_junk(3'000'000, 'x');
    const std::string long_name_line =
        "\"" + std::string(5000, 'A') + "\",\"12-01-2026\",202,#FALSE#,300,30,0\r\n";
    const std::string torn_end = "\"Ann\",\"12-03-2026\",202,#FALSE#,3";
    const std::string bytes = good_1 + damaged + huge_junk + "\r\n" + good_2 + long_name_line +
                              huge_junk + good_3 + torn_end;
    // good_3 follows the junk on the same line: both are one bad line.
    TempFolder folder;
    write_bytes(folder.file(), bytes);
    RecordsFile records(folder.path());

    EXPECT_EQ(names_in(records), std::vector<std::string>{"Eve"});
    EXPECT_EQ(records.read_game_history("Eve", 202, false, 0).scores, (std::vector<int>{300, 400}));
    EXPECT_EQ(records.read_game_history("Ann", 202, false, 0).count, 0);
    SharedState ann;
    records.restore_player_settings(ann, "Ann");
    EXPECT_TRUE(ann.new_player);

    // The next game starts on a line of its own after the torn end; nothing before moves.
    ASSERT_TRUE(
        records.append_game_record(finished_game("Ann", 202, false, 600), "12-04-2026").ok());
    const std::string after = read_bytes(folder.file());
    EXPECT_EQ(after, bytes + "\r\n\"Ann\",\"12-04-2026\",202,#FALSE#,600,30,0\r\n");
    EXPECT_EQ(records.read_game_history("Ann", 202, false, 0).scores, std::vector<int>{600});
    EXPECT_EQ(names_in(records), (std::vector<std::string>{"Eve", "Ann"}));
}

TEST(RecordsFile, AnAppendAfterALineCutBetweenItsCrAndLfKeepsThatLine) {
    const std::string cut = "\"Eve\",\"12-01-2026\",202,#FALSE#,400,30,0\r";
    TempFolder folder;
    write_bytes(folder.file(), cut);
    RecordsFile records(folder.path());
    ASSERT_EQ(records.read_game_history("Eve", 202, false, 0).scores, std::vector<int>{400});

    ASSERT_TRUE(
        records.append_game_record(finished_game("Eve", 202, false, 500), "12-02-2026").ok());
    EXPECT_EQ(read_bytes(folder.file()),
              cut + "\n\"Eve\",\"12-02-2026\",202,#FALSE#,500,30,0\r\n");
    EXPECT_EQ(records.read_game_history("Eve", 202, false, 0).scores,
              (std::vector<int>{400, 500}));
}

TEST(RecordsFile, ReadsLinesThatAreNotUtf8AsWindows1252) {
    TempFolder folder;
    write_bytes(folder.file(),
                "\xEF\xBB\xBF\"Ren\xE9\x65 M\xFCller \x80\",\"12-01-2026\",202,#FALSE#,300,30,0\r\n"
                "\"Renée Müller €\",\"12-02-2026\",202,#FALSE#,400,30,0\r\n"
                "\"\x8A\x9F\",\"12-02-2026\",202,#FALSE#,500,30,0\r\n");
    RecordsFile records(folder.path());
    EXPECT_EQ(names_in(records), (std::vector<std::string>{"Renée Müller €", "ŠŸ"}));
    EXPECT_EQ(records.read_game_history("Renée Müller €", 202, false, 0).scores,
              (std::vector<int>{300, 400}));
}

TEST(RecordsFile, HoldsAnyNumberOfPlayersAndScores) {
    std::string bytes;
    for (int i = 0; i < 600; ++i)
        bytes += "\"Player " + std::to_string(i) + "\",\"12-01-2026\",101,#FALSE#,1,30,0\r\n";
    for (int i = 0; i < 10'500; ++i)
        bytes += "\"Player 7\",\"12-01-2026\",203,#TRUE#," + std::to_string(i) + ",30,1\r\n";
    TempFolder folder;
    write_bytes(folder.file(), bytes);
    RecordsFile records(folder.path());
    const std::vector<std::string> names = names_in(records);
    ASSERT_EQ(names.size(), 600u);
    EXPECT_EQ(names.front(), "Player 0");
    EXPECT_EQ(names.back(), "Player 599");
    const GameHistory history = records.read_game_history("Player 7", 203, true, 1);
    EXPECT_EQ(history.count, 10'500);
    EXPECT_EQ(history.scores.back(), 10'499);
    EXPECT_EQ(history.highest, 10'499);
}

TEST(RecordsFile, NamesTheFileCannotHold) {
    struct Case {
        std::string name;
        NameFit fit;
    };
    std::string accents_201;
    for (int i = 0; i < 201; ++i) accents_201 += "é";
    const std::vector<Case> cases = {
        {"", NameFit::fits},
        {"O'Brien, Pat", NameFit::fits},
        {"Pat \"The Cat\"", NameFit::double_quote},
        {"Pat\tLee", NameFit::control_character},
        {"Pat\r\nLee", NameFit::control_character},
        {"Pat\x7f", NameFit::control_character},
        {"Pat\xC2\x85", NameFit::control_character},  // U+0085, next line
        {std::string(200, 'p'), NameFit::fits},
        {std::string(201, 'p'), NameFit::too_long},
        {accents_201, NameFit::too_long},
        {"Ren\xE9", NameFit::not_utf8},
        {"\xC0\xA0", NameFit::not_utf8},      // overlong blank
        {"\xED\xA0\x80", NameFit::not_utf8},  // a surrogate
    };
    for (const Case& c : cases) EXPECT_EQ(check_record_name(c.name), c.fit) << c.name;

    // A name that slipped through is not written, but its game still counts this run.
    TempFolder folder;
    RecordsFile records(folder.path());
    const RecordsProblem problem =
        records.append_game_record(finished_game("Pat \"The Cat\"", 202, false, 90), "12-01-2026");
    EXPECT_FALSE(problem.ok());
    EXPECT_FALSE(fs::exists(folder.file()) && fs::file_size(folder.file()) > 0);
    EXPECT_EQ(records.read_game_history("Pat \"The Cat\"", 202, false, 0).scores,
              std::vector<int>{90});
}

TEST(RecordsFile, AFolderInThePlaceOfTheFileIsReportedAndTheGameStillCounts) {
    TempFolder folder;
    fs::create_directory(folder.file());
    RecordsFile records(folder.path());

    const RecordsProblem opened = records.ensure_records_file();
    EXPECT_EQ(opened.message,
              "The player records file amath.txt could not be opened: there is a folder of that "
              "name where the file should be.  Your games can only be kept until you quit "
              "Varodex.");
    SharedState state;
    EXPECT_FALSE(records.read_player_names(state).ok());
    EXPECT_EQ(state.player_count, 0);

    const RecordsProblem saved =
        records.append_game_record(finished_game("Lu", 204, false, 870, 30, 2), "12-01-2026");
    EXPECT_EQ(saved.message,
              "Your game could not be saved in the player records file amath.txt: there is a "
              "folder of that name where the file should be.  Your score still counts until you "
              "quit Varodex.");
    RecordsProblem read;
    EXPECT_EQ(records.read_game_history("Lu", 204, false, 2, &read).scores, std::vector<int>{870});
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(records_problem_box(saved).title, "Player Records");
    EXPECT_EQ(records_problem_box(saved).icon, DialogIcon::exclamation);

    // Once the file can be written again, the lost game goes in first.
    fs::remove(folder.file());
    ASSERT_TRUE(
        records.append_game_record(finished_game("Lu", 204, false, 910, 30, 2), "12-02-2026").ok());
    EXPECT_EQ(read_bytes(folder.file()),
              "\"Lu\",\"12-01-2026\",204,#FALSE#,870,30,2\r\n"
              "\"Lu\",\"12-02-2026\",204,#FALSE#,910,30,2\r\n");
    EXPECT_TRUE(records.unsaved_games().empty());
    EXPECT_EQ(records.read_game_history("Lu", 204, false, 2).scores, (std::vector<int>{870, 910}));
}

TEST(RecordsFile, AFullDiskIsReportedAndTheGameStillCounts) {
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
    TempFolder folder;
    fs::create_symlink("/dev/full", folder.file());
    RecordsFile records(folder.path());
    const RecordsProblem problem =
        records.append_game_record(finished_game("Lu", 204, false, 870), "12-01-2026");
    EXPECT_NE(problem.message.find("amath.txt: the disk is full."), std::string::npos)
        << problem.message;
    RecordsProblem read;
    EXPECT_EQ(records.read_game_history("Lu", 204, false, 0, &read).scores, std::vector<int>{870});
    EXPECT_NE(read.message.find("it is not a plain file"), std::string::npos) << read.message;
}

// Runs `work` in a child process (for limits and users that must not touch this one) and
// returns the text it gives back.
template <typename Work>
std::string in_child_process(Work work) {
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "no fork";
    if (child == 0) {
        ::close(channel[0]);
        const std::string reply = work();
        const bool sent = ::write(channel[1], reply.data(), reply.size()) >= 0;
        ::_exit(sent ? 0 : 1);
    }
    ::close(channel[1]);
    std::string reply;
    char block[512];
    for (ssize_t n; (n = ::read(channel[0], block, sizeof block)) > 0;) reply.append(block, n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    return reply;
}

// Appends a game of Lu's; gives back the message and the count of the history after it.
std::string append_for_lu(const fs::path& folder) {
    RecordsFile records(folder);
    const RecordsProblem problem =
        records.append_game_record(finished_game("Lu", 204, false, 870), "12-01-2026");
    return std::to_string(records.read_game_history("Lu", 204, false, 0).count) + " " +
           problem.message;
}

TEST(RecordsFile, AReadOnlyFileIsReportedAndTheGameStillCounts) {
    TempFolder folder;
    const std::string before = "\"Lu\",\"11-01-2026\",204,#FALSE#,500,30,0\r\n";
    write_bytes(folder.file(), before);
    fs::permissions(folder.file(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string outcome;
    if (::geteuid() != 0) {
        outcome = append_for_lu(folder.path());
    } else {
        // The super-user may write any file: append as an ordinary user.
        fs::permissions(folder.path(), fs::perms::all, fs::perm_options::add);
        outcome = in_child_process([&] {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) return std::string("no setuid");
            return append_for_lu(folder.path());
        });
    }
    // The old game from the file and the unsaved one both count.
    EXPECT_EQ(outcome,
              "2 Your game could not be saved in the player records file amath.txt: Varodex has "
              "no permission to use it.  Your score still counts until you quit Varodex.");
    EXPECT_EQ(read_bytes(folder.file()), before);
}

// The disk fills up in the middle of the line: the part that went out is taken back.
TEST(RecordsFile, AnAppendCutShortLeavesNoPartLine) {
    TempFolder folder;
    // A whole record without its line end: the append has to begin with one.
    const std::string before = "\"Lu\",\"11-01-2026\",204,#FALSE#,500,30,0";
    write_bytes(folder.file(), before);
    const std::string outcome = in_child_process([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() + 20, before.size() + 20};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no limit");
        return append_for_lu(folder.path());
    });
    EXPECT_EQ(outcome,
              "2 Your game could not be saved in the player records file amath.txt: the file is "
              "too large.  Your score still counts until you quit Varodex.");
    EXPECT_EQ(read_bytes(folder.file()), before);
}

// Runs the append_records tool; returns its process id.
pid_t start_writer(const fs::path& folder, const std::string& name, int count, int pause_us) {
    const std::string tool = VARODEX_APPEND_TOOL;
    const std::string folder_text = folder.string();
    const std::string count_text = std::to_string(count);
    const std::string pause_text = std::to_string(pause_us);
    const std::string nosync = "nosync";
    std::vector<char*> argv = {const_cast<char*>(tool.c_str()),
                               const_cast<char*>(folder_text.c_str()),
                               const_cast<char*>(name.c_str()),
                               const_cast<char*>(count_text.c_str()),
                               const_cast<char*>(pause_text.c_str()),
                               const_cast<char*>(nosync.c_str()),
                               nullptr};
    pid_t pid = -1;
    EXPECT_EQ(::posix_spawn(&pid, tool.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    return pid;
}

int wait_for(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

TEST(RecordsFile, TwoRunningCopiesAppendingAtOnceLeaveEveryLineIntact) {
    TempFolder folder;
    const pid_t first = start_writer(folder.path(), "First Copy", 1000, 200);
    const pid_t second = start_writer(folder.path(), "Second Copy", 1000, 200);
    const int first_status = wait_for(first);
    const int second_status = wait_for(second);
    ASSERT_TRUE(WIFEXITED(first_status) && WEXITSTATUS(first_status) == 0);
    ASSERT_TRUE(WIFEXITED(second_status) && WEXITSTATUS(second_status) == 0);

    const std::vector<std::string> lines = lines_of(read_bytes(folder.file()));
    ASSERT_EQ(lines.size(), 2000u);
    int switches = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_TRUE(parse_record_line(lines[i])) << "line " << i << ": " << lines[i];
        if (i > 0 && lines[i].substr(0, 6) != lines[i - 1].substr(0, 6)) ++switches;
    }
    EXPECT_GT(switches, 1) << "the two writers never ran at the same time";
    RecordsFile records(folder.path());
    for (const char* name : {"First Copy", "Second Copy"}) {
        const GameHistory history = records.read_game_history(name, 203, false, 2);
        ASSERT_EQ(history.count, 1000) << name;
        for (int i = 0; i < 1000; ++i) ASSERT_EQ(history.scores[i], i + 1) << name;
    }
}

TEST(RecordsFile, AWriterKilledInTheMiddleNeverDamagesAnEarlierLine) {
    TempFolder folder;
    const std::string earlier =
        "\"Old Timer\",\"10-01-2026\",222,#TRUE#,1500,60,2\r\n"
        "\"Old Timer\",\"10-02-2026\",222,#TRUE#,1600,60,2\r\n";
    write_bytes(folder.file(), earlier);
    const pid_t writer = start_writer(folder.path(), "Killed Copy", 1'000'000, 0);
    while (fs::file_size(folder.file()) < earlier.size() + 20'000) ::usleep(1000);
    ::kill(writer, SIGKILL);
    const int status = wait_for(writer);
    ASSERT_TRUE(WIFSIGNALED(status));

    const std::string bytes = read_bytes(folder.file());
    ASSERT_EQ(bytes.substr(0, earlier.size()), earlier);
    const std::vector<std::string> lines = lines_of(bytes);
    // Every line but perhaps the very last (cut by the kill) is whole, in order.
    for (std::size_t i = 2; i + 1 < lines.size(); ++i) {
        const auto record = parse_record_line(lines[i]);
        ASSERT_TRUE(record) << "line " << i << ": " << lines[i];
        ASSERT_EQ(record->score, static_cast<int>(i) - 1);
    }

    RecordsFile records(folder.path());
    ASSERT_TRUE(
        records.append_game_record(finished_game("Old Timer", 222, true, 1700, 60, 2), "10-03-2026")
            .ok());
    EXPECT_EQ(records.read_game_history("Old Timer", 222, true, 2).scores,
              (std::vector<int>{1500, 1600, 1700}));
}

TEST(TextEncoding, Windows1252AndUtf8) {
    EXPECT_EQ(windows_1252_to_utf8("\x80\x81\x9F\xA0\xE9\xFF"), "€\xC2\x81Ÿ\xC2\xA0éÿ");
    EXPECT_TRUE(is_valid_utf8("plain"));
    EXPECT_TRUE(is_valid_utf8("Zoë 李 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(is_valid_utf8("\xE9t\xE9"));
    EXPECT_FALSE(is_valid_utf8("\xE2\x82"));          // cut short
    EXPECT_FALSE(is_valid_utf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(is_valid_utf8("\xE0\x80\x80"));      // overlong
    EXPECT_EQ(utf8_or_windows_1252("Zoë"), "Zoë");
    EXPECT_EQ(utf8_length("Zoë 李"), 5u);
}

}  // namespace
}  // namespace varodex
