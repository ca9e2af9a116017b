// The Combat game on the game screen window: the P and Q keys reach the presenter, the border
// marks the player who buzzed in, the other's labels turn grey, and a game ends on the board.
#include <QCheckBox>
#include <QImage>
#include <QPushButton>

#include "support/game_window_driver.h"
#include "support/window_shots.h"

using namespace varodex;

namespace {

const QColor grey(224, 224, 224);
const QColor border_green(0x00, 0xFF, 0x00);

}  // namespace

class CombatWindowTest : public QObject, testing::GameWindowDriver {
    Q_OBJECT

    // The colour on the screen a few pixels inside a widget's top-left corner.
    QColor seen_at(const QString& name, int inset = 3) {
        QWidget* widget = child(name);
        if (widget == nullptr) return {};
        const QImage image = window->grab().toImage();
        const QPoint at = widget->mapTo(window.data(), QPoint(inset, inset));
        return image.pixelColor(at * image.devicePixelRatio());
    }
    bool locked_out(const char* player) {
        const QString name = QLatin1String(player);
        return seen_at(name + QStringLiteral("_player_label")) == grey &&
               seen_at(name + QStringLiteral("_player_score_label")) == grey;
    }

    void press(char key) { QTest::keyClick(window.data(), key); }

  private slots:
    void init() {
        reset_ports();
        state.game_code = 205;
        state.way_to_play = calculate_value_way;
        set_game_kind(state, combat_kind);
    }

    void cleanup() { close_window(); }

    void keys_buzz_in_and_lock_the_other_player_out() {
        open(7);
        start_problem();
        QVERIFY(!shown(QStringLiteral("p_player_border_shape")));
        QVERIFY(!locked_out("p") && !locked_out("q"));
        QCOMPARE(seen_at(QStringLiteral("q_player_label")), QColor(Qt::black));

        press('p');
        QVERIFY(shown(QStringLiteral("p_player_border_shape")));
        QVERIFY(!shown(QStringLiteral("q_player_border_shape")));
        QCOMPARE(seen_at(QStringLiteral("p_player_border_shape")), border_green);
        QVERIFY(locked_out("q"));
        QVERIFY(!locked_out("p"));
        QCOMPARE(text_of(QStringLiteral("instruction_label")),
                 QStringLiteral("Player P please click on the correct answer."));
        QVERIFY(!shown(QStringLiteral("q_combat_instructions_label")));
        tick();
        QCOMPARE(text_of(QStringLiteral("average_score_label")), QStringLiteral("Time Left 7"));
        // Q's key does nothing while P answers.
        press('Q');
        QVERIFY(!shown(QStringLiteral("q_player_border_shape")));
        testing::save_shot(*window, QStringLiteral("combat_buzzed_in.png"));

        // A wrong answer locks P out and opens the steal for Q.
        click(square(answer_square(false)));
        QVERIFY(!shown(QStringLiteral("p_player_border_shape")));
        QVERIFY(locked_out("p"));
        QVERIFY(!locked_out("q"));
        QCOMPARE(text_of(QStringLiteral("total_game_score_label")),
                 QStringLiteral("P's Score  -1"));
        QVERIFY(shown(QStringLiteral("q_combat_instructions_label")));
        QVERIFY(!shown(QStringLiteral("instruction_label")));
        run_for(12.3);
        QCOMPARE(text_of(QStringLiteral("average_score_label")), QStringLiteral("Steal Time 138"));
        press('P');  // locked out
        QVERIFY(!shown(QStringLiteral("p_player_border_shape")));
        testing::save_shot(*window, QStringLiteral("combat_steal.png"));

        press('q');
        QVERIFY(shown(QStringLiteral("q_player_border_shape")));
        QVERIFY(locked_out("p"));
        click(square(answer_square(true)));
        QCOMPARE(text_of(QStringLiteral("time_bonus")), QStringLiteral("Q's Score  1"));
        QCOMPARE(text_of(QStringLiteral("q_player_score_label")), QStringLiteral("Score 1"));
    }

