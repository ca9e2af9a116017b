// Varodex: wires the Qt platform to the game and starts the event loop.
#include <QApplication>
#include <QIcon>
#include <QPointer>
#include <memory>
#include <vector>

#include "game/game_screen.h"
#include "game_window.h"
#include "qt_platform.h"

namespace {

using namespace varodex;

// The games of this run, kept in memory until the records file is wired in.
class SessionRecords : public PlayerRecords {
  public:
    RecordsProblem ensure_records_file() override { return {}; }
    RecordsProblem read_player_names(SharedState&) override { return {}; }
    RecordsProblem restore_player_settings(SharedState&, const std::string&) override { return {}; }
    RecordsProblem append_game_record(const SharedState& s, const std::string& today) override {
        games_.push_back({s.player_name, today, s.game_code, s.time_trial_game, s.final_score,
                          s.hint_delay, s.way_to_play});
        return {};
    }
    GameHistory read_game_history(const std::string& name, int code, bool time_trial, int way,
                                  RecordsProblem*) override {
        GameHistory history;
        for (const GameRecord& g : games_) {
            if (g.player_name != name || g.game_code != code || g.time_trial_game != time_trial ||
                g.way_to_play != way) {
                continue;
            }
            ++history.count;
            history.scores.push_back(g.score);
            history.highest = std::max(history.highest, g.score);
        }
        return history;
    }

  private:
    std::vector<GameRecord> games_;
};

// Until the window flow is in, the program is the game screen: a restart or "show scores"
// opens a fresh one, the goodbye ends the program.
class GameScreenHost : public WindowHost {
  public:
    void show_window(WindowKind kind) override {
        if (kind == WindowKind::goodbye) {
            end_program();
            return;
        }
        if (kind != WindowKind::game_screen && kind != WindowKind::summary) return;
        auto presenter = std::make_shared<GameScreen>(
            state_, GameScreenPorts{clock_, random_, sounds_, dialogs_, *this, records_});
        window_ = new ui::GameWindow(presenter);
        window_->setAttribute(Qt::WA_DeleteOnClose);
        window_->show();
    }
    void close_window(WindowKind kind) override {
        if (kind != WindowKind::game_screen || window_.isNull()) return;
        // Called from inside the window's own handler: Qt deletes it once that has returned.
        window_->close();
        window_ = nullptr;
    }
    bool is_open(WindowKind kind) const override {
        return kind == WindowKind::game_screen && !window_.isNull();
    }
    void end_program() override { QApplication::quit(); }

  private:
    SharedState state_;
    ui::QtClock clock_;
    ui::QtRandom random_;
    ui::QtSounds sounds_;
    ui::QtDialogs dialogs_;
    SessionRecords records_;
    QPointer<ui::GameWindow> window_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varodex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/icon.svg")));
    QApplication::setQuitOnLastWindowClosed(false);

    GameScreenHost host;
    host.show_window(WindowKind::game_screen);
    return QApplication::exec();
}
