#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "qt_platform.h"
#include "summary_window.h"
#include "support/fakes.h"
#include "support/memory_records.h"
#include "support/window_shots.h"

using namespace varodex;

namespace {

// Closes the real window when the presenter asks, as the program's window host does.
class ClosingHost : public testing::WindowRecorder {
  public:
    void close_window(WindowKind kind) override {
        WindowRecorder::close_window(kind);
        if (kind == WindowKind::summary && summary) summary->close();
    }
    QPointer<QWidget> summary;
};

QString label_text(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

bool shown(QWidget& window, const char* name) {
    auto* widget = window.findChild<QWidget*>(QLatin1String(name));
    return widget != nullptr && widget->isVisible();
}

QAction* menu_action(QMainWindow& window, const QString& caption) {
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        if (action->text() == caption) return action;
    }
    return nullptr;
}

}  // namespace

class SummaryWindowTest : public QObject {
    Q_OBJECT

    SharedState state;
    testing::MemoryRecords records;
    testing::SoundRecorder sounds;
    testing::DialogRecorder dialogs;
    ClosingHost windows;

    std::unique_ptr<ui::SummaryWindow> open_after(const std::vector<int>& scores) {
        records.add_games(state.player_name, state.game_code, state.time_trial_game,
                          state.way_to_play, scores);
        state.final_score = scores.back();
        auto window = std::make_unique<ui::SummaryWindow>(std::make_shared<SummaryPresenter>(
            state, SummaryPorts{records, sounds, dialogs, windows}));
        windows.summary = window.get();
        windows.open = {WindowKind::summary};
        window->show();
        return window;
    }

  private slots:
    void init() {
        state = SharedState{};
        state.player_name = "Maya Ortiz";
        state.first_name = "Maya";
        records = testing::MemoryRecords{};
        sounds.clear();
        dialogs = testing::DialogRecorder{};
        windows.events.clear();
    }

