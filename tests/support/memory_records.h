// An in-memory stand-in for the records file: the records are a list, and each operation
// can be made to report a problem.
#pragma once

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "players/records_file.h"

namespace varodex::testing {

class MemoryRecords : public PlayerRecords {
  public:
    RecordsProblem ensure_records_file() override { return problem; }

    RecordsProblem read_player_names(SharedState& state) override {
        std::unordered_set<std::string> seen;
        state.player_names.clear();
        for (const GameRecord& r : records) {
            if (seen.insert(r.player_name).second) state.player_names.push_back(r.player_name);
        }
        state.player_count = static_cast<int>(state.player_names.size());
        return problem;
    }

    RecordsProblem restore_player_settings(SharedState& state, const std::string& name) override {
        for (auto it = records.rbegin(); it != records.rend(); ++it) {
            if (it->player_name != name) continue;
            state.game_code = it->game_code;
            state.time_trial_game = it->time_trial_game;
            state.hint_delay = it->hint_delay;
            state.way_to_play = it->way_to_play;
            state.new_player = false;
            state.game_kind = it->time_trial_game ? time_trial_kind : ten_problem_kind;
            break;
        }
        return problem;
    }

    RecordsProblem append_game_record(const SharedState& state, const std::string& today) override {
        records.push_back({state.player_name, today, state.game_code, state.time_trial_game,
                           state.final_score, state.hint_delay, state.way_to_play});
        return problem;
    }

    GameHistory read_game_history(const std::string& player_name, int game_code,
                                  bool time_trial_game, int way_to_play,
                                  RecordsProblem* problem_out) override {
        ++history_reads;
        GameHistory history;
        for (const GameRecord& r : records) {
            if (r.player_name == player_name && r.game_code == game_code &&
                r.time_trial_game == time_trial_game && r.way_to_play == way_to_play) {
                history.scores.push_back(r.score);
                history.highest = std::max(history.highest, r.score);
            }
        }
        history.count = static_cast<int>(history.scores.size());
        if (problem_out != nullptr) *problem_out = problem;
        return history;
    }

    // Adds games of one player and one kind of game, oldest first.
    void add_games(const std::string& name, int game_code, bool time_trial_game, int way_to_play,
                   const std::vector<int>& scores, int hint_delay = 30) {
        for (int score : scores) {
            records.push_back(
                {name, "12-11-2026", game_code, time_trial_game, score, hint_delay, way_to_play});
        }
    }

    std::vector<GameRecord> records;
    RecordsProblem problem;  // reported by every operation
    int history_reads = 0;
};

}  // namespace varodex::testing
