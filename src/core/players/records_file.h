// The player records file: one line per finished one-player game, only ever appended.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "players/game_record.h"
#include "state/shared_state.h"

namespace varodex {

struct GameHistory {
    int count = 0;
    std::vector<int> scores;  // oldest first; the finished game is the last
    int highest = -100;
};

// What went wrong with the file, in words for the player; empty when all went well.
struct RecordsProblem {
    std::string message;
    bool ok() const { return message.empty(); }
};

// The message box that tells the player about a records problem.
MessageBoxRequest records_problem_box(const RecordsProblem& problem);

// The operations over the records file. The file is opened only inside each operation.
class PlayerRecords {
  public:
    virtual ~PlayerRecords() = default;
    virtual RecordsProblem ensure_records_file() = 0;
    virtual RecordsProblem read_player_names(SharedState& state) = 0;
    virtual RecordsProblem restore_player_settings(SharedState& state, const std::string& name) = 0;
    // Appends the finished game of the shared state (player, today, game, kind, final score,
    // hint delay, way). A game that could not be written still counts in this run's histories.
    virtual RecordsProblem append_game_record(const SharedState& state,
                                              const std::string& today) = 0;
    virtual GameHistory read_game_history(const std::string& player_name, int game_code,
                                          bool time_trial_game, int way_to_play,
                                          RecordsProblem* problem = nullptr) = 0;
};

// amath.txt in the given folder (the working directory in the program).
//
// Lines that cannot be read are passed over by every reader and never touched. An append
// writes whole lines under an exclusive lock, so a second running copy never mixes its
// lines with ours. Games that could not be written stay in this object: every reader sees
// them after the file's lines, and the next append tries to write them again.
class RecordsFile : public PlayerRecords {
  public:
    static constexpr const char* file_name = "amath.txt";

    // Whether each append waits until its line is on the disk. The game always waits, so a
    // finished game survives a power cut; tests that write thousands of lines need not.
    enum class DiskSync { after_each_append, none };

    explicit RecordsFile(std::filesystem::path folder,
                         DiskSync disk_sync = DiskSync::after_each_append);

    RecordsProblem ensure_records_file() override;
    RecordsProblem read_player_names(SharedState& state) override;
    RecordsProblem restore_player_settings(SharedState& state, const std::string& name) override;
    RecordsProblem append_game_record(const SharedState& state, const std::string& today) override;
    GameHistory read_game_history(const std::string& player_name, int game_code,
                                  bool time_trial_game, int way_to_play,
                                  RecordsProblem* problem = nullptr) override;

    const std::filesystem::path& file_path() const { return path_; }
    // The games of this run that are not in the file.
    const std::vector<GameRecord>& unsaved_games() const { return unsaved_; }

  private:
    std::filesystem::path path_;
    DiskSync disk_sync_;
    std::vector<GameRecord> unsaved_;
};

}  // namespace varodex
