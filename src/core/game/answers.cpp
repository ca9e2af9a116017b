#include "game/answers.h"

#include "state/number_text.h"

namespace varodex {

Answers fill_answers_by_step(int correct, std::span<const int> shown_z, Random& random) {
    int high = -1000;
    int low = 1000;
    for (int v : shown_z) {
        if (v > high) high = v;
        if (v < low) low = v;
    }
    const int spread = high - low;

    random.reseed();
    const int pos = random_integer(random, 1, answer_count);

    float step = 1.0f;
    if (spread > 5) step = 0.2f * static_cast<float>(spread);

    Answers answers{};
    for (int p = 1; p <= answer_count; ++p) {
        const float value = static_cast<float>(correct) - step * static_cast<float>(pos - p);
        answers[static_cast<std::size_t>(p - 1)] =
            p == pos ? correct : static_cast<int>(round_half_even(value));
    }
    return answers;
}

Answers fill_answers_with_distractor(int distractor, int correct, Random& random) {
    random.reseed();
    int pos = random_integer(random, 1, answer_count);
    if (correct > distractor) {
        if (pos == 1) pos = 2;
    } else if (pos == answer_count) {
        pos = answer_count - 1;
    }

    Answers answers{};
    for (int p = 1; p <= answer_count; ++p) {
        answers[static_cast<std::size_t>(p - 1)] = correct - 2 * (pos - p);
    }

    if (distractor < answers.front()) answers.front() = distractor;
    if (distractor > answers.back()) answers.back() = distractor;
    for (int p = 1; p < answer_count; ++p) {
        const auto i = static_cast<std::size_t>(p - 1);
        if (p != pos && answers[i] < distractor && distractor < answers[i + 1]) {
            answers[i] = distractor;
        }
    }
    return answers;
}

}  // namespace varodex
