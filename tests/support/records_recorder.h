// An in-memory PlayerRecords that keeps every appended game and can be told to fail.
#pragma once

#include <string>
#include <vector>

#include "players/records_file.h"

namespace varodex::testing {

class RecordsRecorder : public PlayerRecords {
  public:
    RecordsProblem ensure_records_file() override { return {}; }
    RecordsProblem read_player_names(SharedState&) override { return {}; }
    RecordsProblem restore_player_settings(SharedState&, const std::string&) override { return {}; }

    RecordsProblem append_game_record(const SharedState& state, const std::string& today) override {
        appended.push_back({state.player_name, today, state.game_code, state.time_trial_game,
                            state.final_score, state.hint_delay, state.way_to_play});
        return {failure};
    }

    GameHistory read_game_history(const std::string& player_name, int game_code,
                                  bool time_trial_game, int way_to_play,
                                  RecordsProblem* /*problem*/) override {
        GameHistory history;
        for (const GameRecord& r : appended) {
            if (r.player_name != player_name || r.game_code != game_code ||
                r.time_trial_game != time_trial_game || r.way_to_play != way_to_play) {
                continue;
            }
            ++history.count;
            history.scores.push_back(r.score);
            if (r.score > history.highest) history.highest = r.score;
        }
        return history;
    }

    std::vector<GameRecord> appended;
    std::string failure;  // when not empty, every append reports it (the game still counts)
};

}  // namespace varodex::testing
