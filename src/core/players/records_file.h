// The player records file: one line per finished one-player game, only ever appended.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "state/shared_state.h"

namespace varodex {

struct GameRecord {
    std::string player_name;
    std::string date_played;  // mm-dd-yyyy
    int game_code = 0;
    bool time_trial_game = false;
    int score = 0;
    int hint_delay = 0;
    int way_to_play = 0;
};

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

// The operations over the records file. The file is opened only inside each operation.
class PlayerRecords {
public:
    virtual ~PlayerRecords() = default;
    virtual RecordsProblem ensure_records_file() = 0;
    virtual RecordsProblem read_player_names(SharedState& state) = 0;
    virtual RecordsProblem restore_player_settings(SharedState& state, const std::string& name) = 0;
    // Appends the finished game of the shared state (player, today, game, kind, final score,
    // hint delay, way). A game that could not be written still counts in this run's histories.
    virtual RecordsProblem append_game_record(const SharedState& state, const std::string& today) = 0;
    virtual GameHistory read_game_history(const std::string& player_name, int game_code,
                                          bool time_trial_game, int way_to_play,
                                          RecordsProblem* problem = nullptr) = 0;
};

// amath.txt in the given folder (the working directory in the program).
class RecordsFile : public PlayerRecords {
public:
    explicit RecordsFile(std::filesystem::path path);
    // ... implemented by the records module
};

}  // namespace varodex