    void choose_formula_boxes_open_only_for_the_player_who_buzzed() {
        state.way_to_play = choose_formula_way;
        open(7);
        start_problem();
        const auto box = [this](int i) {
            return qobject_cast<QCheckBox*>(
                child(QStringLiteral("function_choice_command_%1").arg(i)));
        };
        int wrong = -1;
        for (int i = 0; i < choice_count && wrong < 0; ++i) {
            if (presenter->controls().function_choice_label[i].caption !=
                presenter->problem().correct_choice_text) {
                wrong = i;
            }
        }
        QVERIFY(!box(0)->isEnabled());
        press('Q');
        QVERIFY(box(0)->isEnabled() && box(4)->isEnabled());
        QVERIFY(shown(QStringLiteral("q_player_border_shape")));
        QVERIFY(locked_out("p"));
        click(box(wrong));
        QVERIFY(!box(wrong)->isEnabled());
        QVERIFY(locked_out("q") && !locked_out("p"));

        // Nobody is buzzed in: another box only beeps.
        const int other = wrong == 0 ? 1 : 0;
        QVERIFY(box(other)->isEnabled());
        const int beeps = sounds.beeps;
        click(box(other));
        QCOMPARE(sounds.beeps, beeps + 1);
        QVERIFY(!box(other)->isChecked());
        QCOMPARE(text_of(QStringLiteral("time_bonus")), QStringLiteral("Q's Score  -1"));
        QCOMPARE(text_of(QStringLiteral("total_game_score_label")), QStringLiteral("P's Score  0"));
        run_for(2.5);
        testing::save_shot(*window, QStringLiteral("combat_choose_formula_steal.png"));
    }

    void both_players_too_slow_shows_the_answer() {
        open(7);
        start_problem();
        press('P');
        run_for(7.5);
        QCOMPARE(text_of(QStringLiteral("instruction_label")),
                 QStringLiteral("Sorry, Player P, you took too long to answer."));
        QVERIFY(locked_out("p"));
        press('Q');
        run_for(7.5);
        QCOMPARE(text_of(QStringLiteral("instruction_label")),
                 QStringLiteral("Sorry, Player Q, you took too long to answer."));
        QVERIFY(!shown(QStringLiteral("p_player_label")) &&
                !shown(QStringLiteral("q_player_label")));
        QVERIFY(shown(QStringLiteral("puzzle_square_yellow_combat")));
        QVERIFY(shown(QStringLiteral("correct_step_label_0")));
        QCOMPARE(text_of(QStringLiteral("start_label")), QStringLiteral("Next Problem"));
        tick();
        testing::save_shot(*window, QStringLiteral("combat_time_up.png"));
    }

    void a_game_to_five_ends_on_the_board_with_play_again() {
        open(7);
        // P wins 5 to 1.
        const std::string keys = "PqPpPP";
        for (std::size_t n = 0; n < keys.size(); ++n) {
            start_problem();
            press(keys[n]);
            click(square(answer_square(true)));
            tick();
            if (n + 1 < keys.size()) run_for(1.1);
        }
        QVERIFY(shown(QStringLiteral("chalk_board")));
        QVERIFY(shown(QStringLiteral("advanced_game_over")));
        QCOMPARE(text_of(QStringLiteral("advanced_well_done_label")),
                 QStringLiteral("Well Done, Player P!!! "));
        QCOMPARE(text_of(QStringLiteral("start_label")), QStringLiteral("Play Again"));
        QCOMPARE(text_of(QStringLiteral("instruction_label")),
                 QStringLiteral("Click on the Play Again button to start another game."));
        QVERIFY(shown(QStringLiteral("instruction_label")));
        QVERIFY(!shown(QStringLiteral("p_player_label")));
        QVERIFY(!child(QStringLiteral("skip_problem_command"))->isEnabled());
        testing::save_shot(*window, QStringLiteral("combat_end.png"));
        QVERIFY(records.appended.empty());

        // "Play Again" closes this screen and opens a fresh one on its first problem.
        click(child(QStringLiteral("start_image")));
        QTRY_VERIFY(window.isNull());
        QVERIFY(windows.is_open(WindowKind::game_screen));
        open(7);
        QCOMPARE(text_of(QStringLiteral("total_game_score_label")), QStringLiteral("P's Score  0"));
        QCOMPARE(text_of(QStringLiteral("time_bonus")), QStringLiteral("Q's Score  0"));
        QVERIFY(shown(QStringLiteral("q_player_label")));
        QCOMPARE(text_of(QStringLiteral("Problem_number_label")), QStringLiteral("Problem  1"));
        QVERIFY(records.appended.empty());
    }
};

QTEST_MAIN(CombatWindowTest)
#include "combat_window_test.moc"
