#include "players/records_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <system_error>

// POSIX, here and nowhere else in the core: standard C++ can neither lock a file against a
// second running copy nor append a line in one write.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "players/line_scanner.h"
#include "players/name_set.h"
#include "players/record_line.h"

namespace varodex {

namespace {

std::string reason_text(int error) {
    switch (error) {
        case EISDIR:
            return "there is a folder of that name where the file should be";
        case EACCES:
        case EPERM:
            return "Varodex has no permission to use it";
        case EROFS:
            return "the disk is read-only";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "the disk is full";
        case EFBIG:
            return "the file is too large";
        default:
            return std::generic_category().message(error);
    }
}

// Opens the file, hands every run of whole lines to `visit` and closes it. A missing file
// has no lines. Returns the reason when the file could not be read, or an empty text.
template <typename Visit>
std::string read_runs(const std::filesystem::path& path, Visit&& visit) {
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (status.type() == std::filesystem::file_type::not_found) return {};
    if (code) return reason_text(code.value());
    if (status.type() == std::filesystem::file_type::directory) return reason_text(EISDIR);
    // A device or a pipe could block or never end.
    if (status.type() != std::filesystem::file_type::regular) return "it is not a plain file";

    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return reason_text(errno);
    LineScanner scanner(file);
    std::string_view run;
    while (scanner.next_lines(run)) visit(run);
    const int error = errno;
    const bool failed = scanner.failed();
    std::fclose(file);
    return failed ? reason_text(error) : std::string();
}

// The same, a line at a time (without its line end).
template <typename Visit>
std::string read_lines(const std::filesystem::path& path, Visit&& visit) {
    return read_runs(path, [&visit](std::string_view run) { for_each_line(run, visit); });
}

// Appends the text at the end of the file under an exclusive lock, starting on a fresh
// line, in one write; afterwards either all of it is in the file (and, with `sync`, on the
// disk) or none of it. Returns 0 or the error.
int append_lines(const std::filesystem::path& path, const std::string& text, bool sync) {
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return errno;
    int error = 0;
    // A second running copy waits here until our line is complete, so lines never mix.
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            error = errno;
            ::close(fd);
            return error;
        }
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = errno;
        ::close(fd);
        return error;
    }
    const bool regular = S_ISREG(info.st_mode);
    std::string out;
    if (regular && info.st_size > 0) {
        // A torn last line must not swallow the new record. One cut between its CR and its
        // LF only lacks the LF: a second CR would spoil the line that read well until now.
        char last = '\n';
        if (::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n')
            out = last == '\r' ? "\n" : "\r\n";
    }
    out += text;
    std::size_t written = 0;
    while (written < out.size()) {
        const ssize_t n = ::write(fd, out.data() + written, out.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (error == 0 && sync && regular && ::fsync(fd) != 0) error = errno;
    if (error != 0 && regular && written > 0) {
        // Take back the part line we wrote; the lock still keeps every other writer out.
        if (::ftruncate(fd, info.st_size) != 0) {
            // Nothing more to do: the reader passes over a part line.
        }
    }
    ::close(fd);
    return error;
}

bool can_be_written(const GameRecord& record) {
    return check_record_name(record.player_name) == NameFit::fits &&
           is_record_date(record.date_played);
}

}  // namespace

MessageBoxRequest records_problem_box(const RecordsProblem& problem) {
    return {problem.message, "Player Records", DialogIcon::exclamation, DialogButtons::ok,
            DialogButton::ok};
}

RecordsFile::RecordsFile(std::filesystem::path folder, DiskSync disk_sync)
    : path_(std::move(folder) / file_name), disk_sync_(disk_sync) {}

RecordsProblem RecordsFile::ensure_records_file() {
    const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        return {"The player records file " + path_.filename().string() + " could not be opened: " +
                reason_text(errno) + ".  Your games can only be kept until you quit Varodex."};
    }
    ::close(fd);
    return {};
}

namespace {

RecordsProblem read_problem(const std::filesystem::path& path, const std::string& reason) {
    if (reason.empty()) return {};
    return {"The player records file " + path.filename().string() +
            " could not be read: " + reason + ".  Some players or scores may be missing."};
}

}  // namespace

RecordsProblem RecordsFile::read_player_names(SharedState& state) {
    state.player_names.clear();
    NameSet seen;
    const auto add = [&](std::string_view name) {
        if (seen.insert(name)) state.player_names.emplace_back(name);
    };
    struct Candidate {
        std::string_view line;
        std::string_view raw_name;
        std::uint64_t hash;
        bool known;
    };
    std::vector<Candidate> run_names;
    const std::string reason = read_runs(path_, [&](std::string_view run) {
        // A name already listed needs no more reading; only a new one must come from a line
        // that reads whole. Listed names are UTF-8, so a hit is the same name however its
        // line is encoded. The whole run is hashed before it is looked up, which lets the
        // lookups overlap.
        run_names.clear();
        for_each_line(run, [&](std::string_view line) {
            if (const auto raw = leading_record_name(line))
                run_names.push_back({line, *raw, NameSet::hash_of(*raw), false});
        });
        for (Candidate& c : run_names) c.known = seen.contains(c.raw_name, c.hash);
        for (const Candidate& c : run_names) {
            if (c.known) continue;
            if (const auto fields = parse_record_fields(c.line))
                add(record_name_text(fields->name));
        }
    });
    for (const GameRecord& game : unsaved_) add(game.player_name);
    state.player_count = static_cast<int>(state.player_names.size());
    return read_problem(path_, reason);
}

RecordsProblem RecordsFile::restore_player_settings(SharedState& state, const std::string& name) {
    const auto restore = [&state](int game_code, bool time_trial_game, int hint_delay,
                                  int way_to_play) {
        state.game_code = game_code;
        state.time_trial_game = time_trial_game;
        state.hint_delay = hint_delay;
        state.way_to_play = way_to_play;
        state.new_player = false;
        if (way_to_play == figure_formula_way) state.figure_formula_played = true;
    };
    const NameMatcher matcher(name);
    const std::string reason = read_lines(path_, [&](std::string_view line) {
        const auto raw = leading_record_name(line);
        if (!raw || !matcher.matches(*raw)) return;
        if (const auto f = parse_record_fields(line))
            restore(f->game_code, f->time_trial_game, f->hint_delay, f->way_to_play);
    });
    for (const GameRecord& game : unsaved_) {
        if (game.player_name == name)
            restore(game.game_code, game.time_trial_game, game.hint_delay, game.way_to_play);
    }
    // Combat games are never recorded, so the kind follows the Time Trial flag alone.
    state.game_kind = state.time_trial_game ? time_trial_kind : ten_problem_kind;
    return read_problem(path_, reason);
}

RecordsProblem RecordsFile::append_game_record(const SharedState& state, const std::string& today) {
    const GameRecord record{state.player_name, today,
                            state.game_code,   state.time_trial_game,
                            state.final_score, state.hint_delay,
                            state.way_to_play};
    const auto not_saved = [this](const std::string& reason) {
        return RecordsProblem{"Your game could not be saved in the player records file " +
                              path_.filename().string() + ": " + reason +
                              ".  Your score still counts until you quit Varodex."};
    };
    if (!can_be_written(record)) {
        unsaved_.push_back(record);
        return not_saved("the name or the date cannot be written in it");
    }
    // Games that failed before go first, so the file keeps the order they were played in.
    std::string text;
    for (const GameRecord& game : unsaved_) {
        if (can_be_written(game)) text += format_record_line(game);
    }
    text += format_record_line(record);
    if (const int error = append_lines(path_, text, disk_sync_ == DiskSync::after_each_append);
        error != 0) {
        unsaved_.push_back(record);
        return not_saved(reason_text(error));
    }
    std::erase_if(unsaved_, can_be_written);
    return {};
}

GameHistory RecordsFile::read_game_history(const std::string& player_name, int game_code,
                                           bool time_trial_game, int way_to_play,
                                           RecordsProblem* problem) {
    GameHistory history;
    const auto select = [&](int code, bool time_trial, int way, int score) {
        if (code != game_code || time_trial != time_trial_game || way != way_to_play) return;
        ++history.count;
        if (score > history.highest) history.highest = score;
        history.scores.push_back(score);
    };
    const NameMatcher matcher(player_name);
    const std::string reason = read_lines(path_, [&](std::string_view line) {
        // Most lines are other players': compare the name before reading the rest.
        const auto raw = leading_record_name(line);
        if (!raw || !matcher.matches(*raw)) return;
        if (const auto f = parse_record_fields(line))
            select(f->game_code, f->time_trial_game, f->way_to_play, f->score);
    });
    for (const GameRecord& game : unsaved_) {
        if (game.player_name == player_name)
            select(game.game_code, game.time_trial_game, game.way_to_play, game.score);
    }
    if (problem != nullptr) *problem = read_problem(path_, reason);
    return history;
}

}  // namespace varodex