    void first_summary_hides_the_average_and_second_ladder() {
        auto window = open_after({1060});
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Varodex              Practice Game               "
                                "z = Maximum(x,y) or z = Minimum(x,y)"));
        QCOMPARE(window->centralWidget()->size(), QSize(640, 424));
        QCOMPARE(label_text(*window, "player_score"), QStringLiteral(" 1060"));
        QCOMPARE(label_text(*window, "level_number_label"), QStringLiteral(" LEVEL 1"));
        QVERIFY(!shown(*window, "last_panel"));
        QVERIFY(!shown(*window, "your_last_10_game_container"));
        QVERIFY(!shown(*window, "Promotion_screen_container"));
        QVERIFY(shown(*window, "rank_name_label_7"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("PLAY_AGAIN_COMMAND"))->hasFocus());
        testing::save_shot(*window, QStringLiteral("summary_first.png"));
    }

    void summary_with_both_ladders_and_an_average() {
        state.game_code = 205;
        state.way_to_play = choose_formula_way;
        auto window = open_after({870, 1120, 940, 1010, 1180, 905});
        QCOMPARE(label_text(*window, "your_last_10_game_label"),
                 QStringLiteral("YOUR LAST  6 GAME"));
        QCOMPARE(label_text(*window, "player_average_score"), QStringLiteral(" 1004"));
        QCOMPARE(label_text(*window, "rank_for_10_label"),
                 QStringLiteral("For Your Last  6 Games"));
        QCOMPARE(
            label_text(*window, "high_scores_label"),
            QStringLiteral("Your Highest Scores:   1180    1120    1010    940    905    870   "));
        QCOMPARE(label_text(*window, "rank_name_label_11"), QStringLiteral("  1000   CALCULATOR"));
        QVERIFY(shown(*window, "last_panel"));
        // The real timer climbs the ladders: rank 2 and rank 3 are reached within 2 seconds.
        QTRY_VERIFY_WITH_TIMEOUT(window->presenter().game_step() >= 3, 2500);
        QAction* level_two =
            menu_action(*window, QStringLiteral("Level  2  Any of three functions"));
        QVERIFY(level_two != nullptr);
        QVERIFY(!level_two->isEnabled());
        // For the picture: both ladders arrived, their reached rungs lit.
        const SummaryPresenter& p = window->presenter();
        QCOMPARE(p.game_rank(), 2);
        QCOMPARE(p.average_rank(), 3);
        QTRY_VERIFY_WITH_TIMEOUT(p.game_step() > 2 && p.average_step() > 3 &&
                                     shown(*window, "rank_name_label_2") &&
                                     shown(*window, "rank_name_label_11"),
                                 4000);
        QVERIFY(shown(*window, "rank_name_label_10"));
        testing::save_shot(*window, QStringLiteral("summary_ladders.png"));
    }

    void promotion_panel_covers_the_window_then_goes() {
        std::vector<int> scores(12, 850);
        scores[0] = 0;
        scores[11] = 1350;
        auto window = open_after(scores);
        QVERIFY(shown(*window, "Promotion_screen_container"));
        QCOMPARE(label_text(*window, "congratulations_label"),
                 QStringLiteral("Congratulations, Maya!!!!"));
        QCOMPARE(label_text(*window, "old_rank_label"),
                 QStringLiteral("Your old rank was PLAYER."));
        QCOMPARE(label_text(*window, "new_rank_label"),
                 QStringLiteral("Your new rank is VETERAN."));
        QVERIFY(window->promotion_timer().isActive());
        QVERIFY(window->promotion_timer().isSingleShot());
        QCOMPARE(window->promotion_timer().interval(), 10000);
        testing::save_shot(*window, QStringLiteral("summary_promotion.png"));
        // The window handles events during the wait: the ladders tick meanwhile.
        QTRY_VERIFY_WITH_TIMEOUT(window->presenter().game_step() >= 2, 2000);
        QVERIFY(shown(*window, "Promotion_screen_container"));
        window->promotion_timer().start(50);  // the rest of the wait, shortened
        QTRY_VERIFY_WITH_TIMEOUT(!shown(*window, "Promotion_screen_container"), 2000);
    }

    void a_menu_used_during_the_promotion_wait_leaves_safely() {
        std::vector<int> scores(11, 850);
        scores.back() = 1400;
        auto window = open_after(scores);
        QVERIFY(window->presenter().promotion_waiting());
        QAction* time_trial = menu_action(*window, QStringLiteral("Time Trial Game"));
        QVERIFY(time_trial != nullptr);
        time_trial->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->promotion_timer().isActive());
        QVERIFY(!window->animation_timer().isActive());
        QVERIFY(windows.is_open(WindowKind::game_screen));
        QVERIFY(dialogs.shown.empty());
        QVERIFY(state.time_trial_game);
    }

    void play_again_button_opens_the_game_screen() {
        auto window = open_after({900});
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("PLAY_AGAIN_COMMAND")),
                          Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(windows.is_open(WindowKind::game_screen));
        QCOMPARE(sounds.count(SoundEffect::click), std::size_t{1});
    }

    void enter_presses_the_focused_play_again_button() {
        auto window = open_after({900});
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* again = window->findChild<QPushButton*>(QStringLiteral("PLAY_AGAIN_COMMAND"));
        QVERIFY(again->hasFocus());
        QTest::keyClick(again, Qt::Key_Return);
        QVERIFY(!window->isVisible());
        QVERIFY(windows.is_open(WindowKind::game_screen));
        QCOMPARE(sounds.count(SoundEffect::click), std::size_t{1});
    }

    void time_trial_summary_shows_its_own_ladder() {
        set_game_kind(state, time_trial_kind);
        state.game_code = 212;
        state.way_to_play = figure_formula_way;
        auto window = open_after({320, 610, 480, 1260});
        QCOMPARE(label_text(*window, "level_label"), QStringLiteral("Time Trial Game"));
        QCOMPARE(label_text(*window, "level_number_label"), QStringLiteral(" LEVEL 12"));
        QCOMPARE(label_text(*window, "rank_name_label_3"), QStringLiteral("    450   CALCULATOR"));
        QCOMPARE(label_text(*window, "rank_name_label_15"), QStringLiteral("  1250   SAVANTOR"));
        QCOMPARE(label_text(*window, "player_average_score"), QStringLiteral(" 667"));
        QCOMPARE(window->presenter().game_rank(), 7);
        QCOMPARE(window->presenter().average_rank(), 4);
        QTRY_VERIFY_WITH_TIMEOUT(
            window->presenter().average_step() > 4 && shown(*window, "rank_name_label_12"), 4000);
        testing::save_shot(*window, QStringLiteral("summary_time_trial.png"));
    }

    void close_box_asks_and_no_keeps_the_window() {
        auto window = open_after({900});
        dialogs.answers = {DialogButton::no};
        window->close();
        QVERIFY(window->isVisible());
        QVERIFY(window->animation_timer().isActive());
        dialogs.answers = {DialogButton::yes};
        window->close();
        QVERIFY(!window->isVisible());
        QCOMPARE(dialogs.shown.size(), std::size_t{2});
        QVERIFY(windows.is_open(WindowKind::goodbye));
    }

    void exit_menu_asks_once() {
        auto window = open_after({900});
        dialogs.answers = {DialogButton::yes};
        menu_action(*window, QStringLiteral("Exit"))->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(dialogs.shown.size(), std::size_t{1});
        QVERIFY(windows.is_open(WindowKind::goodbye));
    }

    void sound_off_keeps_the_summary_and_ticks_off() {
        auto window = open_after({900});
        QAction* on = menu_action(*window, QStringLiteral("On"));
        QAction* off = menu_action(*window, QStringLiteral("Off"));
        off->trigger();
        QVERIFY(window->isVisible());
        QVERIFY(off->isChecked());
        QVERIFY(!on->isChecked());
        off->trigger();  // Qt would untick it; the summary keeps it ticked
        QVERIFY(off->isChecked());
        QVERIFY(!state.sound_on);
    }
};

QTEST_MAIN(SummaryWindowTest)
#include "summary_window_test.moc"
