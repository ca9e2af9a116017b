// Reading the player records: read_game_history and read_player_names over a file of
// 1,000,000 lines from 10,000 players, against `wc -l` on the same file as the baseline.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <random>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "players/record_line.h"
#include "players/records_file.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int line_count = 1'000'000;
constexpr int player_count = 10'000;

fs::path bench_folder;
// The history read: the player, game, kind and way of one player's first game.
varodex::GameRecord history_key;
constexpr int history_player = 4321;

std::string player(int i) {
    return "Player " + std::to_string(i) + " Testington";
}

// The same file every run: players, games, kinds and ways drawn from a fixed seed.
void write_records_file(const fs::path& folder) {
    std::mt19937 draw(20261211);
    std::uniform_int_distribution<int> who(0, player_count - 1);
    std::uniform_int_distribution<int> code(0, 41);
    std::uniform_int_distribution<int> score(-200, 1600);
    std::uniform_int_distribution<int> way(0, 2);
    std::uniform_int_distribution<int> kind(0, 1);
    std::FILE* file = std::fopen((folder / varodex::RecordsFile::file_name).c_str(), "wb");
    for (int i = 0; i < line_count; ++i) {
        const int c = code(draw);
        const varodex::GameRecord record{
            player(who(draw)), "12-11-2026", c < 21 ? 101 + c : 181 + c,
            kind(draw) == 1,   score(draw),  30,
            way(draw)};
        if (history_key.player_name.empty() && record.player_name == player(history_player))
            history_key = record;
        const std::string line = varodex::format_record_line(record);
        std::fwrite(line.data(), 1, line.size(), file);
    }
    std::fclose(file);
}

void read_game_history(benchmark::State& state) {
    varodex::RecordsFile records(bench_folder);
    int total = 0;
    for (auto _ : state) {
        const varodex::GameHistory history =
            records.read_game_history(history_key.player_name, history_key.game_code,
                                      history_key.time_trial_game, history_key.way_to_play);
        total += history.count;
        benchmark::DoNotOptimize(history.highest);
    }
    state.counters["selected"] =
        static_cast<double>(total) / static_cast<double>(state.iterations());
}

void read_player_names(benchmark::State& state) {
    varodex::RecordsFile records(bench_folder);
    varodex::SharedState shared;
    for (auto _ : state) {
        records.read_player_names(shared);
        benchmark::DoNotOptimize(shared.player_count);
    }
    state.counters["players"] = shared.player_count;
}

// The baseline: the whole wc program, started and waited for, as a shell would time it.
void wc_l(benchmark::State& state) {
    const std::string file = (bench_folder / varodex::RecordsFile::file_name).string();
    const char* argv[] = {"wc", "-l", file.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = -1;
        if (posix_spawnp(&pid, "wc", &actions, nullptr, const_cast<char**>(argv), environ) != 0) {
            state.SkipWithError("wc could not be started");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&actions);
}

// Other programs on the machine only ever slow a run down, so the fastest repetition is the
// fairest figure for the ratios.
double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

BENCHMARK(read_game_history)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", fastest);
BENCHMARK(read_player_names)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", fastest);
BENCHMARK(wc_l)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", fastest);

// Prints the usual table, then each reader's time as a multiple of wc -l's.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0) continue;
            // The fastest repetition when there are several, else the single run.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "min") continue;
            const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
            auto [entry, added] = seconds_.emplace(run.run_name.function_name, seconds);
            if (!added && run.run_type == Run::RT_Aggregate) entry->second = seconds;
        }
    }

    void print_ratios() const {
        const auto baseline = seconds_.find("wc_l");
        if (baseline == seconds_.end()) return;
        std::printf("\nwc -l on the same file: %.2f ms\n", baseline->second * 1e3);
        for (const auto& [name, seconds] : seconds_) {
            if (name == "wc_l") continue;
            std::printf("%-20s %.2f ms = %.2f x wc -l (goal: within 3 x)\n", name.c_str(),
                        seconds * 1e3, seconds / baseline->second);
        }
    }

  private:
    std::map<std::string, double> seconds_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const char* folder = std::getenv("VARODEX_BENCH_DIR");
    bench_folder = folder != nullptr
                       ? fs::path(folder)
                       : fs::temp_directory_path() / ("varodex-bench-" + std::to_string(getpid()));
    fs::create_directories(bench_folder);
    write_records_file(bench_folder);
    std::printf(
        "records file: %s, %ju bytes\n", (bench_folder / varodex::RecordsFile::file_name).c_str(),
        static_cast<std::uintmax_t>(fs::file_size(bench_folder / varodex::RecordsFile::file_name)));
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();
    if (folder == nullptr) fs::remove_all(bench_folder);
    benchmark::Shutdown();
    return 0;
}
