// Drives a real game screen window over a presenter with fake ports: the test moves time
// itself, clicks and types as a child would and reads back what the window shows.
#pragma once

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <memory>
#include <string>

#include "game/game_screen.h"
#include "game_window.h"
#include "support/fakes.h"
#include "support/records_recorder.h"

namespace varodex::testing {

// Closes and deletes the real window when the presenter asks, as the program's host does.
class ClosingHost : public WindowRecorder {
public:
    void close_window(WindowKind kind) override {
        WindowRecorder::close_window(kind);
        if (kind == WindowKind::game_screen && !game.isNull()) {
            game->close();
            game->deleteLater();
        }
    }
    QPointer<QWidget> game;
};

class GameWindowDriver {
protected:
    SharedState state;
    ManualClock clock;
    std::unique_ptr<SeededRandom> random;
    SoundRecorder sounds;
    DialogRecorder dialogs;
    ClosingHost windows;
    RecordsRecorder records;
    std::shared_ptr<GameScreen> presenter;
    QPointer<ui::GameWindow> window;

    // A fresh player with no history and fakes that remember nothing yet.
    void reset_ports() {
        state = SharedState{};
        state.player_name = "Maya Ortiz";
        state.first_name = "Maya";
        clock = ManualClock{};
        sounds.clear();
        dialogs = DialogRecorder{};
        windows.events.clear();
        records = RecordsRecorder{};
    }

    void open(unsigned long long seed) {
        random = std::make_unique<SeededRandom>(seed);
        windows.open = {WindowKind::game_screen};
        presenter = std::make_shared<GameScreen>(
            state, GameScreenPorts{clock, *random, sounds, dialogs, windows, records});
        window = new ui::GameWindow(presenter);
        windows.game = window;
        // The test moves time itself.
        window->game_timer().stop();
        window->feedback_timer().stop();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void close_window() {
        delete window.data();
        presenter.reset();
    }

    template <typename T = QWidget>
    T* child(const QString& name) {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr) qWarning("no widget %s", qPrintable(name));
        return widget;
    }
    QWidget* square(int i) { return child(QStringLiteral("puzzle_square_%1").arg(i)); }
    QString text_of(const QString& name) {
        auto* label = child<QLabel>(name);
        return label ? label->text() : QString();
    }
    bool shown(const QString& name) {
        QWidget* widget = child(name);
        return widget != nullptr && widget->isVisible();
    }

    // Both timers tick once after the clock has moved on.
    void tick(double seconds = 0.1) {
        clock.advance(seconds);
        window->game_timer_tick();
        window->feedback_timer_tick();
    }
    void run_for(double seconds) {
        for (int i = 0; i < static_cast<int>(seconds * 10 + 0.5); ++i) tick();
    }

    void click(QWidget* widget) {
        QVERIFY(widget != nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    void start_problem() {
        click(child(QStringLiteral("start_image")));
        tick();
    }
    // The index of a shown answer square with the right answer, or with a wrong one; -1 if none.
    int answer_square(bool right) {
        const std::string correct = std::to_string(presenter->problem().correct_answer);
        for (int i = first_answer_square; i <= last_answer_square; ++i) {
            const Control& square = presenter->controls().puzzle_square[i];
            if ((square.caption == correct) == right && square.visible) return i;
        }
        return -1;
    }
};

}  // namespace varodex::testing
