// Test doubles for the ports: a clock moved by hand, a scripted source of chance, and
// recorders for sounds, message boxes, printing and windows.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/random.h"
#include "platform/sounds.h"
#include "platform/window_host.h"

namespace varodex::testing {

class ManualClock : public Clock {
public:
    double now_seconds() const override { return seconds; }
    std::string today() const override { return date; }
    void advance(double by) { seconds += by; }

    double seconds = 1000.0;
    std::string date = "12-11-2026";
};

// Plays back the given draws in order, then repeats `fallback`. Re-seeds are counted.
class ScriptedRandom : public Random {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> values) : script(values.begin(), values.end()) {}

    double next() override {
        ++draws;
        if (script.empty()) return fallback;
        const double value = script.front();
        script.pop_front();
        return value;
    }
    void reseed() override { ++reseeds; }

    // The draw that gives `value` from random_integer(lo, hi).
    static double draw_for(int value, int lo, int hi) {
        return (value - lo + 0.5) / (hi - lo + 1);
    }

    std::deque<double> script;
    double fallback = 0.0;
    int draws = 0;
    int reseeds = 0;
};

// A deterministic pseudo-random source for property tests over many problems.
class SeededRandom : public Random {
public:
    explicit SeededRandom(unsigned long long seed) : state_(seed * 2 + 1) {}
    double next() override {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) * (1.0 / 9007199254740992.0);
    }
    void reseed() override { ++reseeds; }
    int reseeds = 0;

private:
    unsigned long long state_;
};

class SoundRecorder : public Sounds {
public:
    void play(SoundEffect effect) override { played.push_back(effect); }
    void beep() override { ++beeps; }
    std::size_t count(SoundEffect effect) const {
        std::size_t n = 0;
        for (SoundEffect e : played) n += e == effect;
        return n;
    }
    void clear() {
        played.clear();
        beeps = 0;
    }

    std::vector<SoundEffect> played;
    int beeps = 0;
};

// Records every box shown and answers with the scripted buttons, then with the default.
class DialogRecorder : public Dialogs {
public:
    DialogButton show_message(const MessageBoxRequest& request) override {
        shown.push_back(request);
        if (answers.empty()) return request.default_button;
        const DialogButton answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<MessageBoxRequest> shown;
    std::deque<DialogButton> answers;
};

class PrinterRecorder : public Printer {
public:
    PrintResult print_lines(const std::string& document_name,
                            const std::vector<std::string>& lines) override {
        documents.push_back({document_name, lines});
        return result;
    }

    struct Document {
        std::string name;
        std::vector<std::string> lines;
    };
    std::vector<Document> documents;
    PrintResult result;
};

class WindowRecorder : public WindowHost {
public:
    void show_window(WindowKind kind) override {
        events.push_back({true, kind});
        open.push_back(kind);
    }
    void close_window(WindowKind kind) override {
        for (auto it = open.begin(); it != open.end(); ++it) {
            if (*it == kind) {
                events.push_back({false, kind});
                open.erase(it);
                return;
            }
        }
    }
    bool is_open(WindowKind kind) const override {
        for (WindowKind k : open) {
            if (k == kind) return true;
        }
        return false;
    }
    void end_program() override { ended = true; }

    struct Event {
        bool shown;
        WindowKind kind;
    };
    std::vector<Event> events;
    std::vector<WindowKind> open;
    bool ended = false;
};

}  // namespace varodex::testing
