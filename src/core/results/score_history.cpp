#include "results/score_history.h"

#include <algorithm>
#include <functional>
#include <numeric>

#include "state/number_text.h"

namespace varodex {

namespace {

// Sums in 64 bits: ten 32-bit scores can exceed the range of an int.
double mean_of(std::vector<int>::const_iterator first, std::vector<int>::const_iterator last) {
    const auto n = last - first;
    if (n <= 0) return 0.0;
    const long long sum = std::accumulate(first, last, 0LL);
    return static_cast<double>(sum) / static_cast<double>(n);
}

}  // namespace

int shown_games(int count) {
    return std::clamp(count, 0, recent_game_count);
}

double recent_average(const std::vector<int>& scores) {
    const int n = shown_games(static_cast<int>(scores.size()));
    return mean_of(scores.end() - n, scores.end());
}

int previous_average(const std::vector<int>& scores) {
    if (scores.size() <= static_cast<std::size_t>(recent_game_count)) return 0;
    const auto last = scores.end() - 1;
    return static_cast<int>(round_half_even(mean_of(last - recent_game_count, last)));
}

std::string high_scores_text(std::vector<int> scores) {
    const int n = shown_games(static_cast<int>(scores.size()));
    std::partial_sort(scores.begin(), scores.begin() + n, scores.end(), std::greater<>());
    std::string text = "Your Highest Scores:  ";
    for (int i = 0; i < n; ++i) {
        text += " " + plain_number_text(scores[static_cast<std::size_t>(i)]) + "   ";
    }
    return text;
}

}  // namespace varodex
