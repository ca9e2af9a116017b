// Appends games to amath.txt in a folder, as a running copy of the game would: lets the
// tests run two writers at once, or kill one in the middle of its appends.
//
//   append_records <folder> <player name> <count> [pause in microseconds] [nosync]
//
// Game i (1..count) is written with score i. Exits with 1 when any append failed.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "players/records_file.h"

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::cerr << "usage: append_records <folder> <player name> <count> [pause_us] [nosync]\n";
        return 2;
    }
    const bool sync = !(argc > 5 && std::string(argv[5]) == "nosync");
    varodex::RecordsFile records(argv[1], sync ? varodex::RecordsFile::DiskSync::after_each_append
                                               : varodex::RecordsFile::DiskSync::none);
    varodex::SharedState state;
    state.player_name = argv[2];
    state.game_code = 203;
    state.way_to_play = 2;
    const int count = std::atoi(argv[3]);
    const auto pause = std::chrono::microseconds(argc > 4 ? std::atoi(argv[4]) : 0);
    int failures = 0;
    for (int i = 1; i <= count; ++i) {
        state.final_score = i;
        const varodex::RecordsProblem problem = records.append_game_record(state, "12-11-2026");
        if (!problem.ok()) {
            std::cerr << problem.message << '\n';
            ++failures;
        }
        if (pause.count() > 0) std::this_thread::sleep_for(pause);
    }
    return failures == 0 ? 0 : 1;
}
